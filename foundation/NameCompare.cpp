// Morvane foundation library.
// Comparison of names without regard to case.
#include "foundation/NameCompare.h"

#include <algorithm>

namespace morvane {

namespace {

unsigned char foldAscii(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}

} // namespace

int compareNoCase(std::string_view a, std::string_view b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const int difference = foldAscii(a[i]) - foldAscii(b[i]);
        if (difference != 0)
            return difference;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool equalsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && compareNoCase(a, b) == 0;
}

std::string toLowerAscii(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(foldAscii(c));
    return result;
}

std::string toUpperAscii(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return result;
}

} // namespace morvane
