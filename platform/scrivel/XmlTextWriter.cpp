// Morvane Scrivel XML filer.
// A document written straight to text while it is built, in the form the filer prints a tree.
#include "platform/scrivel/XmlTextWriter.h"

#include <cassert>

namespace morvane {

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\"?>\n";
// What the filer prints for an element or XML attribute without a name.
constexpr std::string_view kAnonymous = ":anonymous";

bool isEscapedInText(unsigned char c)
{
    return c == '&' || c == '<' || c == '>' || (c < 32 && c != '\t' && c != '\n' && c != '\r');
}

bool isEscapedInAttribute(unsigned char c)
{
    return c == '&' || c == '<' || c == '"' || c < 32;
}

// A text ends at an embedded null character in the printed document.
std::string_view untilNull(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

template <class IsEscaped>
void appendEscaped(std::string &out, std::string_view text, IsEscaped isEscaped)
{
    size_t plain = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!isEscaped(c))
            continue;
        out.append(text.data() + plain, i - plain);
        plain = i + 1;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // A control character, as two decimal digits.
            out += "&#";
            out += static_cast<char>('0' + c / 10);
            out += static_cast<char>('0' + c % 10);
            out += ';';
            break;
        }
    }
    out.append(text.data() + plain, text.size() - plain);
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
    for (size_t amp = text.find('&'); amp != std::string_view::npos; amp = text.find('&', position)) {
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
    if (!parent.endsWithText) {
        m_text += '\n';
        m_text.append(m_depth, '\t');
    }
    parent.endsWithText = false;
    ++parent.childCount;
    beginElement(name);
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
        out += " />";
        return;
    }
    if (!element.endsWithText) {
        out += '\n';
        out.append(depth - 1, '\t');
    }
    out += "</";
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
        appendEscaped(m_scratch, untilNull(text), isEscapedInText);
        replace(element.text, m_scratch);
        return;
    }
    closeStartTag(element);
    element.text.begin = m_text.size();
    appendEscaped(m_text, untilNull(text), isEscapedInText);
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
    m_scratch.clear();
    appendEscaped(m_scratch, untilNull(value), isEscapedInAttribute);
    for (Attribute &attribute : element.attributes) {
        if (!key.empty() && view(attribute.name) == key) {
            replace(attribute.value, m_scratch);
            return;
        }
    }
    // An anonymous attribute keeps an empty name span, so no name finds it.
    const size_t at = element.attributesEnd;
    const size_t nameEnd = at + 1 + key.size();
    const size_t valueBegin = at + 1 + (key.empty() ? kAnonymous.size() : key.size()) + 2;
    const Attribute added{{at + 1, nameEnd}, {valueBegin, valueBegin + m_scratch.size()}};
    m_scratch.insert(0, "=\"");
    m_scratch.insert(0, key.empty() ? kAnonymous : key);
    m_scratch.insert(0, 1, ' ');
    m_scratch += '"';
    m_text.insert(at, m_scratch);
    shiftFrom(at, m_scratch.size());
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
    for (size_t depth = m_depth; depth > 0; --depth)
        appendEndTag(out, m_open[depth - 1], depth);
    out += '\n';
    return out;
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
