// Morvane Hollicot formula parser.
// Names compared without regard to ASCII case.
#include "platform/hollicot/NameFold.h"

#include <algorithm>

namespace hollicot {

namespace {

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string foldName(std::string_view name)
{
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), lowerAscii);
    return folded;
}

bool sameName(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

NameIndex::NameIndex(const std::vector<std::string> &names)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        m_positions.emplace(foldName(names[i]), static_cast<int>(i));
}

int NameIndex::find(std::string_view name) const
{
    const auto found = m_positions.find(foldName(name));
    return found == m_positions.end() ? -1 : found->second;
}

} // namespace hollicot
