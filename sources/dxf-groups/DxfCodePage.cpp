// Morvane DXF group reading.
// The code page of a DXF file's texts: what they show as UTF-8, and UTF-8 text in their bytes.
#include "sources/dxf-groups/DxfCodePage.h"

#include "foundation/NameCompare.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iconv.h>
#include <iterator>

namespace morvane {

namespace {

// The characters of bytes 0x80 to 0x9F in Windows-1252; its five unused bytes keep the
// control character of the same number, as Windows itself converts them.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t kReplacementCharacter = 0xFFFD;

struct CodePageName
{
    std::string_view dwg;
    const char *iconv;
};

// The code pages that DXF headers name, by the names iconv knows them by.
constexpr CodePageName kCodePages[] = {
    {"ANSI_874", "CP874"},   {"ANSI_932", "CP932"},   {"ANSI_936", "GBK"},
    {"ANSI_949", "CP949"},   {"ANSI_950", "CP950"},   {"ANSI_1250", "CP1250"},
    {"ANSI_1251", "CP1251"}, {"ANSI_1253", "CP1253"}, {"ANSI_1254", "CP1254"},
    {"ANSI_1255", "CP1255"}, {"ANSI_1256", "CP1256"}, {"ANSI_1257", "CP1257"},
    {"ANSI_1258", "CP1258"}, {"ANSI_1361", "JOHAB"},  {"DOS437", "CP437"},
    {"DOS850", "CP850"},     {"DOS852", "CP852"},     {"DOS866", "CP866"},
    {"GB2312", "GB2312"},    {"BIG5", "CP950"},       {"KSC5601", "CP949"},
};

constexpr std::string_view kUtf8Names[] = {"UTF-8", "UTF8", "ANSI_65001"};

// The length of the UTF-8 sequence at the start of text, or 0 when it is not a valid one.
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

// The code point of a valid UTF-8 sequence of that length at the start of text.
char32_t codePointOf(std::string_view text, std::size_t length)
{
    const auto byte = [&](std::size_t i) { return static_cast<char32_t>(text[i] & 0xFF); };
    switch (length) {
    case 1:
        return byte(0);
    case 2:
        return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3:
        return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    default:
        return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 |
               (byte(3) & 0x3F);
    }
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

// The text as valid UTF-8: each byte that starts no valid sequence becomes U+FFFD.
std::string validUtf8(std::string_view text)
{
    std::string valid;
    valid.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0)
            appendUtf8(valid, kReplacementCharacter);
        else
            valid.append(text.substr(0, length));
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return valid;
}

std::string windows1252ToUtf8(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<std::uint8_t>(c);
        appendUtf8(text, byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte);
    }
    return text;
}

char windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    const auto found = std::find(std::begin(kWindows1252High), std::end(kWindows1252High), c);
    if (found == std::end(kWindows1252High))
        return '?';
    return static_cast<char>(0x80 + (found - std::begin(kWindows1252High)));
}

// Each character of UTF-8 text in Windows-1252; an invalid byte is taken as U+FFFD.
std::string utf8ToWindows1252(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        bytes += windows1252Byte(length == 0 ? kReplacementCharacter : codePointOf(text, length));
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return bytes;
}

// One iconv conversion, closed at the end.
class Conversion
{
public:
    Conversion(const char *to, const char *from)
        : m_handle(iconv_open(to, from))
    {
    }
    ~Conversion()
    {
        if (isOpen())
            iconv_close(m_handle);
    }
    Conversion(const Conversion &) = delete;
    Conversion &operator=(const Conversion &) = delete;

    bool isOpen() const { return m_handle != reinterpret_cast<iconv_t>(-1); }

    /// Converts text; where a sequence does not convert, appends replacement and goes on after
    /// skip(rest of the text) bytes.
    template <typename Skip>
    std::string convert(std::string_view text, std::string_view replacement, Skip skip)
    {
        std::string out;
        out.reserve(text.size() * 2);
        // iconv takes its input as non-const, but only reads it.
        char *in = const_cast<char *>(text.data());
        std::size_t inLeft = text.size();
        while (inLeft > 0) {
            char buffer[256];
            char *next = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(m_handle, &in, &inLeft, &next, &outLeft);
            out.append(buffer, static_cast<std::size_t>(next - buffer));
            if (result != static_cast<std::size_t>(-1) || errno == E2BIG)
                continue;
            out += replacement;
            const std::size_t skipped = std::min<std::size_t>(skip(std::string_view(in, inLeft)), inLeft);
            in += skipped;
            inLeft -= skipped;
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t m_handle;
};

} // namespace

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

DxfCodePage::DxfCodePage(std::string_view dwgCodePage, bool textsAreUtf8)
{
    const std::size_t first = dwgCodePage.find_first_not_of(" \t");
    const std::size_t last = dwgCodePage.find_last_not_of(" \t");
    dwgCodePage = first == std::string_view::npos
                      ? std::string_view()
                      : dwgCodePage.substr(first, last - first + 1);
    if (dwgCodePage.empty()) {
        m_kind = textsAreUtf8 ? Kind::Utf8 : Kind::Windows1252;
        return;
    }
    const auto named = [dwgCodePage](std::string_view name) {
        return equalsNoCase(name, dwgCodePage);
    };
    if (std::any_of(std::begin(kUtf8Names), std::end(kUtf8Names), named)) {
        m_kind = Kind::Utf8;
        return;
    }
    for (const CodePageName &codePage : kCodePages) {
        if (named(codePage.dwg) && Conversion(codePage.iconv, "UTF-8").isOpen()) {
            m_kind = Kind::Other;
            m_sIconvName = codePage.iconv;
            return;
        }
    }
}

std::string DxfCodePage::toUtf8(std::string_view bytes) const
{
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<std::uint8_t>(c) < 0x80; });
    if (ascii)
        return std::string(bytes);
    switch (m_kind) {
    case Kind::Utf8:
        return validUtf8(bytes);
    case Kind::Windows1252:
        return windows1252ToUtf8(bytes);
    case Kind::Other:
        break;
    }
    Conversion conversion("UTF-8", m_sIconvName.c_str());
    std::string replacement;
    appendUtf8(replacement, kReplacementCharacter);
    return conversion.convert(bytes, replacement, [](std::string_view) { return 1; });
}

std::string DxfCodePage::fromUtf8(std::string_view text) const
{
    switch (m_kind) {
    case Kind::Utf8:
        return validUtf8(text);
    case Kind::Windows1252:
        return utf8ToWindows1252(text);
    case Kind::Other:
        break;
    }
    Conversion conversion(m_sIconvName.c_str(), "UTF-8");
    return conversion.convert(validUtf8(text), "?", [](std::string_view rest) {
        return std::max<std::size_t>(utf8SequenceLength(rest), 1);
    });
}

} // namespace morvane
