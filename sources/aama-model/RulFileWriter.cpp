// Morvane AAMA grade model.
// Writes the RUL grade-rule file: the displacement of every labelled point in every size.
#include "sources/aama-model/RulFileWriter.h"

#include "foundation/TextFormat.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/grade-model/IGradeData.h"
#include "sources/grade-model/IGradePattern.h"

#include <algorithm>
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

// The width of a displacement coordinate: "%9.2f".
constexpr int kValueWidth = 9;

// Writes a displacement coordinate at out when it is short; gives its end, or null.
char *writeShortValue(char *out, double value)
{
    char digits[morvane::kShortFixedRoom];
    const char *const end = morvane::writeShortFixed(digits, value, 2);
    if (end == nullptr)
        return nullptr;
    const auto length = static_cast<int>(end - digits);
    if (length < kValueWidth)
        out = std::fill_n(out, kValueWidth - length, ' ');
    return std::copy(static_cast<const char *>(digits), end, out);
}

// Appends " %9.2f,%9.2f" of a displacement: written in one piece when both numbers are short.
void appendDisplacement(std::string &text, const DPOINT &value)
{
    char pair[2 * (kValueWidth + morvane::kShortFixedRoom)];
    char *end = pair;
    *end++ = ' ';
    if ((end = writeShortValue(end, value.x)) != nullptr) {
        *end++ = ',';
        if ((end = writeShortValue(end, value.y)) != nullptr) {
            text.append(pair, static_cast<std::size_t>(end - pair));
            return;
        }
    }
    text += ' ';
    morvane::appendFixed(text, value.x, 2, kValueWidth);
    text += ',';
    morvane::appendFixed(text, value.y, 2, kValueWidth);
}

void writeRule(std::string &text, const RulRulePoint &rule,
               const std::vector<SizeCombination> &combinations)
{
    text += "RULE: DELTA ";
    text += rule.m_sName;
    text += kLineEnd;
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        appendDisplacement(text, displacement(*rule.m_pPoint, combinations[i]));
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
