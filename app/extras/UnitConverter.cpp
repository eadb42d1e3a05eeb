// Morvane program foundation extras.
// Lengths converted between millimetres (the model's unit) and a display unit, with its label.
#include "app/extras/UnitConverter.h"

#include <iterator>

using namespace morvane;

namespace {

constexpr DisplayUnitChoice kDisplayUnits[] = {
    {0, 0},
    {kUnitCentimetres, 0},
    {kUnitInches, 4},
    {kUnitInches, 8},
    {kUnitInches, 16},
    {kUnitInches, 32},
    {kUnitInches, 64},
    {kUnitInches, 100},
};

} // namespace

const DisplayUnitChoice &morvane::GetDisplayUnitChoice(int32_t userUnits)
{
    const bool known = userUnits >= 0 && userUnits < int32_t(std::size(kDisplayUnits));
    return kDisplayUnits[known ? userUnits : 0];
}

double CUnitConverter::ToMillimetres(double v) const
{
    return v * GetMillimetresPerUnit();
}

double CUnitConverter::FromMillimetres(double v) const
{
    return v / GetMillimetresPerUnit();
}

std::string CUnitConverter::GetUnitLabel() const
{
    switch (m_nUnit) {
    case kUnitMetres:
        return "[m]";
    case kUnitCentimetres:
        return "[cm]";
    case kUnitInches:
        return "[inch]";
    case kUnitDecimetres:
        return "[dm]";
    default:
        return "[mm]";
    }
}

double CUnitConverter::GetMillimetresPerUnit() const
{
    switch (m_nUnit) {
    case kUnitMetres:
        return 1000.0;
    case kUnitCentimetres:
        return 10.0;
    case kUnitInches:
        return 25.4;
    case kUnitDecimetres:
        return 100.0;
    default:
        return 1.0;
    }
}
