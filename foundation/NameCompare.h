// Morvane foundation library.
// Comparison of names (patterns, regions, measurements, header keys) without regard to case.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

/// Compares two names, folding the ASCII letters only; other bytes (UTF-8 included) compare as
/// they are. Returns <0, 0 or >0 like strcmp.
int compareNoCase(std::string_view a, std::string_view b);

/// True when compareNoCase() is 0.
bool equalsNoCase(std::string_view a, std::string_view b);

/// The text with its ASCII letters in lower case.
std::string toLowerAscii(std::string_view text);

/// The text with its ASCII letters in upper case.
std::string toUpperAscii(std::string_view text);

} // namespace morvane
