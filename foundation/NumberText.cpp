// Morvane foundation library.
// Locale-free number parsing with the forgiving rules of the C library's atof and atoi.
#include "foundation/NumberText.h"

#include <charconv>
#include <cmath>
#include <climits>
#include <cstdint>
#include <system_error>

namespace morvane {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimLeft(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trim(std::string_view text)
{
    text = trimLeft(text);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// from_chars takes a leading "-" but not a leading "+"; the C library takes both.
std::string_view dropPlusSign(std::string_view text)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-' && text[1] != '+')
        text.remove_prefix(1);
    return text;
}

template <typename T>
std::from_chars_result parsePrefix(std::string_view text, T &value)
{
    if constexpr (std::is_floating_point_v<T>)
        return std::from_chars(text.data(), text.data() + text.size(), value,
                               std::chars_format::general);
    else
        return std::from_chars(text.data(), text.data() + text.size(), value);
}

template <typename T>
bool parseWhole(std::string_view text, T &value)
{
    text = dropPlusSign(trim(text));
    T parsed{};
    const auto result = parsePrefix(text, parsed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return false;
    value = parsed;
    return true;
}

// The most digits of a decimal that a double holds exactly.
constexpr int kMaxDigits = 15;

// Appends the decimal digits from text[i] on to digits, moving i past them and counting them in
// count; false when there would be more than kMaxDigits.
bool appendDigits(std::string_view text, size_t &i, uint64_t &digits, int &count)
{
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (count == kMaxDigits)
            return false;
        digits = digits * 10 + static_cast<uint64_t>(text[i] - '0');
        ++count;
    }
    return true;
}

// A plain decimal of at most 15 digits ("-12.375", no exponent) is the quotient of two exact
// doubles, which division rounds as the full parser does. False for any other text.
bool parsePlainDecimal(std::string_view text, double &value)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = !text.empty() && text.front() == '-';
    size_t i = negative ? 1 : 0;
    uint64_t digits = 0;
    int count = 0;
    if (!appendDigits(text, i, digits, count))
        return false;
    const int wholeCount = count;
    if (i < text.size() && text[i] == '.' && !appendDigits(text, ++i, digits, count))
        return false;
    if (count == 0 || (i < text.size() && (text[i] == 'e' || text[i] == 'E')))
        return false;
    value = static_cast<double>(digits) / kPowersOfTen[count - wholeCount];
    if (negative)
        value = -value;
    return true;
}

} // namespace

double parseDouble(std::string_view text)
{
    text = dropPlusSign(trimLeft(text));
    double value = 0.0;
    if (parsePlainDecimal(text, value))
        return value;
    const auto result = parsePrefix(text, value);
    if (result.ec == std::errc::result_out_of_range)
        return text.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    return result.ec == std::errc() ? value : 0.0;
}

int parseInt(std::string_view text)
{
    text = dropPlusSign(trimLeft(text));
    long long value = 0;
    const auto result = parsePrefix(text, value);
    if (result.ec == std::errc::result_out_of_range)
        return text.front() == '-' ? INT_MIN : INT_MAX;
    if (result.ec != std::errc())
        return 0;
    if (value < INT_MIN)
        return INT_MIN;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}

bool tryParseDouble(std::string_view text, double &value)
{
    return parseWhole(text, value);
}

bool tryParseInt(std::string_view text, int &value)
{
    return parseWhole(text, value);
}

} // namespace morvane
