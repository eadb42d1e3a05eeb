// Morvane AAMA grade model.
// Writes the RUL grade-rule file: the displacement of every labelled point in every size.
#include "sources/aama-model/RulFileWriter.h"

#include "foundation/TextFormat.h"
#include "sources/aama-model/AamaGradePoint.h"
#include "sources/aama-model/AtomicFileSave.h"
#include "sources/aama-model/TextBuffer.h"
#include "sources/dxf-groups/DxfCodePage.h"
#include "sources/grade-model/IGradeData.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

using morvane::SizeCombination;
using morvane::TextBuffer;

namespace {

constexpr std::string_view kLineEnd = "\r\n";

DPOINT displacement(const CAamaGradePoint &point, const SizeCombination &combination,
                    double millimetresPerUnit)
{
    const DPOINT base = point.GetBasePosition();
    DPOINT sum;
    for (std::size_t table = 0; table < combination.size(); ++table) {
        if (combination[table] < 0)
            continue;
        const DPOINT position =
            point.GetGradedPosition({static_cast<int>(table), combination[table]});
        sum.x += position.x - base.x;
        sum.y += position.y - base.y;
    }
    if (millimetresPerUnit != 1.0)
        sum = {sum.x / millimetresPerUnit, sum.y / millimetresPerUnit};
    return sum;
}

// The width of a displacement coordinate: "%9.2f".
constexpr int kValueWidth = 9;
// The most characters of a short coordinate copied in one fixed-size move.
constexpr int kValueMove = 16;
// The room of " %9.2f,%9.2f" for short coordinates, with what a fixed-size move writes past
// the last one.
constexpr std::size_t kDisplacementRoom = 2 + 2 * morvane::kShortFixedRoom + kValueMove;

// Writes a displacement coordinate at out, which has room for kShortFixedRoom characters and
// kValueMove more, when it is short; gives its end, or null.
char *writeShortValue(char *out, double value)
{
    // The number written after blanks: the field is its last kValueWidth characters when it is
    // narrower, the number itself otherwise.
    char field[kValueWidth + morvane::kShortFixedRoom];
    std::memset(field, ' ', sizeof field);
    char *const number = field + kValueWidth;
    const char *const end = morvane::writeShortFixed(number, value, 2);
    if (end == nullptr)
        return nullptr;
    const auto length = std::max<std::ptrdiff_t>(end - number, kValueWidth);
    if (length <= kValueMove)
        std::memcpy(out, end - length, kValueMove);
    else
        std::memcpy(out, end - length, static_cast<std::size_t>(length));
    return out + length;
}

// Appends " %9.2f,%9.2f" of a displacement: written in place when both numbers are short.
void appendDisplacement(TextBuffer &text, const DPOINT &value)
{
    char *const start = text.room(kDisplacementRoom);
    char *end = start;
    *end++ = ' ';
    if ((end = writeShortValue(end, value.x)) != nullptr) {
        *end++ = ',';
        if ((end = writeShortValue(end, value.y)) != nullptr) {
            text.commit(end);
            return;
        }
    }
    std::string pair = " ";
    morvane::appendFixed(pair, value.x, 2, kValueWidth);
    pair += ',';
    morvane::appendFixed(pair, value.y, 2, kValueWidth);
    text.append(pair);
}

void writeRule(TextBuffer &text, const RulRulePoint &rule,
               const std::vector<SizeCombination> &combinations, double millimetresPerUnit)
{
    text.append("RULE: DELTA ");
    text.append(rule.m_sName);
    text.append(kLineEnd);
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        appendDisplacement(text, displacement(*rule.m_pPoint, combinations[i], millimetresPerUnit));
        // After every fourth value and after the last: a single line end when both hold.
        if ((i + 1) % 4 == 0 || i + 1 == combinations.size())
            text.append(kLineEnd);
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
                           const RulFileForm &form) const
{
    const auto inFile = [&form](const std::string &text) {
        return form.codePage != nullptr ? form.codePage->fromUtf8(text) : text;
    };
    const std::tm now = m_fnClock();
    const std::vector<SizeCombination> combinations = morvane::buildSizeCombinations(data);
    std::string sizeList;
    for (const SizeCombination &combination : combinations)
        sizeList += inFile(morvane::sizeCombinationName(*data, combination)) + " ";
    const std::string header[] = {
        "ANSI/AAMA VERSION: 1.0.0",
        "AUTHOR: MORVANE DRIVER",
        "CREATION DATE: " + morvane::dayMonthYearText(now),
        "CREATION TIME: " + morvane::timeOfDayText(now),
        "UNITS: " + form.units,
        "GRADE RULE TABLE: " + inFile(path.stem().string()),
        "NUMBER OF SIZES: " + morvane::formatInteger(static_cast<long long>(combinations.size())),
        "SIZE LIST: " + sizeList,
        "SAMPLE SIZE: " + sampleSize,
    };
    TextBuffer text;
    // A rule's line and 20 characters for each size.
    text.reserve(1024 + sizeList.size() + rulePoints.size() * (32 + 20 * combinations.size()));
    for (const std::string &line : header) {
        text.append(line);
        text.append(kLineEnd);
    }
    for (const RulRulePoint &rule : rulePoints)
        writeRule(text, rule, combinations, form.millimetresPerUnit);
    text.append("END");
    text.append(kLineEnd);
    morvane::saveFileAtomically(path, text.text());
}
