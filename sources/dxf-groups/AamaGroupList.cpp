// Morvane DXF group reading.
// The groups of a DXF text read one by one.
#include "sources/dxf-groups/AamaGroupList.h"

#include "foundation/NumberText.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

using PlainNumber = CAamaGroup::PlainNumber;

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

// Adds the digits from first on to value; gives where they end.
const char *readDigits(const char *first, const char *end, std::uint64_t &value)
{
    for (; first < end && isDigit(*first); ++first)
        value = value * 10 + static_cast<std::uint64_t>(*first - '0');
    return first;
}

// Reads blanks, an optional minus, digits and an optional decimal point with more digits from
// position on into number; gives where they end.
const char *scanNumber(const char *position, const char *end, PlainNumber &number)
{
    // More digits than this never make a plain number.
    constexpr long kTooMany = 16;
    while (position < end && *position == ' ')
        ++position;
    const bool negative = position < end && *position == '-';
    if (negative)
        ++position;
    std::uint64_t digits = 0;
    const char *const wholeStart = position;
    position = readDigits(position, end, digits);
    long count = position - wholeStart;
    long decimals = -1;
    if (position < end && *position == '.') {
        const char *const decimalsStart = ++position;
        position = readDigits(position, end, digits);
        decimals = position - decimalsStart;
        count += decimals;
    }
    number.digits = digits;
    number.count = static_cast<int>(std::min(count, kTooMany));
    number.decimals = static_cast<int>(std::min(decimals, kTooMany));
    number.negative = negative;
    return position;
}

// Whether a number read whole is read here: up to 15 digits are exact in a double, and so are
// the powers of ten used, so one correctly rounded division gives the nearest double, as the
// general parser does.
bool isPlainReal(const PlainNumber &number)
{
    return number.count >= 1 && number.count <= 15;
}

double plainReal(const PlainNumber &number)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double value = static_cast<double>(number.digits) /
                         kPowersOfTen[number.decimals > 0 ? number.decimals : 0];
    return number.negative ? -value : value;
}

// Whether a number read whole is an integer that readInteger() reads itself.
bool isPlainInteger(const PlainNumber &number)
{
    return number.count >= 1 && number.count <= 9 && number.decimals < 0 && !number.negative;
}

// Eight characters of the text, the first one in the lowest byte.
std::uint64_t wordAt(const char *first)
{
    static_assert(std::endian::native == std::endian::little);
    std::uint64_t word;
    std::memcpy(&word, first, sizeof word);
    return word;
}

constexpr std::uint64_t kOnes = 0x0101010101010101u;
constexpr std::uint64_t kHighBits = 0x8080808080808080u;

// The high bit of each byte of word that holds c. The lowest one is marked exactly; bytes above
// it may be marked wrongly, never those below it.
std::uint64_t bytesHolding(std::uint64_t word, char c)
{
    const std::uint64_t apart = word ^ (kOnes * static_cast<std::uint8_t>(c));
    return (apart - kOnes) & ~apart & kHighBits;
}

// The high bit of each byte of word that is no digit; the lowest one is marked exactly.
std::uint64_t nonDigitBytes(std::uint64_t word)
{
    return ((word + kOnes * 0x46) | (word - kOnes * '0')) & kHighBits;
}

// The lowest count bytes of a word set (count up to 8).
std::uint64_t lowBytes(int count)
{
    return count < 8 ? (std::uint64_t(1) << (8 * count)) - 1 : ~std::uint64_t(0);
}

// The byte of the lowest marked high bit.
int lowestMarked(std::uint64_t marks)
{
    return std::countr_zero(marks) / 8;
}

// The first LF from first on, or end: eight characters at a time where eight are left.
const char *findNewline(const char *first, const char *end)
{
    for (; end - first >= 8; first += 8) {
        if (const std::uint64_t newlines = bytesHolding(wordAt(first), '\n'))
            return first + lowestMarked(newlines);
    }
    while (first < end && *first != '\n')
        ++first;
    return first;
}

