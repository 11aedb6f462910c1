#pragma once

#include <string>
#include <string_view>

#include "platform/text.h"

// UTF-16 text as the automation interfaces take it.
#ifdef _WIN32
using WideChar = wchar_t;
#else
using WideChar = char16_t;
#endif
using WideText = std::basic_string<WideChar>;

// Conversions between the system multibyte code page and UTF-16, with the platform's default
// substitutions for what the other side cannot hold.
WideText ToWide(std::string_view text);
Text ToMultiByte(std::basic_string_view<WideChar> text);
