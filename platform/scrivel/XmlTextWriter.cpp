// Morvane Scrivel XML filer.
// A document written straight to text while it is built, in the form the filer prints a tree.
#include "platform/scrivel/XmlTextWriter.h"

#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>

using namespace std::string_view_literals;

namespace morvane {

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\"?>\n";
// What the filer prints for an element or XML attribute without a name.
constexpr std::string_view kAnonymous = ":anonymous";

// What each byte needs: kInText and kInAttribute mark the bytes escaped there; kEnd the null
// character, at which a text ends in the printed document.
enum : unsigned char { kInText = 1, kInAttribute = 2, kEnd = 4 };

constexpr std::array<unsigned char, 256> makeEscapeTable()
{
    std::array<unsigned char, 256> table{};
    for (int c = 1; c < 32; ++c)
        table[static_cast<size_t>(c)] = kInText | kInAttribute;
    for (const char c : {'\t', '\n', '\r'})
        table[static_cast<unsigned char>(c)] = kInAttribute;
    table['&'] = kInText | kInAttribute;
    table['<'] = kInText | kInAttribute;
    table['>'] = kInText;
    table['"'] = kInAttribute;
    table[0] = kEnd;
    return table;
}

constexpr std::array<unsigned char, 256> kEscapes = makeEscapeTable();

// A name ends at a null character, as the tree keeps it. Names are short: a plain loop.
std::string_view untilNull(std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\0')
            return text.substr(0, i);
    }
    return text;
}

// The most characters that one byte of a text or value becomes when escaped.
constexpr size_t kMaxEscapedLength = 6;

char *put(char *out, std::string_view text)
{
    // Short names and entities: a plain loop.
    for (const char c : text)
        *out++ = c;
    return out;
}

// Eight bytes of text from position at, in the order of the machine.
uint64_t blockAt(std::string_view text, size_t at)
{
    uint64_t block = 0;
    std::memcpy(&block, text.data() + at, sizeof block);
    return block;
}

// Whether one of the eight bytes of block is a control or null character, '&', '<', '>' or '"':
// one that an escaped text may have to change. Bytes from 0x80 on are none of them.
bool mayNeedEscape(uint64_t block)
{
    constexpr uint64_t kOnes = 0x0101010101010101;
    constexpr uint64_t kHighs = 0x8080808080808080;
    // A byte below n sets its high bit in block - n * kOnes, and the bytes under it borrow
    // only from one that does so.
    const auto below = [block](unsigned char n) { return (block - n * kOnes) & ~block & kHighs; };
    const auto equal = [](uint64_t bytes, char c) {
        const uint64_t differences = bytes ^ (static_cast<unsigned char>(c) * kOnes);
        return (differences - kOnes) & ~differences & kHighs;
    };
    return (below(0x20) | equal(block, '&') | equal(block, '<') | equal(block, '>') |
            equal(block, '"')) != 0;
}

// Whether text, of eight bytes or more, holds no byte that escaping may change: looked at eight
// bytes at a time, the last eight overlapping the ones before.
bool isPlainLongText(std::string_view text)
{
    for (size_t at = 0; at + 8 < text.size(); at += 8) {
        if (mayNeedEscape(blockAt(text, at)))
            return false;
    }
    return !mayNeedEscape(blockAt(text, text.size() - 8));
}

// Writes text escaped for where (kInText or kInAttribute) at out, up to a null character, and
// gives where it ends; out has room for kMaxEscapedLength characters per byte of text.
char *writeEscaped(char *out, std::string_view text, unsigned char where)
{
    // Most texts are numbers of eight characters or more, with nothing to escape.
    if (text.size() >= 8 && isPlainLongText(text)) {
        std::memcpy(out, text.data(), text.size());
        return out + text.size();
    }
    const unsigned char stop = where | kEnd;
    for (const char character : text) {
        const auto c = static_cast<unsigned char>(character);
        if ((kEscapes[c] & stop) == 0) {
            *out++ = character;
            continue;
        }
        switch (c) {
        case '\0':
            return out;
        case '&':
            out = put(out, "&amp;"sv);
            break;
        case '<':
            out = put(out, "&lt;"sv);
            break;
        case '>':
            out = put(out, "&gt;"sv);
            break;
        case '"':
            out = put(out, "&quot;"sv);
            break;
        default:
            // A control character, as two decimal digits.
            out = put(out, "&#"sv);
            *out++ = static_cast<char>('0' + c / 10);
            *out++ = static_cast<char>('0' + c % 10);
            *out++ = ';';
            break;
        }
    }
    return out;
}

// Appends text escaped for where, up to a null character.
void appendEscaped(std::string &out, std::string_view text, unsigned char where)
{
    const size_t at = out.size();
    out.resize(at + kMaxEscapedLength * text.size());
    out.resize(static_cast<size_t>(writeEscaped(out.data() + at, text, where) - out.data()));
}

