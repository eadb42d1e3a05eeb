// Morvane program grading.
// The parser lines that solve a path of a global path formula, and the names they use.
#include "app/grading/RuleTexts.h"

#include "foundation/NameCompare.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kFromLastBit = 32768;

std::string pathText(const std::string &first, const std::string &last)
{
    return "%LP(" + first + ", " + last + ")";
}

std::string fitEndText(const std::string &path, const std::string &reference, int mode)
{
    return "%RKD(" + path + ", " + reference + ", " + std::to_string(mode) + ")";
}

bool holds(const std::vector<std::string> &names, const std::string &name)
{
    return std::any_of(names.begin(), names.end(), [&name](const std::string &held) {
        return morvane::equalsNoCase(held, name);
    });
}

/// "k" or "K" and digits: the shape of the segment measures' names, which a point must not take.
bool looksLikeMeasureName(const std::string &name)
{
    return name.size() > 1 && (name[0] == 'k' || name[0] == 'K') &&
           std::all_of(name.begin() + 1, name.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

} // namespace

std::vector<std::string> pathEndTexts(bool endKept, bool startKept, int sizeMode,
                                      const std::string &first, const std::string &last,
                                      const std::string &endRule, const std::string &startRule)
{
    const std::string path = pathText(first, last);
    if (endKept && startKept)
        return {"%MF(" + path + ", " + endRule + ")", fitEndText(path, endRule, 0)};
    if (endKept)
        return {"%TR(" + path + ", " + endRule + ".X-" + last + ".X, " + endRule + ".Y-" + last +
                    ".Y)",
                fitEndText(path, startRule, sizeMode | kFromLastBit)};
    return {fitEndText(path, endRule, sizeMode)};
}

std::string pathDistributionText(const std::string &start, const std::string &end,
                                 const std::vector<std::string> &list)
{
    std::string joined;
    for (const std::string &entry : list)
        joined += (joined.empty() ? "" : ",") + entry;
    return "%LHD(" + pathText(start, end) + ", %VA(" + joined + "))";
}

std::string uniquePointName(const std::string &name, const std::vector<std::string> &names)
{
    if (!holds(names, name) && !looksLikeMeasureName(name))
        return name;
    const std::string stem = name + "_";
    for (int counter = 1;; ++counter) {
        std::string candidate = stem + std::to_string(counter);
        if (!holds(names, candidate))
            return candidate;
    }
}
