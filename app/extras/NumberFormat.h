// Morvane program foundation extras.
// Rounding, and lengths written with decimals or as mixed numbers ("2 3/8").
#pragma once

#include <cmath>
#include <limits>
#include <string>

/// v rounded half away from zero: 2.5 gives 3, -2.5 gives -3, -0.4 gives 0. Values beyond the
/// range of int give its nearest end; NaN gives 0. Inline: the views round every point they draw.
inline int RoundToInt(double v)
{
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const double shifted = v >= 0.0 ? v + 0.5 : v - 0.5;
    // Inside the range the conversion's truncation is the rounding.
    if (shifted > static_cast<double>(kMin) && shifted < static_cast<double>(kMax))
        return static_cast<int>(shifted);
    if (std::isnan(v))
        return 0;
    return shifted > 0.0 ? kMax : kMin;
}

/// v with the given number of decimals ("%.2f" for 2), or "%f" (six decimals) when decimals is
/// negative; always with "." as the decimal point.
std::string FormatDouble(double v, int decimals);

/// Splits v into a whole part and a numerator over denominator, rounding v to the nearest
/// multiple of 1/denominator (half away from zero); the numerator is not reduced. The sign goes
/// to the whole part, or to the numerator when the whole part is 0: 2.4 over 8 gives 2 and 3,
/// -0.25 over 8 gives 0 and -2, -1.5 over 4 gives -1 and 2. A denominator of 0 or below gives
/// the rounded value and no fraction. Values whose count of 1/denominator steps is beyond the
/// range of int are taken at its nearest end.
void SplitFraction(double v, int denominator, int &whole, int &numerator);

/// A mixed number: "3" when numerator is 0, "3/8" when whole is 0, else "2 3/8" (with
/// wholeSeparator between the whole part and the fraction, fractionSeparator in the fraction).
std::string FormatFraction(int whole, int numerator, int denominator, char fractionSeparator,
                           char wholeSeparator);