// A line break and the indentation of an element at depth d: the first d characters.
constexpr std::string_view kLineBreaks =
    "\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";

void appendLineBreak(std::string &out, size_t depth)
{
    if (depth <= kLineBreaks.size()) {
        out.append(kLineBreaks.substr(0, depth));
        return;
    }
    out += '\n';
    out.append(depth - 1, '\t');
}

// The character of one of the entities that appendEscaped writes (without '&' and ';').
char entityCharacter(std::string_view entity)
{
    if (entity == "amp")
        return '&';
    if (entity == "lt")
        return '<';
    if (entity == "gt")
        return '>';
    if (entity == "quot")
        return '"';
    assert(entity.size() == 3 && entity[0] == '#' && "an entity this writer does not write");
    return static_cast<char>((entity[1] - '0') * 10 + (entity[2] - '0'));
}

void appendUnescaped(std::string &out, std::string_view text)
{
    size_t position = 0;
    for (size_t amp = text.find('&'); amp != std::string_view::npos;
         amp = text.find('&', position)) {
        out.append(text.substr(position, amp - position));
        const size_t semicolon = text.find(';', amp);
        out += entityCharacter(text.substr(amp + 1, semicolon - amp - 1));
        position = semicolon + 1;
    }
    out.append(text.substr(position));
}

} // namespace

void XmlTextWriter::clear()
{
    m_text.clear();
    m_depth = 0;
}

void XmlTextWriter::startDocument(std::string_view name)
{
    m_text.assign(kDeclaration);
    m_depth = 0;
    beginElement(name);
}

void XmlTextWriter::openElement(std::string_view name)
{
    assert(isStarted() && "an element added to no document");
    OpenElement &parent = current();
    closeStartTag(parent);
    if (!parent.endsWithText)
        appendLineBreak(m_text, m_depth + 1);
    parent.endsWithText = false;
    ++parent.childCount;
    beginElement(name);
}

void XmlTextWriter::writeTextElement(std::string_view name, std::string_view text)
{
    assert(isStarted() && "an element added to no document");
    OpenElement &parent = current();
    closeStartTag(parent);
    const bool lineBreak = !parent.endsWithText;
    parent.endsWithText = false;
    ++parent.childCount;
    const std::string_view written = untilNull(name);
    const std::string_view shown = written.empty() ? kAnonymous : written;
    // Written through a pointer into room made once: most of these elements hold one number.
    const size_t at = m_text.size();
    m_text.resize(at + m_depth + 1 + 2 * shown.size() + 5 + kMaxEscapedLength * text.size());
    char *out = m_text.data() + at;
    if (lineBreak) {
        *out++ = '\n';
        for (size_t level = 0; level < m_depth; ++level)
            *out++ = '\t';
    }
    *out++ = '<';
    out = put(out, shown);
    *out++ = '>';
    out = writeEscaped(out, text, kInText);
    out = put(out, "</"sv);
    out = put(out, shown);
    *out++ = '>';
    m_text.resize(static_cast<size_t>(out - m_text.data()));
}

void XmlTextWriter::beginElement(std::string_view name)
{
    if (m_depth == m_open.size())
        m_open.emplace_back();
    OpenElement &element = m_open[m_depth++];
    const std::string_view written = untilNull(name);
    m_text += '<';
    element.name = {m_text.size(), m_text.size() + written.size()};
    m_text += written.empty() ? kAnonymous : written;
    element.attributesEnd = m_text.size();
    element.hasContent = false;
    element.endsWithText = false;
    element.hasText = false;
    element.text = {};
    element.childCount = 0;
    element.attributes.clear();
}

void XmlTextWriter::closeStartTag(OpenElement &element)
{
    // Only the current element can be without content, and its start tag then ends the text.
    if (element.hasContent)
        return;
    m_text += '>';
    element.hasContent = true;
}

bool XmlTextWriter::closeElement()
{
    if (m_depth <= 1)
        return false;
    appendEndTag(m_text, current(), m_depth);
    --m_depth;
    return true;
}

void XmlTextWriter::appendEndTag(std::string &out, const OpenElement &element, size_t depth) const
{
    if (!element.hasContent) {
        out += " />"sv;
        return;
    }
    if (!element.endsWithText)
        appendLineBreak(out, depth);
    out += "</"sv;
    out += element.name.begin == element.name.end ? kAnonymous : view(element.name);
    out += '>';
}

std::vector<int> XmlTextWriter::openPath() const
{
    std::vector<int> path;
    for (size_t i = 0; i + 1 < m_depth; ++i)
        path.push_back(m_open[i].childCount - 1);
    return path;
}

std::string_view XmlTextWriter::elementName() const
{
    return view(current().name);
}

