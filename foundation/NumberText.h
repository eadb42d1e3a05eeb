// Morvane foundation library.
// Locale-free number parsing with the forgiving rules of the C library's atof and atoi.
#pragma once

#include <string_view>

namespace morvane {

/// Reads a decimal number as atof does, but always with "." as the decimal point: leading
/// blanks are skipped, a leading "+" or "-" is taken, trailing text is ignored, and text that
/// does not start with a number gives 0.
double parseDouble(std::string_view text);

/// Reads an integer as atoi does (leading blanks, sign, trailing text ignored, 0 for no number);
/// a value beyond the range of int is clamped to it.
int parseInt(std::string_view text);

/// Reads a decimal number that must fill the whole text (blanks around it allowed). Returns
/// false, leaving value unchanged, for empty text, junk or a number out of range. For values
/// that a user types: they are refused, never taken as 0.
bool tryParseDouble(std::string_view text, double &value);

/// The int form of tryParseDouble().
bool tryParseInt(std::string_view text, int &value);

} // namespace morvane
