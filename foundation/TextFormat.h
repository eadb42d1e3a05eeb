// Morvane foundation library.
// printf-style formatting that always uses the "C" locale, whatever the process locale is.
#pragma once

#include <cstdarg>
#include <string>

namespace morvane {

/// Formats like snprintf, but in the "C" locale: "%.3f" of 2.5 is "2.500" even while the
/// process runs under a locale with a decimal comma. Used for every number written to a file,
/// a formula text or a task variable.
std::string format(const char *format, ...) __attribute__((format(printf, 1, 2)));

/// The va_list form of format().
std::string formatV(const char *format, va_list args);

/// The text of format("%.*f", decimals, value), made without printf: the fast form for the
/// many numbers of a stored document. decimals must be 0 or more.
std::string formatFixed(double value, int decimals);

/// The room that writeShortFixed() needs.
inline constexpr int kShortFixedRoom = 40;

/// Writes the text of formatFixed(value, decimals) at out, which has room for kShortFixedRoom
/// characters, and gives where it ends, when the number is short: decimals below 16 and
/// |value| * 10^decimals below 2^52. Otherwise writes nothing and gives null.
char *writeShortFixed(char *out, double value, int decimals);

/// Appends the text of format("%*.*f", width, decimals, value) to text (formatFixed() after
/// blanks up to width characters), with no string in between: for writers that put many
/// numbers into one text.
void appendFixed(std::string &text, double value, int decimals, int width = 0);

/// The text of format("%lld", value), made without printf.
std::string formatInteger(long long value);

/// Appends the text of formatInteger(value) to text.
void appendInteger(std::string &text, long long value);

} // namespace morvane
