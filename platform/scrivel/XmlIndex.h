// Morvane Scrivel XML filer.
// A document of the common kind read in one pass into a compact index of its elements.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace morvane {

/// A well-formed XML document read in one pass into an index over its text: for each element,
/// in document order, its name, its first text, its XML attributes and where its descendants
/// end. Element 0 is the root; the children of element e are e + 1, then each one's end() for
/// as long as that lies before end(e).
///
/// It reads only the common kind of document, as the filer writes it and people edit it: UTF-8
/// without a byte-order mark or an encoding in the declaration, elements, XML attributes in
/// quotes, texts, comments, the entities &amp; &lt; &gt; &quot; &apos; and character references
/// below 128. Anything else (other encodings, CDATA, processing instructions, a document type,
/// text outside the root, other entities, and any document that is not well-formed) is not
/// read: read() then returns false and the caller parses the text with a general parser, which
/// either accepts it or says what is wrong. What read() accepts, that parser reads alike: texts
/// and values come out as it gives them (line ends made "\n", blanks of values made spaces),
/// and an element's text is its first text that the parser keeps (a text of blanks only when
/// it stands alone before the end tag).
class XmlIndex
{
public:
    /// Reads text; false, leaving the index empty, when it is not of the kind described above.
    /// The text is kept.
    bool read(std::string text);
    /// Forgets the document and its text.
    void clear();
    bool empty() const { return m_count == 0; }
    /// The text that was read.
    const std::string &text() const { return m_text; }

    /// One past the last element below e (e + 1 when e has no child elements).
    uint32_t end(uint32_t e) const { return element(e).end; }
    std::string_view name(uint32_t e) const { return view(element(e).name); }
    /// Whether element e is named name.
    bool hasName(uint32_t e, std::string_view name) const { return isName(element(e).name, name); }
    /// Element e's first text; empty when it has none.
    std::string_view value(uint32_t e) const { return view(element(e).value); }
    /// The value of element e's first XML attribute of that name; false when it has none.
    bool findAttribute(uint32_t e, std::string_view name, std::string_view &value) const;

private:
    // Where a name or a text lies: in the text read, or (kDecoded set in offset) in m_decoded
    // when entities or line ends had to be replaced.
    struct Span
    {
        uint32_t offset = 0;
        uint32_t length = 0;
    };
    struct Element
    {
        Span name;
        Span value;
        uint32_t end = 0;
        uint32_t firstAttribute = 0;
    };
    struct Attribute
    {
        Span name;
        Span value;
    };
    class Reader;

    static constexpr uint32_t kDecoded = 0x80000000u;
    static constexpr uint32_t kNone = UINT32_MAX;
    // Elements are kept in blocks of a fixed size, so that the index grows without copying
    // them or counting them beforehand, and holds no more room than one block beyond them.
    static constexpr uint32_t kBlockBits = 12;
    static constexpr uint32_t kBlockSize = 1u << kBlockBits;

    const Element &element(uint32_t e) const
    {
        return m_blocks[e >> kBlockBits][e & (kBlockSize - 1)];
    }
    Element &element(uint32_t e) { return m_blocks[e >> kBlockBits][e & (kBlockSize - 1)]; }
    // Appends an element, numbered m_count - 1 after; returns where it is kept.
    Element &append(const Element &element)
    {
        if ((m_count & (kBlockSize - 1)) == 0)
            addBlock();
        Element &kept = m_blocks.back()[m_count++ & (kBlockSize - 1)];
        kept = element;
        return kept;
    }
    void addBlock();

    // Whether the name at span (always in the text read, never empty) is name. Names are
    // short: rather than a call or a loop over them, two loads from each end that meet or
    // overlap.
    bool isName(Span span, std::string_view name) const
    {
        const size_t length = name.size();
        if (span.length != length)
            return false;
        const char *text = m_text.data() + span.offset;
        if (length >= sizeof(uint32_t))
            return length <= 2 * sizeof(uint32_t) ? sameEnds<uint32_t>(text, name.data(), length)
                                                  : std::memcmp(text, name.data(), length) == 0;
        if (length >= sizeof(uint16_t))
            return sameEnds<uint16_t>(text, name.data(), length);
        return text[0] == name[0];
    }
    // Whether the first and the last sizeof(Word) of the length characters at a and b are
    // alike.
    template <typename Word>
    static bool sameEnds(const char *a, const char *b, size_t length)
    {
        const size_t last = length - sizeof(Word);
        return load<Word>(a) == load<Word>(b) && load<Word>(a + last) == load<Word>(b + last);
    }
    template <typename Word>
    static Word load(const char *p)
    {
        Word word;
        std::memcpy(&word, p, sizeof word);
        return word;
    }

    std::string_view view(Span span) const
    {
        // Spans lie inside what they were read from: no check.
        const std::string &from = (span.offset & kDecoded) != 0 ? m_decoded : m_text;
        return std::string_view(from.data() + (span.offset & ~kDecoded), span.length);
    }

    std::string m_text;
    std::string m_decoded;
    std::vector<std::unique_ptr<Element[]>> m_blocks;
    uint32_t m_count = 0;
    std::vector<Attribute> m_attributes;
};

} // namespace morvane