// The plain number that the first length characters of word (up to 8) hold, all at once: the
// minus taken off, the decimal point taken out, the digits checked and summed in pairs, fours
// and eights. Not a number (count 0) when anything else is there.
PlainNumber plainNumberIn(std::uint64_t word, int length)
{
    PlainNumber number;
    number.negative = length > 0 && (word & 0xFF) == '-';
    if (number.negative) {
        word >>= 8;
        --length;
    }
    int count = length;
    if (const std::uint64_t points = bytesHolding(word, '.') & lowBytes(length)) {
        const int point = lowestMarked(points);
        const std::uint64_t before = lowBytes(point);
        word = (word & before) | ((word >> 8) & ~before);
        --count;
        number.decimals = count - point;
    }
    if (count == 0 || (nonDigitBytes(word) & lowBytes(count)) != 0)
        return {};
    // The digits to the top bytes, so that the bytes below read as leading zeros.
    std::uint64_t digits = (word - kOnes * '0') << (8 * (8 - count));
    digits = digits * 10 + (digits >> 8);
    constexpr std::uint64_t kEveryFourth = 0x000000FF000000FF;
    digits = ((digits & kEveryFourth) * (100 + (1000000ull << 32)) +
              ((digits >> 16) & kEveryFourth) * (1 + (10000ull << 32))) >>
             32;
    number.digits = digits & 0xFFFFFFFF;
    number.count = count;
    return number;
}

// The line from start on, without its line end (LF or CR LF, or the end of the text); next
// becomes where the line after it starts.
std::string_view lineAt(const char *start, const char *textEnd, const char *&next)
{
    const char *end = findNewline(start, textEnd);
    next = end < textEnd ? end + 1 : end;
    if (end > start && end[-1] == '\r')
        --end;
    return {start, static_cast<std::size_t>(end - start)};
}

// Where the next line starts when a line ends at position (with LF, CR LF or the end of the
// text); null when it does not.
const char *afterLineEnd(const char *position, const char *end)
{
    if (position == end)
        return end;
    if (*position == '\n')
        return position + 1;
    if (*position == '\r' && end - position >= 2 && position[1] == '\n')
        return position + 2;
    return nullptr;
}

// Reads a code line at position where it stands, without looking for the line end first:
// blanks, up to four digits, blanks, and the line end. Gives where the next line starts, or
// null for any other line.
const char *readPlainCode(const char *position, const char *end, int &code)
{
    // The usual line first: three characters of right-aligned digits, then CR LF or LF.
    if (end - position >= 5) {
        const char hundreds = position[0];
        const char tens = position[1];
        const char ones = position[2];
        const bool aligned = hundreds == ' ' ? tens == ' ' || isDigit(tens)
                                             : isDigit(hundreds) && isDigit(tens);
        const char *lineEnd = position + 3;
        if (*lineEnd == '\r')
            ++lineEnd;
        if (aligned && isDigit(ones) && *lineEnd == '\n') {
            code = (hundreds == ' ' ? 0 : (hundreds - '0') * 100) +
                   (tens == ' ' ? 0 : (tens - '0') * 10) + (ones - '0');
            return lineEnd + 1;
        }
    }
    while (position < end && *position == ' ')
        ++position;
    const char *const digits = position;
    const char *const digitsEnd = end - position > 4 ? position + 4 : end;
    int value = 0;
    for (; position < digitsEnd && isDigit(*position); ++position)
        value = value * 10 + (*position - '0');
    if (position == digits)
        return nullptr;
    while (position < end && (*position == ' ' || *position == '\t'))
        ++position;
    if (position < end && *position == '\r')
        ++position;
    if (position < end && *position != '\n')
        return nullptr;
    code = value;
    return position < end ? position + 1 : position;
}

