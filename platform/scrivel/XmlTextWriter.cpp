// Morvane Scrivel XML filer.
// A document written straight to text while it is built, in the form the filer prints a tree.
#include "platform/scrivel/XmlTextWriter.h"

#include <algorithm>
#include <array>
#include <atomic>
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
std::string_view untilNull(std::string_view name)
{
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\0')
            return name.substr(0, i);
    }
    return name;
}

// The most characters that one byte of a text or value becomes when escaped.
constexpr size_t kMaxEscapedLength = 6;

// Copies text, short as names and entities are, with a plain loop.
char *copy(char *out, std::string_view text)
{
    for (const char c : text)
        *out++ = c;
    return out;
}

// Eight bytes of text from position at, in the order of the machine.
inline uint64_t blockAt(std::string_view text, size_t at)
{
    uint64_t block = 0;
    std::memcpy(&block, text.data() + at, sizeof block);
    return block;
}

// Whether one of the eight bytes of block may be one that an escaped text changes: a control or
// null character, or one from '"' to '&' or from '<' to '>' (those in between that never change
// only take the slower way). Bytes from 0x80 on are none of them.
inline bool mayNeedEscape(uint64_t block)
{
    constexpr uint64_t kOnes = 0x0101010101010101;
    constexpr uint64_t kHighs = 0x8080808080808080;
    // Of the seven low bits of a byte plus 0x80 - c, the high bit tells whether they are c or
    // more, and no sum carries into the next byte.
    const uint64_t lowBits = block & ~kHighs;
    const auto atLeast = [lowBits](uint64_t c) { return lowBits + (0x80 - c) * kOnes; };
    const uint64_t marked =
        ~atLeast(0x20) | (atLeast('"') & ~atLeast('&' + 1)) | (atLeast('<') & ~atLeast('>' + 1));
    return (marked & ~block & kHighs) != 0;
}

// Copies text, of eight bytes or more, to out eight bytes at a time, the last eight
// overlapping the ones before, while it holds no byte that escaping may change; false when it
// holds one.
bool copyPlainLongText(char *out, std::string_view text)
{
    const auto copyBlock = [out, text](size_t at) {
        const uint64_t block = blockAt(text, at);
        if (mayNeedEscape(block))
            return false;
        std::memcpy(out + at, &block, sizeof block);
        return true;
    };
    for (size_t at = 0; at + 8 < text.size(); at += 8) {
        if (!copyBlock(at))
            return false;
    }
    return copyBlock(text.size() - 8);
}

// Writes text escaped for where (kInText or kInAttribute) at out, up to a null character, and
// gives where it ends; out has room for kMaxEscapedLength characters per byte of text.
char *writeEscaped(char *out, std::string_view text, unsigned char where)
{
    // Most texts are numbers of eight characters or more, with nothing to escape.
    if (text.size() >= 8 && copyPlainLongText(out, text))
        return out + text.size();
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
            out = copy(out, "&amp;"sv);
            break;
        case '<':
            out = copy(out, "&lt;"sv);
            break;
        case '>':
            out = copy(out, "&gt;"sv);
            break;
        case '"':
            out = copy(out, "&quot;"sv);
            break;
        default:
            // A control character, as two decimal digits.
            out = copy(out, "&#"sv);
            *out++ = static_cast<char>('0' + c / 10);
            *out++ = static_cast<char>('0' + c % 10);
            *out++ = ';';
            break;
        }
    }
    return out;
}

// Appends text escaped for where, up to a null character.
void appendEscapedTo(std::string &out, std::string_view text, unsigned char where)
{
    const size_t at = out.size();
    out.resize(at + kMaxEscapedLength * text.size());
    out.resize(static_cast<size_t>(writeEscaped(out.data() + at, text, where) - out.data()));
}

// A line break and the indentation of an element at depth 1 to 16: the first depth characters.
constexpr std::string_view kLineBreak = "\n\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";

// The room that writeLineBreak needs.
size_t lineBreakRoom(size_t depth)
{
    return std::max(depth, kLineBreak.size());
}

// Writes a line break and the indentation of an element at depth: depth - 1 tabs.
char *writeLineBreak(char *out, size_t depth)
{
    // Most elements lie less deep: a copy of a fixed size, the characters beyond the
    // indentation to be written over next.
    if (depth <= kLineBreak.size()) {
        std::memcpy(out, kLineBreak.data(), kLineBreak.size());
        return out + depth;
    }
    *out++ = '\n';
    for (size_t level = 1; level < depth; ++level)
        *out++ = '\t';
    return out;
}

// Writes name up to a null character, as the tree keeps it, or kAnonymous when that leaves
// nothing; out has room for the longer of the two.
char *writeName(char *out, std::string_view name)
{
    char *const begin = out;
    for (const char c : name) {
        if (c == '\0')
            break;
        *out++ = c;
    }
    return out == begin ? copy(out, kAnonymous) : out;
}

