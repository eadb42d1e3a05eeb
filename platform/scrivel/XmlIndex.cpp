// Morvane Scrivel XML filer.
// A document of the common kind read in one pass into a compact index of its elements.
#include "platform/scrivel/XmlIndex.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

using namespace std::string_view_literals;

namespace morvane {

namespace {

enum : unsigned char {
    kBlank = 1,
    kNameStart = 2,
    kName = 4,
    // What a value cannot be taken as it stands with.
    kInValue = 8,
    // What a text cannot be taken as it stands with.
    kDecodedInText = 16,
    kNotBlank = 32,
    // The '<' or the final null that ends a text.
    kEndsText = 64,
    // The blanks that a text takes as they stand.
    kPlainBlank = 128,
};

// Names are a subset of what the general parser takes: no colons.
constexpr std::array<unsigned char, 256> makeCharacterTable()
{
    std::array<unsigned char, 256> table{};
    for (const char c : {' ', '\t', '\n', '\r'})
        table[static_cast<unsigned char>(c)] = kBlank;
    for (int c = 0; c < 26; ++c) {
        table[static_cast<size_t>('a' + c)] = kNameStart | kName;
        table[static_cast<size_t>('A' + c)] = kNameStart | kName;
    }
    for (int c = 0x80; c < 0x100; ++c)
        table[static_cast<size_t>(c)] = kNameStart | kName;
    table['_'] = kNameStart | kName;
    for (const char c : {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', '-', '.'})
        table[static_cast<unsigned char>(c)] = kName;
    for (const char c : {' ', '\t', '\n'})
        table[static_cast<unsigned char>(c)] |= kPlainBlank;
    for (const char c : {'&', '\r', '<', '\t', '\n', '\0'})
        table[static_cast<unsigned char>(c)] |= kInValue;
    for (const char c : {'&', '\r'})
        table[static_cast<unsigned char>(c)] |= kDecodedInText;
    for (int c = 0; c < 256; ++c) {
        if ((table[static_cast<size_t>(c)] & kBlank) == 0)
            table[static_cast<size_t>(c)] |= kNotBlank;
    }
    table['<'] |= kEndsText;
    table[0] |= kEndsText;
    return table;
}

constexpr std::array<unsigned char, 256> kCharacters = makeCharacterTable();

bool is(char c, unsigned char kind)
{
    return (kCharacters[static_cast<unsigned char>(c)] & kind) != 0;
}

bool startsWith(const char *p, std::string_view prefix)
{
    // The text ends with a null character that no prefix holds, so this stops at the end.
    // Prefixes are short names: a plain loop.
    for (const char c : prefix) {
        if (*p++ != c)
            return false;
    }
    return true;
}

// The character of a character reference "&#...;" or "&#x...;" at p (past "&#"), which must
// be below 128 and not null; advances p past the ';'. 0 when it is none such.
char referencedCharacter(const char *&p)
{
    const int base = *p == 'x' ? 16 : 10;
    const char *digit = base == 16 ? p + 1 : p;
    int code = 0;
    for (int count = 0; *digit != ';'; ++digit, ++count) {
        const char c = *digit;
        int value = 0;
        if (c >= '0' && c <= '9')
            value = c - '0';
        else if (base == 16 && (c | ' ') >= 'a' && (c | ' ') <= 'f')
            value = (c | ' ') - 'a' + 10;
        else
            return 0;
        code = code * base + value;
        if (code >= 128 || count > 8)
            return 0;
    }
    if (digit == (base == 16 ? p + 1 : p))
        return 0;
    p = digit + 1;
    return static_cast<char>(code);
}

// The character of the entity at p (past '&'); advances p past it. 0 when it is none that the
// index reads.
char entityCharacter(const char *&p)
{
    if (*p == '#') {
        ++p;
        return referencedCharacter(p);
    }
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"amp;"sv, '&'}, {"lt;"sv, '<'}, {"gt;"sv, '>'}, {"quot;"sv, '"'}, {"apos;"sv, '\''}};
    for (const auto &[entity, character] : kEntities) {
        if (startsWith(p, entity)) {
            p += entity.size();
            return character;
        }
    }
    return 0;
}

const char *skipBlanks(const char *p)
{
    while (is(*p, kBlank))
        ++p;
    return p;
}

// Past the comment at p; null when p holds none or it is not closed.
const char *skipComment(const char *p)
{
    if (!startsWith(p, "<!--"))
        return nullptr;
    const char *close = std::strstr(p + 4, "-->");
    return close == nullptr ? nullptr : close + 3;
}

// Past the XML declaration at p ("<?xml" and a blank); null when it is not closed or names an
// encoding other than UTF-8, which the general parser converts.
const char *skipDeclaration(const char *p)
{
    const char *close = std::strstr(p, "?>");
    if (close == nullptr)
        return nullptr;
    const std::string_view declaration(p, static_cast<size_t>(close - p));
    const size_t encoding = declaration.find("encoding");
    if (encoding != std::string_view::npos &&
        !declaration.substr(encoding).starts_with("encoding=\"UTF-8\""))
        return nullptr;
    return close + 2;
}

// Past the declaration, blanks and comments before the root at p, to its start tag.
const char *readProlog(const char *p)
{
    if (startsWith(p, "<?xml") && is(p[5], kBlank) && (p = skipDeclaration(p)) == nullptr)
        return nullptr;
    for (;;) {
        p = skipBlanks(p);
        if (!startsWith(p, "<!--"))
            return *p == '<' && is(p[1], kNameStart) ? p : nullptr;
        if ((p = skipComment(p)) == nullptr)
            return nullptr;
    }
}

} // namespace

// Reads the text of an index into it, refusing at the first thing outside what it reads. Each
// step reads what starts at a position and returns where it stops, or null to refuse.
class XmlIndex::Reader
{
public:
    explicit Reader(XmlIndex &index)
        : m_index(index)
        , m_begin(index.m_text.c_str())
        , m_end(m_begin + index.m_text.size())
    {
    }

