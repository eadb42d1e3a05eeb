// Morvane AAMA grade model.
// Writes the RUL grade-rule file: the displacement of every labelled point in every size.
#include "sources/aama-model/RulFileWriter.h"

#include "foundation/TextFormat.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/grade-model/IGradeData.h"
#include "sources/grade-model/IGradePattern.h"

#include <utility>

using morvane::SizeCombination;

namespace {

constexpr const char *kLineEnd = "\r\n";

DPOINT displacement(IGradePoint &point, const SizeCombination &combination)
{
    DPOINT base;
    point.GetPosition({}, base);
    DPOINT sum;
    for (std::size_t table = 0; table < combination.size(); ++table) {
        if (combination[table] < 0)
            continue;
        DPOINT position;
        point.GetPosition({static_cast<int>(table), combination[table]}, position);
        sum.x += position.x - base.x;
        sum.y += position.y - base.y;
    }
    return sum;
}

void writeRule(std::string &text, const RulRulePoint &rule,
               const std::vector<SizeCombination> &combinations)
{
    text += "RULE: DELTA ";
    text += rule.m_sName;
    text += kLineEnd;
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        const DPOINT value = displacement(*rule.m_pPoint, combinations[i]);
        text += ' ';
        morvane::appendFixed(text, value.x, 2, 9);
        text += ',';
        morvane::appendFixed(text, value.y, 2, 9);
        // After every fourth value and after the last: a single line end when both hold.
        if ((i + 1) % 4 == 0 || i + 1 == combinations.size())
            text += kLineEnd;
    }
}

} // namespace

CRulFileWriter::CRulFileWriter(morvane::LocalClock clock)
    : m_fnClock(std::move(clock))
{
}

void CRulFileWriter::Write(const std::filesystem::path &path, const IGradeData *data,
                           const std::string &sampleSize,
                           const std::vector<RulRulePoint> &rulePoints,
                           const std::string &units) const
{
    const std::tm now = m_fnClock();
    const std::vector<SizeCombination> combinations = morvane::buildSizeCombinations(data);
    std::string sizeList;
    for (const SizeCombination &combination : combinations)
        sizeList += morvane::sizeCombinationName(*data, combination) + " ";
    const std::string header[] = {
        "ANSI/AAMA VERSION: 1.0.0",
        "AUTHOR: MORVANE DRIVER",
        "CREATION DATE: " + morvane::dayMonthYearText(now),
        "CREATION TIME: " + morvane::timeOfDayText(now),
        "UNITS: " + units,
        "GRADE RULE TABLE: " + path.stem().string(),
        "NUMBER OF SIZES: " + morvane::formatInteger(static_cast<long long>(combinations.size())),
        "SIZE LIST: " + sizeList,
        "SAMPLE SIZE: " + sampleSize,
    };
    std::string text;
    // A rule's line and 20 characters for each size.
    text.reserve(1024 + rulePoints.size() * (32 + 20 * combinations.size()));
    for (const std::string &line : header)
        text += line + kLineEnd;
    for (const RulRulePoint &rule : rulePoints)
        writeRule(text, rule, combinations);
    text += std::string("END") + kLineEnd;
    morvane::saveFileAtomically(path, text);
}
