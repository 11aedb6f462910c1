#pragma once

#include <string>
#include <vector>

using Text = std::string;
using TextArray = std::vector<Text>;
