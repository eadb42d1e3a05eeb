// Morvane DXF group reading.
// The groups of a DXF text read one by one.
#include "sources/dxf-groups/AamaGroupList.h"

#include "foundation/NumberText.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// Numbers in DXF files are nearly always plain: blanks, a sign and a few digits, with a decimal
// point in reals. Those are read here, to the same value as the general parser gives; anything
// else goes through it.

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether a code line holds an integer and nothing else but blanks.
bool isCodeLine(std::string_view line)
{
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return false;
    std::size_t i = start;
    if (line[i] == '-' || line[i] == '+')
        ++i;
    const std::size_t digits = i;
    while (i < line.size() && isDigit(line[i]))
        ++i;
    if (i == digits)
        return false;
    return line.find_first_not_of(" \t", i) == std::string_view::npos;
}

// The start of a refused line as it can be shown: printable ASCII, the rest as '?'.
std::string shownLine(std::string_view line)
{
    constexpr std::size_t kShown = 20;
    std::string shown;
    for (const char c : line.substr(0, kShown))
        shown += c >= ' ' && c <= '~' ? c : '?';
    return line.size() > kShown ? shown + "..." : shown;
}

int readInteger(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos || text.size() - i > 9)
        return morvane::parseInt(text);
    int value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return morvane::parseInt(text);
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// Adds the digits from text[i] on to value; gives how many there were.
int readDigits(std::string_view text, std::size_t &i, std::uint64_t &value)
{
    const std::size_t start = i;
    for (; i < text.size() && isDigit(text[i]); ++i)
        value = value * 10 + static_cast<std::uint64_t>(text[i] - '0');
    return static_cast<int>(i - start);
}

double readReal(std::string_view text)
{
    // Up to 15 digits are exact in a double, and so are the powers of ten used: one correctly
    // rounded division then gives the nearest double, as the general parser does.
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative)
        ++i;
    std::uint64_t mantissa = 0;
    const int wholeDigits = readDigits(text, i, mantissa);
    int decimals = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        decimals = readDigits(text, i, mantissa);
    }
    const int digits = wholeDigits + decimals;
    if (i != text.size() || digits == 0 || digits > 15)
        return morvane::parseDouble(text);
    const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

// The position of the first LF at or after from, or the end of the text.
std::size_t findNewline(std::string_view text, std::size_t from)
{
    const void *found = std::memchr(text.data() + from, '\n', text.size() - from);
    return found ? static_cast<std::size_t>(static_cast<const char *>(found) - text.data())
                 : text.size();
}

} // namespace

int CAamaGroup::Integer() const
{
    return readInteger(m_sValue);
}

double CAamaGroup::Real() const
{
    return readReal(m_sValue);
}

std::string_view CAamaGroupList::NextLine()
{
    const std::size_t start = m_nPosition;
    std::size_t end = findNewline(m_sText, start);
    ++m_nLine;
    m_nPosition = end < m_sText.size() ? end + 1 : end;
    if (end > start && m_sText[end - 1] == '\r')
        --end;
    return m_sText.substr(start, end - start);
}

bool CAamaGroupList::ReadPlainCode()
{
    // Read where it stands, without looking for the line end first: blanks, up to four digits,
    // blanks, and the line end.
    const char *const text = m_sText.data();
    const std::size_t size = m_sText.size();
    std::size_t i = m_nPosition;
    while (i < size && text[i] == ' ')
        ++i;
    const std::size_t digits = i;
    int code = 0;
    while (i < size && i - digits < 4 && isDigit(text[i]))
        code = code * 10 + (text[i++] - '0');
    if (i == digits)
        return false;
    while (i < size && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    if (i < size && text[i] == '\r')
        ++i;
    if (i < size && text[i] != '\n')
        return false;
    m_oGroup.m_nCode = code;
    m_nPosition = i < size ? i + 1 : i;
    ++m_nLine;
    return true;
}

const CAamaGroup *CAamaGroupList::Next()
{
    if (m_nPosition >= m_nEnd)
        return nullptr;
    // After Back() the same group is read again.
    if (m_nPosition == m_nPrevious && m_nAfterGroup > m_nPosition) {
        m_nPosition = m_nAfterGroup;
        m_nLine = m_nLineAfterGroup;
        return &m_oGroup;
    }
    m_nPrevious = m_nPosition;
    m_nPreviousLine = m_nLine;
    if (!ReadPlainCode()) {
        const std::string_view codeLine = NextLine();
        if (!isCodeLine(codeLine)) {
            RefuseCodeLine(codeLine);
            return nullptr;
        }
        m_oGroup.m_nCode = readInteger(codeLine);
    }
    m_oGroup.m_sValue = m_nPosition < m_sText.size() ? NextLine() : std::string_view();
    if (!m_bEndOfFile && m_oGroup.Is(0, "EOF")) {
        m_bEndOfFile = true;
        m_nEnd = m_nPosition;
    }
    m_nAfterGroup = m_nPosition;
    m_nLineAfterGroup = m_nLine;
    return &m_oGroup;
}

void CAamaGroupList::RefuseCodeLine(std::string_view line)
{
    m_sDamage = "line " + std::to_string(m_nPreviousLine) + ": the group code \"" +
                shownLine(line) + "\" is not a number";
    m_nPosition = m_nPrevious;
    m_nLine = m_nPreviousLine;
    m_nEnd = m_nPosition;
}

std::string CAamaGroupList::Incompleteness() const
{
    if (!m_sDamage.empty())
        return m_sDamage;
    return "the text ends without an EOF group, so it is not a whole DXF file";
}

void CAamaGroupList::Back()
{
    m_nPosition = m_nPrevious;
    m_nLine = m_nPreviousLine;
}

void CAamaGroupList::Skip()
{
    while (const CAamaGroup *group = Next()) {
        if (group->m_nCode == 0) {
            Back();
            return;
        }
    }
}