void XmlTextWriter::setText(std::string_view text)
{
    OpenElement &element = current();
    if (element.hasText) {
        m_scratch.clear();
        appendEscaped(m_scratch, text, kInText);
        replace(element.text, m_scratch);
        return;
    }
    closeStartTag(element);
    element.text.begin = m_text.size();
    appendEscaped(m_text, text, kInText);
    element.text.end = m_text.size();
    element.hasText = true;
    element.endsWithText = true;
}

std::string_view XmlTextWriter::text()
{
    const OpenElement &element = current();
    return element.hasText ? unescaped(element.text) : std::string_view();
}

void XmlTextWriter::setAttribute(std::string_view name, std::string_view value)
{
    OpenElement &element = current();
    const std::string_view key = untilNull(name);
    for (Attribute &attribute : element.attributes) {
        if (!key.empty() && view(attribute.name) == key) {
            m_scratch.clear();
            appendEscaped(m_scratch, value, kInAttribute);
            replace(attribute.value, m_scratch);
            return;
        }
    }
    // Written at the end of the start tag: straight onto the text while nothing follows it.
    const size_t at = element.attributesEnd;
    const bool atEnd = at == m_text.size();
    std::string &out = atEnd ? m_text : m_scratch;
    const size_t base = atEnd ? 0 : at;
    if (!atEnd)
        m_scratch.clear();
    Attribute added;
    out += ' ';
    // An anonymous attribute keeps an empty name span, so no name finds it.
    added.name.begin = base + out.size();
    added.name.end = added.name.begin + key.size();
    out += key.empty() ? kAnonymous : key;
    out += "=\""sv;
    added.value.begin = base + out.size();
    appendEscaped(out, value, kInAttribute);
    added.value.end = base + out.size();
    out += '"';
    if (atEnd) {
        element.attributesEnd = m_text.size();
    } else {
        m_text.insert(at, m_scratch);
        shiftFrom(at, m_scratch.size());
    }
    element.attributes.push_back(added);
}

bool XmlTextWriter::findAttribute(std::string_view name, std::string_view &value)
{
    const std::string_view key = untilNull(name);
    if (key.empty())
        return false;
    for (const Attribute &attribute : current().attributes) {
        if (view(attribute.name) == key) {
            value = unescaped(attribute.value);
            return true;
        }
    }
    return false;
}

std::string XmlTextWriter::contents() const
{
    if (!isStarted())
        return std::string(kDeclaration);
    std::string out;
    out.reserve(m_text.size() + m_depth * (m_depth + 64) + 1);
    out = m_text;
    appendClosing(out);
    return out;
}

std::string XmlTextWriter::takeContents()
{
    if (!isStarted())
        return std::string(kDeclaration);
    appendClosing(m_text);
    std::string out = std::move(m_text);
    clear();
    return out;
}

void XmlTextWriter::appendClosing(std::string &out) const
{
    for (size_t depth = m_depth; depth > 0; --depth)
        appendEndTag(out, m_open[depth - 1], depth);
    out += '\n';
}

XmlTextWriter::ClosingScope::ClosingScope(XmlTextWriter &writer)
    : m_writer(writer)
    , m_written(writer.m_text.size())
{
    assert(m_writer.isStarted() && "no document to close");
    m_writer.appendClosing(m_writer.m_text);
}

XmlTextWriter::ClosingScope::~ClosingScope()
{
    m_writer.m_text.resize(m_written);
}

void XmlTextWriter::replace(Span &span, std::string_view replacement)
{
    const size_t begin = span.begin;
    const size_t oldEnd = span.end;
    m_text.replace(begin, oldEnd - begin, replacement);
    // Unsigned arithmetic wraps, so a shorter replacement moves what follows back.
    shiftFrom(oldEnd, replacement.size() - (oldEnd - begin));
    span = {begin, begin + replacement.size()};
}

void XmlTextWriter::shiftFrom(size_t position, size_t delta)
{
    const auto shift = [position, delta](size_t &offset) {
        if (offset >= position)
            offset += delta;
    };
    OpenElement &element = current();
    shift(element.attributesEnd);
    if (element.hasText) {
        shift(element.text.begin);
        shift(element.text.end);
    }
    for (Attribute &attribute : element.attributes) {
        shift(attribute.name.begin);
        shift(attribute.name.end);
        shift(attribute.value.begin);
        shift(attribute.value.end);
    }
}

std::string_view XmlTextWriter::view(Span span) const
{
    return std::string_view(m_text).substr(span.begin, span.end - span.begin);
}

std::string_view XmlTextWriter::unescaped(Span span)
{
    const std::string_view escaped = view(span);
    if (escaped.find('&') == std::string_view::npos)
        return escaped;
    m_unescaped.clear();
    appendUnescaped(m_unescaped, escaped);
    return m_unescaped;
}

} // namespace morvane