// The most characters of a name written into the text that copyWrittenName copies in one step.
constexpr size_t kShortName = 16;

// Copies a name already written into the text before out, and gives where the copy ends; the
// text has room for kShortName characters from the name and from out. A short name takes one
// copy of a fixed size, whose characters beyond the name are written over next.
char *copyWrittenName(char *out, std::string_view written)
{
    if (written.size() > kShortName)
        return copy(out, written);
    // The two may overlap.
    std::memmove(out, written.data(), kShortName);
    return out + written.size();
}

// The room for name as writeName writes it.
size_t nameRoom(std::string_view name)
{
    return name.size() + kAnonymous.size();
}

// How much room is made beyond what is asked for when the text needs more.
constexpr size_t kRoomStep = 64 * 1024;

// The size of the last document finished in the process: a new writer reserves it, so that a
// document saved again, or one like it, is written without moving its text as it grows.
std::atomic<size_t> g_lastDocumentSize{0};

// The character of one of the entities that writeEscaped writes (without '&' and ';').
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
    m_size = 0;
    m_depth = 0;
}

void XmlTextWriter::startDocument(std::string_view name)
{
    m_size = 0;
    m_depth = 0;
    const size_t last = g_lastDocumentSize.load(std::memory_order_relaxed);
    // With a margin for a document grown a little, and for the room asked beyond the text.
    m_text.reserve(last + last / 8 + 2 * kRoomStep);
    append(kDeclaration);
    beginElement(name);
}

void XmlTextWriter::openElement(std::string_view name)
{
    assert(isStarted() && "an element added to no document");
    OpenElement &parent = current();
    writtenUpTo(closeStartTag(room(1), parent));
    if (!parent.endsWithText)
        writtenUpTo(writeLineBreak(room(lineBreakRoom(m_depth + 1)), m_depth + 1));
    parent.endsWithText = false;
    ++parent.childCount;
    beginElement(name);
}

void XmlTextWriter::writeTextElement(std::string_view name, std::string_view text)
{
    assert(isStarted() && "an element added to no document");
    OpenElement &parent = current();
    // Written through a pointer into room made once: most of these elements hold one number.
    char *out = room(1 + lineBreakRoom(m_depth + 1) + 2 * nameRoom(name) + 5 +
                     kMaxEscapedLength * text.size() + kShortName);
    out = closeStartTag(out, parent);
    if (!parent.endsWithText)
        out = writeLineBreak(out, m_depth + 1);
    parent.endsWithText = false;
    ++parent.childCount;
    *out++ = '<';
    const char *const nameBegin = out;
    out = writeName(out, name);
    const std::string_view written(nameBegin, static_cast<size_t>(out - nameBegin));
    *out++ = '>';
    out = writeEscaped(out, text, kInText);
    *out++ = '<';
    *out++ = '/';
    out = copyWrittenName(out, written);
    *out++ = '>';
    writtenUpTo(out);
}

void XmlTextWriter::beginElement(std::string_view name)
{
    if (m_depth == m_open.size())
        m_open.emplace_back();
    OpenElement &element = m_open[m_depth++];
    char *out = room(1 + nameRoom(name));
    *out++ = '<';
    const size_t nameBegin = m_size + 1;
    out = writeName(out, name);
    writtenUpTo(out);
    // An element without a name keeps an empty name span.
    const bool anonymous = name.empty() || name.front() == '\0';
    element.name = {nameBegin, anonymous ? nameBegin : m_size};
    element.attributesEnd = m_size;
    element.hasContent = false;
    element.endsWithText = false;
    element.hasText = false;
    element.text = {};
    element.childCount = 0;
    element.attributes.clear();
}

char *XmlTextWriter::closeStartTag(char *out, OpenElement &element)
{
    // Only the current element can be without content, and its start tag then ends the text.
    if (element.hasContent)
        return out;
    element.hasContent = true;
    *out++ = '>';
    return out;
}

size_t XmlTextWriter::endTagRoom(const OpenElement &element, size_t depth) const
{
    return lineBreakRoom(depth) + 3 + kAnonymous.size() + view(element.name).size();
}

bool XmlTextWriter::closeElement()
{
    if (m_depth <= 1)
        return false;
    char *out = room(endTagRoom(current(), m_depth));
    writtenUpTo(writeEndTag(out, current(), m_depth));
    --m_depth;
    return true;
}

