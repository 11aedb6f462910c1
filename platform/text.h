#pragma once

#include <string>
#include <vector>

// A byte string in the system multibyte code page. The null text and the empty text are one.
using Text = std::string;
using TextArray = std::vector<Text>;
