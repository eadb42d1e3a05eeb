// Morvane foundation library.
// Locale-free number parsing with the forgiving rules of the C library's atof and atoi.
#include "foundation/NumberText.h"

#include <algorithm>
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

bool isDigit(char c)
{
    return static_cast<unsigned char>(c - '0') <= 9;
}

// The text from its number on, as the forgiving parsers take it: without the blanks and a "+"
// before it. Stored numbers start with a digit or "-", which is told at once.
inline std::string_view numberText(std::string_view text)
{
    if (!text.empty() && (isDigit(text.front()) || text.front() == '-'))
        return text;
    return dropPlusSign(trimLeft(text));
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

// Reads the decimal digits from first on (before end) into digits, which they continue, and
// gives where they end. Past 19 digits the value wraps: the caller refuses that many.
const char *readDigits(const char *first, const char *end, uint64_t &digits)
{
    for (; first != end; ++first) {
        const unsigned digit = static_cast<unsigned char>(*first) - unsigned{'0'};
        if (digit > 9)
            break;
        digits = digits * 10 + digit;
    }
    return first;
}

// The most digits of a decimal that a double holds exactly.
constexpr long kMaxDigits = 15;

// A plain decimal of at most 15 digits ("-12.375", no exponent) is the quotient of two exact
// doubles, which division rounds as the full parser does. False for any other text.
bool parsePlainDecimal(std::string_view text, double &value)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char *next = text.data();
    const char *const end = next + text.size();
    const bool negative = next != end && *next == '-';
    const char *const whole = next + (negative ? 1 : 0);
    uint64_t digits = 0;
    const char *const point = readDigits(whole, end, digits);
    next = point;
    long decimals = 0;
    if (next != end && *next == '.') {
        next = readDigits(next + 1, end, digits);
        decimals = next - point - 1;
    }
    const long count = (point - whole) + decimals;
    if (count == 0 || count > kMaxDigits || (next != end && (*next == 'e' || *next == 'E')))
        return false;
    value = static_cast<double>(digits) / kPowersOfTen[decimals];
    if (negative)
        value = -value;
    return true;
}

// An integer of at most 9 digits ("-42", anything after them ignored) lies within int.
constexpr long kMaxIntDigits = 9;

// Reads a plain integer of at most 9 digits; false for any other text.
bool parsePlainInt(std::string_view text, int &value)
{
    const char *const end = text.data() + text.size();
    const bool negative = !text.empty() && text.front() == '-';
    const char *const first = text.data() + (negative ? 1 : 0);
    uint64_t digits = 0;
    const long count = readDigits(first, end, digits) - first;
    if (count == 0 || count > kMaxIntDigits)
        return false;
    value = negative ? -static_cast<int>(digits) : static_cast<int>(digits);
    return true;
}

// Whether a decimal that from_chars took but found out of range ("1e999", "-0.5e-400") is too
// large for a double rather than too small: its first significant digit stands for a power of
// ten of 0 or more. Out of line, so that every number read does not save its registers.
[[gnu::noinline]] bool isTooLarge(std::string_view number)
{
    const size_t signs = number.front() == '-' ? 1 : 0;
    const size_t exponentAt = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(signs, exponentAt - signs);
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<long long>(mantissa.find_first_of("123456789"));
    const long long power = first < point ? point - first - 1 : point - first;
    if (exponentAt == number.size())
        return power >= 0;
    std::string_view exponent = number.substr(exponentAt + 1);
    if (exponent.front() == '+')
        exponent.remove_prefix(1);
    long long value = 0;
    // Past the range of long long the exponent decides alone.
    if (parsePrefix(exponent, value).ec != std::errc())
        return exponent.front() != '-';
    return value >= -power;
}

} // namespace

double parseDouble(std::string_view text)
{
    text = numberText(text);
    double value = 0.0;
    if (parsePlainDecimal(text, value))
        return value;
    const auto result = parsePrefix(text, value);
    if (result.ec == std::errc::result_out_of_range) {
        const double magnitude =
            isTooLarge(std::string_view(text.data(), static_cast<size_t>(result.ptr - text.data())))
                ? HUGE_VAL
                : 0.0;
        return text.front() == '-' ? -magnitude : magnitude;
    }
    return result.ec == std::errc() ? value : 0.0;
}

int parseInt(std::string_view text)
{
    text = numberText(text);
    int plain = 0;
    if (parsePlainInt(text, plain))
        return plain;
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
