// Morvane main window, view and interaction.
// Lengths shown and typed in the unit the user chose ("USER_UNITS"); the model keeps millimetres.
#include "app/ui/view/DisplayUnits.h"

#include "app/ui/options/Options.h"

#include "app/extras/NumberFormat.h"
#include "app/extras/UnitConverter.h"

namespace {

// The option is read on every call, so a change in the options dialog shows at once.
const morvane::DisplayUnitChoice &currentUnit()
{
    return morvane::GetDisplayUnitChoice(COptions::GetInstance()->m_pUserUnits->GetValue());
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
    const morvane::DisplayUnitChoice &unit = currentUnit();
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
