// Morvane program foundation extras.
// Lengths converted between millimetres (the model's unit) and a display unit, with its label.
#pragma once

#include <cstdint>
#include <string>

namespace morvane {

/// The unit codes of CUnitConverter; any other code means millimetres.
inline constexpr int32_t kUnitMetres = 1;
inline constexpr int32_t kUnitCentimetres = 2;
inline constexpr int32_t kUnitInches = 3;
inline constexpr int32_t kUnitDecimetres = 4;

/// How lengths are shown for one value of the option "USER_UNITS": in the converter unit, with
/// two decimals, or for the inch choices as a fraction over the denominator.
struct DisplayUnitChoice
{
    int32_t converterUnit;
    int denominator; ///< 0: decimals, no fraction
};

/// The display unit of a "USER_UNITS" value: 0 millimetres, 1 centimetres, 2 to 7 inches in
/// quarters, eighths, 16ths, 32nds, 64ths and hundredths; any other value millimetres.
const DisplayUnitChoice &GetDisplayUnitChoice(int32_t userUnits);

} // namespace morvane

/// Converts lengths of one unit to and from millimetres: 1 metres, 2 centimetres, 3 inches
/// (25.4 mm), 4 decimetres (100 mm); any other code millimetres.
class CUnitConverter
{
public:
    explicit CUnitConverter(int32_t unit) : m_nUnit(unit) {}

    double ToMillimetres(double v) const;
    double FromMillimetres(double v) const;
    /// "[m]", "[cm]", "[inch]", "[dm]" or "[mm]".
    std::string GetUnitLabel() const;

private:
    double GetMillimetresPerUnit() const;

    int32_t m_nUnit;
};
