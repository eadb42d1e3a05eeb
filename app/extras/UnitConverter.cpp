// Morvane program foundation extras.
// Lengths converted between millimetres (the model's unit) and a display unit, with its label.
#include "app/extras/UnitConverter.h"

using namespace morvane;

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
