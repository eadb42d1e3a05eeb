// Morvane Hollicot formula parser.
// Numbers written into texts, the same in every locale.
#include "platform/hollicot/NumberText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace hollicot {

std::string formatFixed(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, 17);
    std::array<char, 400> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error != std::errc())
        return "0";
    std::string text(buffer.data(), end);
    // A negative value that rounds to zero is written as zero.
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

std::string formatShort(double value)
{
    std::string text = formatFixed(value, 6);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

bool readNumber(const std::string &text, double &value)
{
    constexpr const char *blanks = " \t\r\n";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return false;
    const std::size_t last = text.find_last_not_of(blanks) + 1;
    const char *begin = text.data() + first;
    const char *end = text.data() + last;
    if (*begin == '+')
        ++begin;
    const auto [stop, error] = std::from_chars(begin, end, value, std::chars_format::general);
    return error == std::errc() && stop == end && std::isfinite(value);
}

} // namespace hollicot
