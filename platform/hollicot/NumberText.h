// Morvane Hollicot formula parser.
// Numbers written into texts, the same in every locale.
#pragma once

#include <string>

namespace hollicot {

/// value with exactly decimals digits after a '.' (none when decimals is 0); decimals is kept
/// within 0..17. Never "-0".
std::string formatFixed(double value, int decimals);

/// value with six decimals, trailing zeros and a trailing '.' dropped: 25, 2.5, -0.333333.
std::string formatShort(double value);

/// The number that the whole of text (blanks around it trimmed) writes with '.' as decimal mark;
/// false when text is not such a number or it is not finite.
bool readNumber(const std::string &text, double &value);

} // namespace hollicot