char *XmlTextWriter::writeEndTag(char *out, const OpenElement &element, size_t depth) const
{
    if (!element.hasContent)
        return copy(out, " />"sv);
    if (!element.endsWithText)
        out = writeLineBreak(out, depth);
    *out++ = '<';
    *out++ = '/';
    out = copy(out, element.name.begin == element.name.end ? kAnonymous : view(element.name));
    *out++ = '>';
    return out;
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
        appendEscapedTo(m_scratch, text, kInText);
        replace(element.text, m_scratch);
        return;
    }
    writtenUpTo(closeStartTag(room(1), element));
    element.text.begin = m_size;
    appendEscaped(text, kInText);
    element.text.end = m_size;
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
            appendEscapedTo(m_scratch, value, kInAttribute);
            replace(attribute.value, m_scratch);
            return;
        }
    }
    const size_t at = element.attributesEnd;
    const size_t end = m_size;
    Attribute added = writeAttribute(key, value);
    if (at == end) {
        element.attributesEnd = m_size;
        element.attributes.push_back(added);
        return;
    }
    // Written at the end of the text, then moved into the start tag, which something follows.
    std::rotate(m_text.data() + at, m_text.data() + end, m_text.data() + m_size);
    shiftFrom(at, m_size - end);
    for (size_t *offset :
         {&added.name.begin, &added.name.end, &added.value.begin, &added.value.end})
        *offset -= end - at;
    element.attributes.push_back(added);
}

inline XmlTextWriter::Attribute XmlTextWriter::writeAttribute(std::string_view key,
                                                              std::string_view value)
{
    char *out = room(1 + key.size() + kAnonymous.size() + 3 + kMaxEscapedLength * value.size());
    Attribute written;
    *out++ = ' ';
    written.name.begin = m_size + 1;
    written.name.end = written.name.begin + key.size();
    out = copy(out, key.empty() ? kAnonymous : key);
    *out++ = '=';
    *out++ = '"';
    written.value.begin = static_cast<size_t>(out - m_text.data());
    out = writeEscaped(out, value, kInAttribute);
    written.value.end = static_cast<size_t>(out - m_text.data());
    *out++ = '"';
    writtenUpTo(out);
    return written;
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
    std::string out(m_size + closingRoom(), '\0');
    std::memcpy(out.data(), m_text.data(), m_size);
    out.resize(static_cast<size_t>(writeClosing(out.data() + m_size) - out.data()));
    return out;
}

std::string XmlTextWriter::takeContents()
{
    if (!isStarted())
        return std::string(kDeclaration);
    writtenUpTo(writeClosing(room(closingRoom())));
    g_lastDocumentSize.store(m_size, std::memory_order_relaxed);
    m_text.resize(m_size);
    std::string out = std::move(m_text);
    m_text.clear();
    clear();
    return out;
}

size_t XmlTextWriter::closingRoom() const
{
    size_t room = 1;
    for (size_t depth = m_depth; depth > 0; --depth)
        room += endTagRoom(m_open[depth - 1], depth);
    return room;
}

char *XmlTextWriter::writeClosing(char *out) const
{
    for (size_t depth = m_depth; depth > 0; --depth)
        out = writeEndTag(out, m_open[depth - 1], depth);
    *out++ = '\n';
    return out;
}

XmlTextWriter::ClosingScope::ClosingScope(XmlTextWriter &writer)
    : m_writer(writer)
    , m_written(writer.m_size)
{
    assert(m_writer.isStarted() && "no document to close");
    m_writer.writtenUpTo(m_writer.writeClosing(m_writer.room(m_writer.closingRoom())));
    g_lastDocumentSize.store(m_writer.m_size, std::memory_order_relaxed);
}

XmlTextWriter::ClosingScope::~ClosingScope()
{
    m_writer.m_size = m_written;
}

void XmlTextWriter::makeRoom(size_t count)
{
    // The string fills what it grows by: room is made in steps that stay in the cache until
    // they are written over, while the capacity grows by doubling.
    const size_t size = m_size + count + kRoomStep;
    if (size > m_text.capacity())
        m_text.reserve(std::max(size, 2 * m_text.capacity()));
    m_text.resize(size);
}

void XmlTextWriter::append(std::string_view text)
{
    char *out = room(text.size());
    std::memcpy(out, text.data(), text.size());
    writtenUpTo(out + text.size());
}

void XmlTextWriter::appendEscaped(std::string_view text, unsigned char where)
{
    writtenUpTo(writeEscaped(room(kMaxEscapedLength * text.size()), text, where));
}

void XmlTextWriter::splice(size_t begin, size_t end, std::string_view replacement)
{
    const size_t tail = m_size - end;
    const size_t length = replacement.size();
    if (length > end - begin)
        room(length - (end - begin));
    char *data = m_text.data();
    std::memmove(data + begin + length, data + end, tail);
    std::memcpy(data + begin, replacement.data(), length);
    m_size = begin + length + tail;
}

void XmlTextWriter::replace(Span &span, std::string_view replacement)
{
    const size_t begin = span.begin;
    const size_t oldEnd = span.end;
    splice(begin, oldEnd, replacement);
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
    return std::string_view(m_text.data() + span.begin, span.end - span.begin);
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
