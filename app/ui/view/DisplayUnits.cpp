// Morvane main window, view and interaction.
// Lengths shown and typed in the unit the user chose ("USER_UNITS"); the model keeps millimetres.
#include "app/ui/view/DisplayUnits.h"

#include "app/ui/options/Options.h"

#include "app/extras/NumberFormat.h"
#include "app/extras/UnitConverter.h"

#include <iterator>

namespace {

struct DisplayUnit
{
    int32_t converterUnit;
    int denominator; // 0: decimals, no fraction
};

// One row per value of "USER_UNITS"; any other value shows millimetres.
constexpr DisplayUnit kDisplayUnits[] = {
    {0, 0},
    {morvane::kUnitCentimetres, 0},
    {morvane::kUnitInches, 4},
    {morvane::kUnitInches, 8},
    {morvane::kUnitInches, 16},
    {morvane::kUnitInches, 32},
    {morvane::kUnitInches, 64},
    {morvane::kUnitInches, 100},
};

// The option is read on every call, so a change in the options dialog shows at once.
const DisplayUnit &currentUnit()
{
    const int32_t choice = COptions::GetInstance()->m_pUserUnits->GetValue();
    const bool known = choice >= 0 && choice < int32_t(std::size(kDisplayUnits));
    return kDisplayUnits[known ? choice : 0];
}

} // namespace

std::string GetDisplayUnitLabel()
{
    return CUnitConverter(currentUnit().converterUnit).GetUnitLabel();
}

double ConvertFromDisplayUnits(double value)
{
    return CUnitConverter(currentUnit().converterUnit).ToMillimetres(value);
}

double ConvertToDisplayUnits(double millimetres, int &decimals, bool &fraction, int &denominator)
{
    const DisplayUnit &unit = currentUnit();
    decimals = 2;
    fraction = unit.denominator != 0;
    denominator = unit.denominator;
    return CUnitConverter(unit.converterUnit).FromMillimetres(millimetres);
}

std::string FormatLength(double value, int decimals, bool fraction, int denominator)
{
    if (!fraction)
        return FormatDouble(value, decimals);
    int whole = 0;
    int numerator = 0;
    SplitFraction(value, denominator, whole, numerator);
    return FormatFraction(whole, numerator, denominator, '/', ' ');
}
