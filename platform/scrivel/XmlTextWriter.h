// Morvane Scrivel XML filer.
// A document written straight to text while it is built, in the form the filer prints a tree.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

/// Writes an XML document as text while it is being built, without a tree in between. The text
/// is byte for byte what the filer prints for the tree that the same calls would build: an XML
/// declaration, each element on its own line indented by tabs, an element holding only text on
/// one line, an empty element as "<name />", and after a text no line break before the next
/// element or the end tag.
///
/// Only the elements from the root to the current one are open. The current element's XML
/// attributes and text can still be read and changed, also after child elements were written;
/// an element once closed cannot. Names are written as given (an empty one as ":anonymous");
/// texts and values are escaped, and end at an embedded null character.
class XmlTextWriter
{
public:
    /// Whether a document was started.
    bool isStarted() const { return m_depth > 0; }
    /// Forgets the document.
    void clear();
    /// Starts a new document whose root element is name; the root becomes current. Reserves
    /// room for a little more text than the last document finished in the process held, so that
    /// a document saved again is written without moving its text as it grows.
    void startDocument(std::string_view name);
    /// Appends a child element to the current element and makes it current.
    void openElement(std::string_view name);
    /// Appends a child element holding only text to the current element, which stays current:
    /// what openElement, setText and closeElement write, in one step.
    void writeTextElement(std::string_view name, std::string_view text);
    /// Closes the current element and makes its parent current; false at the root, which stays.
    bool closeElement();
    /// How deep the current element lies: 1 for the root.
    int depth() const { return static_cast<int>(m_depth); }
    /// For each open element below the root, its index among its parent's child elements.
    std::vector<int> openPath() const;

    std::string_view elementName() const;
    /// Sets the current element's text: replaces its first text, or appends one after its
    /// child elements when it has none.
    void setText(std::string_view text);
    /// The current element's first text, unescaped; valid until the next change.
    std::string_view text();
    /// Adds the XML attribute to the current element, or replaces its value when present.
    void setAttribute(std::string_view name, std::string_view value);
    /// The value of the current element's XML attribute, unescaped and valid until the next
    /// change; false when it has none of that name.
    bool findAttribute(std::string_view name, std::string_view &value);

    /// The whole document, every open element closed.
    std::string contents() const;
    /// The whole document as contents() gives it, handed over without a copy; the writer is left
    /// without a document.
    std::string takeContents();
    /// Calls use with a view of the whole document as contents() gives it, without a copy, and
    /// gives use's result; the document, which must be started, stays as it was.
    template <class Use> auto useContents(Use use)
    {
        const ClosingScope closing(*this);
        return use(std::string_view(m_text.data(), m_size));
    }

private:
    struct Span
    {
        size_t begin = 0;
        size_t end = 0;
    };
    struct Attribute
    {
        Span name;
        Span value;
    };
    struct OpenElement
    {
        // Empty for an element without a name.
        Span name;
        // Where the start tag's XML attributes end: the next one goes there.
        size_t attributesEnd = 0;
        bool hasContent = false;
        // The last thing written inside is a text: no line break before what follows.
        bool endsWithText = false;
        bool hasText = false;
        Span text;
        int childCount = 0;
        std::vector<Attribute> attributes;
    };

    // Appends the end tags of the open elements and the final line break to the text for its
    // lifetime.
    class ClosingScope
    {
    public:
        explicit ClosingScope(XmlTextWriter &writer);
        ~ClosingScope();
        ClosingScope(const ClosingScope &) = delete;
        ClosingScope &operator=(const ClosingScope &) = delete;

    private:
        XmlTextWriter &m_writer;
        size_t m_written;
    };

    void beginElement(std::string_view name);
    // The room that the end tags of the open elements and the final line break need, and
    // writes them at out.
    size_t closingRoom() const;
    char *writeClosing(char *out) const;
    // Ends element's start tag at out when it is still open; gives where writing goes on.
    static char *closeStartTag(char *out, OpenElement &element);
    OpenElement &current() { return m_open[m_depth - 1]; }
    const OpenElement &current() const { return m_open[m_depth - 1]; }
    char *writeEndTag(char *out, const OpenElement &element, size_t depth) const;
    // The room that writeEndTag needs.
    size_t endTagRoom(const OpenElement &element, size_t depth) const;
    // Room for count more characters after the text, and where they go; writtenUpTo then ends
    // the text where they ended.
    char *room(size_t count)
    {
        if (m_text.size() - m_size < count)
            makeRoom(count);
        return m_text.data() + m_size;
    }
    void makeRoom(size_t count);
    void writtenUpTo(const char *end) { m_size = static_cast<size_t>(end - m_text.data()); }
    void append(std::string_view text);
    // Writes the XML attribute at the end of the text and gives where its parts lie; an
    // anonymous one keeps an empty name span, so no name finds it.
    Attribute writeAttribute(std::string_view key, std::string_view value);
    void appendEscaped(std::string_view text, unsigned char where);
    // Replaces the characters from begin to end by replacement, moving what follows.
    void splice(size_t begin, size_t end, std::string_view replacement);
    // Replaces a span of the current element by replacement, moving what follows.
    void replace(Span &span, std::string_view replacement);
    // Moves every offset of the current element at or after position by delta.
    void shiftFrom(size_t position, size_t delta);
    std::string_view view(Span span) const;
    std::string_view unescaped(Span span);

    // The document so far is m_text's first m_size characters; the rest of m_text is room,
    // made in large steps so that writing an element does not fill it first.
    std::string m_text;
    size_t m_size = 0;
    // m_open[0 .. m_depth-1] are the open elements from the root; entries beyond keep their
    // storage for reuse.
    std::vector<OpenElement> m_open;
    size_t m_depth = 0;
    std::string m_scratch;
    std::string m_unescaped;
};

} // namespace morvane
