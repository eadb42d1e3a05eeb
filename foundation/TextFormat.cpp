// Morvane foundation library.
// printf-style formatting that always uses the "C" locale.
#include "foundation/TextFormat.h"

#include <cassert>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <locale.h>

namespace morvane {

namespace {

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// Switches the calling thread to the "C" locale for the lifetime of the guard.
class CLocaleScope
{
public:
    CLocaleScope() : m_previous(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope &) = delete;
    CLocaleScope &operator=(const CLocaleScope &) = delete;

private:
    locale_t m_previous;
};

} // namespace

std::string formatV(const char *format, va_list args)
{
    const CLocaleScope cScope;
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length), '\0');
    std::vsnprintf(text.data(), text.size() + 1, format, args);
    return text;
}

std::string format(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    std::string text = formatV(format, args);
    va_end(args);
    return text;
}

// |value| * 10^decimals rounded to an integer as printf rounds the exact binary value, when
// the double product decides it; false when the product may lie across a half, or is too large.
static bool scaledDigits(double value, int decimals, uint64_t &digits)
{
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    if (decimals >= static_cast<int>(std::size(kPowersOfTen)))
        return false;
    // The power is exact, so the product was rounded once, and rounding keeps order: below 2^52,
    // where every half is a double, the product lies on the same side of a half as the exact
    // one, or on the half itself, which needs the exact digits.
    const double scaled = std::fabs(value) * kPowersOfTen[decimals];
    if (!(scaled < 0x1p52))
        return false;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (fraction == 0.5)
        return false;
    digits = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    return true;
}

// The text of digits with the point before its last decimals digits ("5", 3 -> "0.005"), after
// a "-" when negative.
static std::string fixedText(uint64_t digits, bool negative, int decimals)
{
    // Written backwards from the end, with room for 16 digits, 15 decimals, point and sign.
    char text[64];
    char *first = text + sizeof text;
    for (int i = 0; i < decimals; ++i, digits /= 10)
        *--first = static_cast<char>('0' + digits % 10);
    if (decimals > 0)
        *--first = '.';
    do {
        *--first = static_cast<char>('0' + digits % 10);
        digits /= 10;
    } while (digits != 0);
    if (negative)
        *--first = '-';
    return std::string(first, text + sizeof text);
}

std::string formatFixed(double value, int decimals)
{
    assert(decimals >= 0 && "negative number of decimals");
    // Most stored numbers take the fast way: their digits as an integer, then the point.
    uint64_t digits = 0;
    if (scaledDigits(value, decimals, digits))
        return fixedText(digits, std::signbit(value), decimals);
    // The largest double has 309 integral digits; the rest is room for sign, point and decimals.
    char text[320 + 64];
    if (decimals > 64)
        return format("%.*f", decimals, value);
    const auto result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, result.ptr);
}

std::string formatInteger(long long value)
{
    char text[24];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

} // namespace morvane
