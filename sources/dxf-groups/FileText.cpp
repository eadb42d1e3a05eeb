// Morvane DXF group reading.
// Texts of a file as UTF-8.
#include "sources/dxf-groups/FileText.h"

#include <cstdint>

namespace {

// The characters of bytes 0x80 to 0x9F in Windows-1252; its five unused bytes keep the
// control character of the same number, as Windows itself converts them.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The length of the UTF-8 sequence at the start of text, or 0 when it is not a valid one
// (overlong forms, surrogates and code points beyond U+10FFFF are not valid).
std::size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const auto isContinuation = [&](std::size_t i) {
        return i < text.size() && (byte(i) & 0xC0) == 0x80;
    };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return isContinuation(1) ? 2 : 0;
    if (lead >= 0xE0 && lead <= 0xEF) {
        if (!isContinuation(1) || !isContinuation(2))
            return 0;
        const bool overlong = lead == 0xE0 && byte(1) < 0xA0;
        const bool surrogate = lead == 0xED && byte(1) >= 0xA0;
        return overlong || surrogate ? 0 : 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        if (!isContinuation(1) || !isContinuation(2) || !isContinuation(3))
            return 0;
        const bool overlong = lead == 0xF0 && byte(1) < 0x90;
        const bool beyondUnicode = lead == 0xF4 && byte(1) >= 0x90;
        return overlong || beyondUnicode ? 0 : 4;
    }
    return 0;
}

bool isValidUtf8(std::string_view text)
{
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

namespace morvane {

std::string textFromFile(std::string_view text)
{
    if (isValidUtf8(text))
        return std::string(text);
    std::string converted;
    converted.reserve(text.size() * 2);
    for (const char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        appendUtf8(converted, byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte);
    }
    return converted;
}

} // namespace morvane
