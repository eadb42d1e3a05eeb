// Morvane program grading.
// The names of the formula kinds.
#include "app/grading/FormulaKindNames.h"

#include "model/IBaseFormula.h"

#include <array>
#include <utility>

namespace {

// By type number 0..32; the path formulas 28 and 32 are named by their owner below.
constexpr std::array<int, 33> kStringIdByType = {
    0,     0,     61557, 61591, 61592, 0,     0,     61593, 61594, 61558, 61593,
    61595, 61291, 0,     0,     61596, 61597, 0,     61598, 61599, 61599, 61600,
    61601, 0,     61605, 61605, 61591, 61606, 0,     61609, 61610, 61611, 0,
};

constexpr std::pair<int, std::string_view> kTexts[] = {
    {61278, "Grade mask"},
    {61281, "Curve distance measure"},
    {61291, "Interpolation"},
    {61557, "Path"},
    {61558, "Rotation"},
    {61591, "Dart"},
    {61592, "Lapel"},
    {61593, "Extension"},
    {61594, "Intersection"},
    {61595, "Notch distance"},
    {61596, "Points interpolation"},
    {61597, "Proportional region"},
    {61598, "Validation"},
    {61599, "Distance measure"},
    {61600, "Tangent measure"},
    {61601, "Symmetric point"},
    {61602, "Point to point measure"},
    {61603, "Straight distance measure"},
    {61605, "Global interpolation"},
    {61606, "Closed dart"},
    {61607, "Region relative distance"},
    {61608, "Relative distance"},
    {61609, "Symmetry axis"},
    {61610, "Keep angle and length"},
    {61611, "External grading"},
    {61612, "Region proportional distance"},
    {61613, "Proportional distance"},
};

} // namespace

int formulaKindStringId(IBaseFormula &formula)
{
    const int type = formula.GetFormulaType();
    const bool regionOwned = formula.GetAttachKind() == FORMULA_ATTACH_REGION;
    if (type == 28)
        return regionOwned ? 61607 : 61608;
    if (type == 32)
        return regionOwned ? 61612 : 61613;
    if (type < 0 || type >= static_cast<int>(kStringIdByType.size()))
        return 0;
    return kStringIdByType[static_cast<std::size_t>(type)];
}

std::string_view formulaKindText(int stringId)
{
    for (const auto &[id, text] : kTexts) {
        if (id == stringId)
            return text;
    }
    return {};
}