    bool read();

private:
    // The innermost element whose end tag is still to come: its number, kNone outside the root,
    // and where it is kept. Until its end tag, an element's end holds the element it lies in
    // (kNone for the root).
    struct Open
    {
        uint32_t number = kNone;
        Element *element = nullptr;
    };

    // Tags and texts are read in line in the reader's loop, which meets one at every step and
    // keeps its position and the open element at hand. They are forced in line: the compiler
    // leaves the text as a call once the loop grows a little, and the load of a document then
    // runs some 4% more instructions.
    const char *readStartTag(const char *p, Open &open);
    const char *readEndTag(const char *p, Open &open);
    const char *readText(const char *p, const Open &open);
    // The XML attributes of a start tag from p, past its name, to the '>' or '/' that closes it.
    const char *readAttributes(const char *p);
    const char *readAttribute(const char *p);
    // Whether the name at p is the open element's name at name.
    bool isOpenName(const char *p, Span name) const;
    bool decode(const char *begin, const char *end, bool attribute, Span &span);
    Span spanOf(const char *begin, const char *end) const
    {
        return {static_cast<uint32_t>(begin - m_begin), static_cast<uint32_t>(end - begin)};
    }

    XmlIndex &m_index;
    const char *const m_begin;
    const char *const m_end;
};

// Aligned to a cache line so that the place of its loops, above all the one over texts, is set
// by this function alone: where other code shifted the text loop across a line, the read took
// a tenth longer.
[[gnu::aligned(64)]] bool XmlIndex::Reader::read()
{
    // A null character is refused where it is met: it ends texts, names and comments.
    if (m_index.m_text.size() >= kDecoded)
        return false;
    const char *p = readProlog(m_begin);
    if (p == nullptr)
        return false;
    // From the root's start tag to its end tag.
    Open open;
    do {
        // A text, if any, then the tag or comment at the '<' that ends it.
        if (*p != '<' && (p = readText(p, open)) == nullptr)
            return false;
        if (is(p[1], kNameStart))
            p = readStartTag(p, open);
        else if (p[1] == '/')
            p = readEndTag(p, open);
        else
            p = skipComment(p);
        if (p == nullptr)
            return false;
    } while (open.number != kNone);
    // Only blanks and comments after the root.
    for (;;) {
        p = skipBlanks(p);
        if (p == m_end)
            return true;
        if ((p = skipComment(p)) == nullptr)
            return false;
    }
}

[[gnu::always_inline]] inline const char *XmlIndex::Reader::readStartTag(const char *p, Open &open)
{
    // The reader's loop comes here only where a name starts.
    const char *name = p + 1;
    p = name + 1;
    while (is(*p, kName))
        ++p;
    Element &element = m_index.append(
        {spanOf(name, p), {}, open.number, static_cast<uint32_t>(m_index.m_attributes.size())});
    if (*p != '>' && (p = readAttributes(p)) == nullptr)
        return nullptr;
    if (*p == '>') {
        open = {m_index.m_count - 1, &element};
        return p + 1;
    }
    if (p[1] != '>')
        return nullptr;
    element.end = m_index.m_count;
    return p + 2;
}

// Forced in line in the loop over a tag's attributes, which the compiler would leave as a call
// costing a sixth of the attribute.
[[gnu::always_inline]] inline const char *XmlIndex::Reader::readAttribute(const char *p)
{
    const char *name = p;
    while (is(*++p, kName)) {
    }
    const char *equals = p;
    if (*equals != '=')
        return nullptr;
    const char quote = equals[1];
    if (quote != '"' && quote != '\'')
        return nullptr;
    const char *value = equals + 2;
    // Values are short: one pass to the closing quote, unless something on the way must be
    // decoded or refused.
    const char *close = value;
    while (*close != quote && !is(*close, kInValue))
        ++close;
    // Stored at once: an attribute built aside and copied in would be read back before its
    // stores are done.
    m_index.m_attributes.push_back({spanOf(name, equals), spanOf(value, close)});
    if (*close != quote) {
        close = static_cast<const char *>(
            std::memchr(close, quote, static_cast<size_t>(m_end - close)));
        if (close == nullptr || !decode(value, close, true, m_index.m_attributes.back().value))
            return nullptr;
    }
    return close + 1;
}

const char *XmlIndex::Reader::readAttributes(const char *p)
{
    for (;;) {
        if (*p == '>' || *p == '/')
            return p;
        if (!is(*p, kBlank))
            return nullptr;
        p = skipBlanks(p);
        if (is(*p, kNameStart) && (p = readAttribute(p)) == nullptr)
            return nullptr;
    }
}

inline bool XmlIndex::Reader::isOpenName(const char *p, Span name) const
{
    const char *open = m_begin + name.offset;
    const size_t length = name.length;
    // Names are short: when both fit in a word that ends inside the text (the open name lies
    // before p), one comparison of words costs less than a call.
    if (length <= sizeof(uint64_t) && m_end - p >= static_cast<ptrdiff_t>(sizeof(uint64_t))) {
        // Only the first length characters count; names are never empty.
        const int unused = static_cast<int>(8 * (sizeof(uint64_t) - length));
        const uint64_t differ = load<uint64_t>(p) ^ load<uint64_t>(open);
        if constexpr (std::endian::native == std::endian::little)
            return (differ << unused) == 0;
        else
            return (differ >> unused) == 0;
    }
    return static_cast<size_t>(m_end - p) >= length && std::memcmp(p, open, length) == 0;
}

[[gnu::always_inline]] inline const char *XmlIndex::Reader::readEndTag(const char *p, Open &open)
{
    Element &element = *open.element;
    // A name is always in the text read.
    p += 2;
    if (!isOpenName(p, element.name))
        return nullptr;
    p += element.name.length;
    // A name character here makes the end tag's name longer: no blank skips it.
    if (*p != '>' && *(p = skipBlanks(p)) != '>')
        return nullptr;
    open.number = element.end;
    if (open.number != kNone)
        open.element = &m_index.element(open.number);
    element.end = m_index.m_count;
    return p + 1;
}

[[gnu::always_inline]] inline const char *XmlIndex::Reader::readText(const char *p, const Open &open)
{
    // One pass to the '<' that ends the text, noting whether it holds anything but blanks and
    // anything to decode. Most texts are blanks between tags or values with nothing to decode:
    // a loop for each, which tests one kind per character, takes them; the last loop, which
    // notes every kind, takes what is left.
    const char *begin = p;
    const char *end = begin;
    while (is(*end, kPlainBlank))
        ++end;
    unsigned char seen = 0;
    if (!is(*end, kEndsText | kDecodedInText)) {
        seen = kNotBlank;
        while (!is(*++end, kEndsText | kDecodedInText)) {
        }
    }
    if (*end != '<') {
        for (unsigned char kinds = kCharacters[static_cast<unsigned char>(*end)];
             (kinds & kEndsText) == 0; kinds = kCharacters[static_cast<unsigned char>(*++end)])
            seen |= kinds;
        if (*end != '<')
            return nullptr;
    }
    // Only the first text counts; a text of blanks only when it stands alone before the end tag.
    if ((seen & kNotBlank) == 0 && (end[1] != '/' || m_index.m_count > open.number + 1))
        return end;
    Span &value = open.element->value;
    if (value.length > 0)
        return end;
    if ((seen & kDecodedInText) != 0)
        return decode(begin, end, false, value) ? end : nullptr;
    value = spanOf(begin, end);
    return end;
}

bool XmlIndex::Reader::decode(const char *begin, const char *end, bool attribute, Span &span)
{
    std::string &out = m_index.m_decoded;
    const size_t start = out.size();
    for (const char *p = begin; p != end;) {
        const char c = *p++;
        if (c == '&') {
            const char character = entityCharacter(p);
            if (character == 0 || p > end)
                return false;
            out += character;
        } else if (c == '\r') {
            out += attribute ? ' ' : '\n';
            if (p != end && *p == '\n')
                ++p;
        } else if (attribute && (c == '\t' || c == '\n')) {
            out += ' ';
        } else if (c == '<' || c == '\0') {
            // Neither lies in a text; both are refused in a value.
            return false;
        } else {
            out += c;
        }
    }
    if (out.size() >= kDecoded)
        return false;
    span = {static_cast<uint32_t>(start) | kDecoded, static_cast<uint32_t>(out.size() - start)};
    return true;
}

bool XmlIndex::read(std::string text)
{
    clear();
    m_text = std::move(text);
    if (Reader(*this).read())
        return true;
    m_blocks.clear();
    m_count = 0;
    m_attributes.clear();
    m_decoded.clear();
    return false;
}

void XmlIndex::clear()
{
    m_text = std::string();
    m_decoded = std::string();
    m_blocks = std::vector<std::unique_ptr<Element[]>>();
    m_count = 0;
    m_attributes = std::vector<Attribute>();
}

void XmlIndex::addBlock()
{
    // Filled from the start: the fill brings the block into the cache in one sweep, which the
    // reader's stores, spread over it, would do one line at a time.
    m_blocks.push_back(std::make_unique<Element[]>(kBlockSize));
}

bool XmlIndex::findAttribute(uint32_t e, std::string_view name, std::string_view &value) const
{
    const uint32_t last = e + 1 < m_count ? element(e + 1).firstAttribute
                                          : static_cast<uint32_t>(m_attributes.size());
    for (uint32_t a = element(e).firstAttribute; a < last; ++a) {
        if (isName(m_attributes[a].name, name)) {
            value = view(m_attributes[a].value);
            return true;
        }
    }
    return false;
}

} // namespace morvane
