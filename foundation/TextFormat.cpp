// Morvane foundation library.
// printf-style formatting that always uses the "C" locale.
#include "foundation/TextFormat.h"

#include <array>
#include <cassert>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <limits>
#include <locale.h>
#include <string_view>
#include <utility>

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

// 10^n for n below 16: every one is exact as a double too.
constexpr uint64_t powerOfTen(int n)
{
    uint64_t power = 1;
    for (int i = 0; i < n; ++i)
        power *= 10;
    return power;
}

// The most decimals that writeShortFixed() takes.
constexpr int kShortDecimals = 16;

// Writes the last count digits of value (count of 1 or more) at out, two at a time from the
// last; gives where they end.
template <class Unsigned> static char *writeLastDigits(char *out, Unsigned value, int count)
{
    char *const last = out + count;
    char *end = last;
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930"
                                     "31323334353637383940414243444546474849505152535455565758596061"
                                     "6263646566676869707172737475767778798081828384858687888990919293"
                                     "949596979899";
    for (; count >= 2; count -= 2, value /= 100) {
        const char *pair = kPairs + 2 * (value % 100);
        *--end = pair[1];
        *--end = pair[0];
    }
    if (count == 1)
        *--end = static_cast<char>('0' + value % 10);
    return last;
}

// Appends text after blanks up to width characters.
static void appendPadded(std::string &text, std::string_view digits, int width)
{
    if (static_cast<int>(digits.size()) < width)
        text.append(static_cast<std::size_t>(width) - digits.size(), ' ');
    text.append(digits.data(), digits.size());
}

namespace {

// Writes digits with a point before the last Decimals of them, and at least one digit before
// it.
template <int Decimals, class Unsigned> char *writeDecimal(char *out, Unsigned digits)
{
    const auto unit = static_cast<Unsigned>(powerOfTen(Decimals));
    const Unsigned whole = digits / unit;
    out = std::to_chars(out, out + std::numeric_limits<Unsigned>::digits10 + 1, whole).ptr;
    if constexpr (Decimals > 0) {
        *out++ = '.';
        out = writeLastDigits(out, static_cast<Unsigned>(digits - whole * unit), Decimals);
    }
    return out;
}

// writeShortFixed() for a number of decimals known when compiled: every division is by a
// constant, which is a multiplication.
template <int Decimals> char *writeFixedDecimals(char *out, double value)
{
    constexpr uint64_t unit = powerOfTen(Decimals);
    // The power is exact, so the product was rounded once, and rounding keeps order: below 2^52,
    // where every half is a double, the product lies on the same side of a half as the exact
    // one, or on the half itself, which needs the exact digits. Below 2^52 the truncated
    // product is its floor and the fraction is exact.
    const double scaled = std::fabs(value) * static_cast<double>(unit);
    if (!(scaled < 0x1p52))
        return nullptr;
    const auto truncated = static_cast<uint64_t>(scaled);
    const double fraction = scaled - static_cast<double>(truncated);
    if (fraction == 0.5)
        return nullptr;
    const uint64_t digits = truncated + (fraction > 0.5 ? 1 : 0);
    if (std::signbit(value))
        *out++ = '-';
    // Most stored numbers fit 32 bits, in which divisions by constants take fewer steps.
    if constexpr (Decimals <= 9) {
        if (digits <= UINT32_MAX)
            return writeDecimal<Decimals>(out, static_cast<uint32_t>(digits));
    }
    return writeDecimal<Decimals>(out, digits);
}

template <int... Decimals> constexpr auto fixedWriters(std::integer_sequence<int, Decimals...>)
{
    return std::array<char *(*)(char *, double), sizeof...(Decimals)>{
        &writeFixedDecimals<Decimals>...};
}

} // namespace

char *writeShortFixed(char *out, double value, int decimals)
{
    static constexpr auto kWriters =
        fixedWriters(std::make_integer_sequence<int, kShortDecimals>());
    assert(decimals >= 0 && "negative number of decimals");
    // Most stored numbers take this way: their digits as an integer, then the point.
    if (decimals >= kShortDecimals)
        return nullptr;
    return kWriters[static_cast<std::size_t>(decimals)](out, value);
}

void appendFixed(std::string &text, double value, int decimals, int width)
{
    // Room for blanks of the usual widths before the short form.
    constexpr int kBlankRoom = 24;
    char buffer[kBlankRoom + kShortFixedRoom];
    char *first = buffer + kBlankRoom;
    if (const char *end = writeShortFixed(first, value, decimals)) {
        while (first > buffer && end - first < width)
            *--first = ' ';
        appendPadded(text, std::string_view(first, static_cast<std::size_t>(end - first)), width);
        return;
    }
    if (decimals > 64) {
        appendPadded(text, format("%.*f", decimals, value), width);
        return;
    }
    // The largest double has 309 integral digits; the rest is room for sign, point and decimals.
    char longText[320 + 64];
    const auto result = std::to_chars(longText, longText + sizeof longText, value,
                                      std::chars_format::fixed, decimals);
    appendPadded(text,
                 std::string_view(longText, static_cast<std::size_t>(result.ptr - longText)),
                 width);
}

std::string formatFixed(double value, int decimals)
{
    std::string text;
    appendFixed(text, value, decimals);
    return text;
}

void appendInteger(std::string &text, long long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

std::string formatInteger(long long value)
{
    std::string text;
    appendInteger(text, value);
    return text;
}

} // namespace morvane
