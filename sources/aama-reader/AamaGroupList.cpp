// Morvane AAMA DXF reader.
// The groups of a DXF text read one by one.
#include "sources/aama-reader/AamaGroupList.h"

#include "foundation/NumberText.h"

namespace {

// Numbers in DXF files are nearly always plain: blanks, a sign and a few digits, with a decimal
// point in reals. Those are read here, to the same value as the general parser gives; anything
// else goes through it.

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
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

double readReal(std::string_view text)
{
    // Up to 15 digits are exact in a double, and so are the powers of ten used: one correctly
    // rounded division then gives the nearest double, as the general parser does.
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return 0.0;
    const bool negative = text[i] == '-';
    if (negative)
        ++i;
    std::int64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool afterPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            mantissa = mantissa * 10 + (c - '0');
            ++digits;
            decimals += afterPoint ? 1 : 0;
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            return morvane::parseDouble(text);
        }
        if (digits > 15)
            return morvane::parseDouble(text);
    }
    if (digits == 0)
        return morvane::parseDouble(text);
    const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    return negative ? -value : value;
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

// Lines are short, so a plain loop finds their ends faster than a library search.
std::string_view CAamaGroupList::NextLine()
{
    const std::size_t start = m_position;
    std::size_t end = start;
    while (end < m_text.size() && m_text[end] != '\n')
        ++end;
    m_position = end < m_text.size() ? end + 1 : end;
    if (end > start && m_text[end - 1] == '\r')
        --end;
    return m_text.substr(start, end - start);
}

const CAamaGroup *CAamaGroupList::Next()
{
    if (m_position >= m_end)
        return nullptr;
    // After Back() the same group is read again.
    if (m_position == m_previous && m_afterGroup > m_position) {
        m_position = m_afterGroup;
        return &m_oGroup;
    }
    m_previous = m_position;
    m_oGroup.m_nCode = readInteger(NextLine());
    m_oGroup.m_sValue = m_position < m_text.size() ? NextLine() : std::string_view();
    if (!m_bEndOfFile && m_oGroup.Is(0, "EOF")) {
        m_bEndOfFile = true;
        m_end = m_position;
    }
    m_afterGroup = m_position;
    return &m_oGroup;
}

void CAamaGroupList::Back()
{
    m_position = m_previous;
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
