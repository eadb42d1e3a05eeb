// Morvane program foundation extras.
// Rounding, and lengths written with decimals or as mixed numbers ("2 3/8").
#include "app/extras/NumberFormat.h"

#include "foundation/TextFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

std::string FormatDouble(double v, int decimals)
{
    if (decimals < 0)
        return morvane::format("%f", v);
    return morvane::format("%.*f", decimals, v);
}

void SplitFraction(double v, int denominator, int &whole, int &numerator)
{
    if (denominator <= 0) {
        whole = RoundToInt(v);
        numerator = 0;
        return;
    }
    // 64 bits: the magnitude of the smallest int does not fit in an int.
    const int64_t steps = RoundToInt(static_cast<double>(denominator) * v);
    const int64_t magnitude = std::llabs(steps);
    int64_t wholePart = magnitude / denominator;
    int64_t numeratorPart = magnitude % denominator;
    if (steps < 0) {
        if (wholePart > 0)
            wholePart = -wholePart;
        else
            numeratorPart = -numeratorPart;
    }
    whole = static_cast<int>(wholePart);
    numerator = static_cast<int>(numeratorPart);
}

std::string FormatFraction(int whole, int numerator, int denominator, char fractionSeparator,
                           char wholeSeparator)
{
    if (numerator == 0)
        return morvane::format("%d", whole);
    if (whole == 0)
        return morvane::format("%d%c%d", numerator, fractionSeparator, denominator);
    return morvane::format("%d%c%d%c%d", whole, wholeSeparator, numerator, fractionSeparator,
                           denominator);
}
