// Morvane formula library.
// The shared vocabulary of formula text: character sets, point addresses and point lists.
#include "formulas/FormulaText.h"

#include "foundation/TextFormat.h"

namespace morvane {

std::string formatPointAddress(int applyTypeX, int applyTypeY, std::string_view name)
{
    return "%PA(" + formatInteger(applyTypeX) + "," + formatInteger(applyTypeY) + "," +
           std::string(name) + ")";
}

std::string axisSuffix(int applyTypeX, int applyTypeY)
{
    if (applyTypeX != APPLY_NONE && applyTypeY == APPLY_NONE)
        return ".x";
    if (applyTypeX == APPLY_NONE && applyTypeY != APPLY_NONE)
        return ".y";
    return {};
}

std::string formatPointsText(const std::vector<std::string> &labels, int applyTypeX,
                             int applyTypeY)
{
    std::string list;
    for (const std::string &label : labels) {
        if (!list.empty())
            list += ',';
        list += label;
    }
    if (labels.empty())
        list = kUnknownPointLabel;
    const std::string suffix = axisSuffix(applyTypeX, applyTypeY);
    if (!suffix.empty() && labels.size() > 1)
        list = "(" + list + ")";
    return list + suffix;
}

std::string applyPrefix(int applyTypeX, int applyTypeY)
{
    return applyTypeX == APPLY_INCREMENT || applyTypeY == APPLY_INCREMENT ? "+" : "";
}

bool hasDrivenAxis(int applyTypeX, int applyTypeY)
{
    return applyTypeX == APPLY_DRIVEN || applyTypeY == APPLY_DRIVEN;
}

std::string trimBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

} // namespace morvane
