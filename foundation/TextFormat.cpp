// Morvane foundation library.
// printf-style formatting that always uses the "C" locale.
#include "foundation/TextFormat.h"

#include <cassert>
#include <charconv>
#include <clocale>
#include <cstdio>
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

std::string formatFixed(double value, int decimals)
{
    assert(decimals >= 0 && "negative number of decimals");
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