// Reads a value line of up to 15 characters that does not start with a blank, looking for its
// line end eight characters at a time; gives where the next line starts, or null for any other
// line or one near the end of the text.
const char *readShortValue(const char *position, const char *end, std::string_view &value,
                           PlainNumber &number)
{
    if (end - position < 16 || *position == ' ')
        return nullptr;
    const std::uint64_t first = wordAt(position);
    int newline = 0;
    std::uint64_t newlines = bytesHolding(first, '\n');
    if (newlines == 0) {
        newline = 8;
        newlines = bytesHolding(wordAt(position + 8), '\n');
        if (newlines == 0)
            return nullptr;
    }
    newline += lowestMarked(newlines);
    const int length = newline > 0 && position[newline - 1] == '\r' ? newline - 1 : newline;
    value = {position, static_cast<std::size_t>(length)};
    if (length <= 8) {
        number = plainNumberIn(first, length);
    } else if (scanNumber(position, position + length, number) != position + length) {
        number.count = 0;
    }
    return position + newline + 1;
}

} // namespace

int CAamaGroup::Integer() const
{
    return isPlainInteger(m_oNumber) ? static_cast<int>(m_oNumber.digits) : readInteger(m_sValue);
}

double CAamaGroup::Real() const
{
    return isPlainReal(m_oNumber) ? plainReal(m_oNumber) : morvane::parseDouble(m_sValue);
}

const CAamaGroup *CAamaGroupList::Next()
{
    if (m_pPosition >= m_pEnd)
        return nullptr;
    // After Back() the same group is read again.
    if (m_pPosition == m_pPrevious && m_pAfterGroup > m_pPosition) {
        m_pPosition = m_pAfterGroup;
        return &m_oGroup;
    }
    m_pPrevious = m_pPosition;
    const char *const end = m_sText.data() + m_sText.size();
    const char *position = readPlainCode(m_pPosition, end, m_oGroup.m_nCode);
    if (!position && !(position = ReadCodeLine()))
        return nullptr;
    m_pPosition = readShortValue(position, end, m_oGroup.m_sValue, m_oGroup.m_oNumber);
    if (!m_pPosition)
        m_pPosition = ReadValue(position);
    if (!m_bEndOfFile && m_oGroup.Is(0, "EOF")) {
        m_bEndOfFile = true;
        m_pEnd = m_pPosition;
    }
    m_pAfterGroup = m_pPosition;
    return &m_oGroup;
}

const char *CAamaGroupList::ReadCodeLine()
{
    const char *next = nullptr;
    const std::string_view codeLine = lineAt(m_pPosition, m_sText.data() + m_sText.size(), next);
    if (!isCodeLine(codeLine)) {
        RefuseCodeLine(codeLine);
        return nullptr;
    }
    m_oGroup.m_nCode = readInteger(codeLine);
    return next;
}

const char *CAamaGroupList::ReadValue(const char *position)
{
    const char *const end = m_sText.data() + m_sText.size();
    PlainNumber &number = m_oGroup.m_oNumber;
    const char *const numberEnd = scanNumber(position, end, number);
    if (const char *next = afterLineEnd(numberEnd, end)) {
        m_oGroup.m_sValue = {position, static_cast<std::size_t>(numberEnd - position)};
        return next;
    }
    number.count = 0;
    const char *next = nullptr;
    m_oGroup.m_sValue = lineAt(position, end, next);
    return next;
}

void CAamaGroupList::RefuseCodeLine(std::string_view line)
{
    // Every line before the refused one ends with LF.
    const auto lineNumber = 1 + std::count(m_sText.data(), m_pPrevious, '\n');
    m_sDamage = "line " + std::to_string(lineNumber) + ": the group code \"" + shownLine(line) +
                "\" is not a number";
    m_pPosition = m_pPrevious;
    m_pEnd = m_pPosition;
}

std::string CAamaGroupList::Incompleteness() const
{
    if (!m_sDamage.empty())
        return m_sDamage;
    return "the text ends without an EOF group, so it is not a whole DXF file";
}

void CAamaGroupList::Back()
{
    m_pPosition = m_pPrevious;
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
