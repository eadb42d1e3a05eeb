// Morvane Scrivel XML filer.
// One XML document in memory with a cursor on its current element, read from and written to files.
#include "platform/scrivel/Scrivel.h"

#include "platform/scrivel/FileReplace.h"
#include "platform/scrivel/XmlIndex.h"
#include "platform/scrivel/XmlTextWriter.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <pugixml.hpp>
#include <sys/stat.h>
#include <vector>

namespace {

// The options that documents are parsed with. A text that comes first in its element is kept in
// the element node itself rather than in a node of its own: most elements of a stored document
// hold one number, and this nearly halves the nodes.
constexpr unsigned kParseOptions =
    pugi::parse_default | pugi::parse_ws_pcdata_single | pugi::parse_embed_pcdata;

// One level of the cursor: an element, and the child element reached last, from which the
// next one asked for is found by walking siblings.
struct Frame
{
    pugi::xml_node node;
    pugi::xml_node child;
    int childIndex = 0;
    // -1 until counted.
    int childCount = -1;
};

constexpr uint32_t kNoElement = UINT32_MAX;

// One level of the cursor in an indexed document: as Frame, with elements of the index.
struct IndexFrame
{
    uint32_t element = 0;
    // One past the element's last descendant.
    uint32_t end = 0;
    // The child element reached last and its index (kNoElement and -1 before the first), and
    // the element after it, which is the next child when it lies before end.
    uint32_t child = kNoElement;
    int childIndex = -1;
    uint32_t after = 0;
    int childCount = -1;
};

class StringWriter : public pugi::xml_writer
{
public:
    explicit StringWriter(std::string &out)
        : m_out(out)
    {
    }
    void write(const void *data, size_t size) override
    {
        m_out.append(static_cast<const char *>(data), size);
    }

private:
    std::string &m_out;
};

const char *describe(pugi::xml_parse_status status)
{
    switch (status) {
    case pugi::status_ok:
        return "no error";
    case pugi::status_file_not_found:
        return "file not found";
    case pugi::status_io_error:
        return "read error";
    case pugi::status_out_of_memory:
        return "out of memory";
    case pugi::status_internal_error:
        return "internal error of the XML parser";
    case pugi::status_unrecognized_tag:
        return "unrecognised tag";
    case pugi::status_bad_pi:
        return "bad declaration or processing instruction";
    case pugi::status_bad_comment:
        return "bad comment";
    case pugi::status_bad_cdata:
        return "bad CDATA section";
    case pugi::status_bad_doctype:
        return "bad document type declaration";
    case pugi::status_bad_pcdata:
        return "bad text";
    case pugi::status_bad_start_element:
        return "bad start tag";
    case pugi::status_bad_attribute:
        return "bad attribute";
    case pugi::status_bad_end_element:
        return "bad end tag";
    case pugi::status_end_element_mismatch:
        return "end tag missing or not matching its start tag";
    case pugi::status_append_invalid_root:
        return "invalid root";
    case pugi::status_no_document_element:
        return "no root element";
    }
    return "unknown XML error";
}

int lineAt(std::string_view text, ptrdiff_t offset)
{
    const size_t end = std::min(text.size(), static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)));
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + end, '\n'));
}

int utf8Length(uint32_t code)
{
    return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

// Code unit i of size unitSize (1, 2 or 4 bytes) of text.
uint32_t codeUnit(std::string_view text, size_t i, size_t unitSize, bool bigEndian)
{
    uint32_t unit = 0;
    for (size_t b = 0; b < unitSize; ++b) {
        const size_t at = bigEndian ? i + b : i + unitSize - 1 - b;
        unit = unit << 8 | static_cast<unsigned char>(text[at]);
    }
    return unit;
}

// The line of a place that the parser gives in bytes of the UTF-8 text it converted text to from
// encoding: the characters of text are walked until their UTF-8 form reaches the place.
int lineAt(std::string_view text, pugi::xml_encoding encoding, ptrdiff_t offset)
{
    const bool bigEndian =
        encoding == pugi::encoding_utf16_be || encoding == pugi::encoding_utf32_be;
    size_t unitSize = 0;
    switch (encoding) {
    case pugi::encoding_latin1:
        unitSize = 1;
        break;
    case pugi::encoding_utf16_le:
    case pugi::encoding_utf16_be:
        unitSize = 2;
        break;
    case pugi::encoding_utf32_le:
    case pugi::encoding_utf32_be:
        unitSize = 4;
        break;
    default:
        return lineAt(text, offset);
    }
    int line = 1;
    ptrdiff_t converted = 0;
    for (size_t i = 0; i + unitSize <= text.size() && converted < offset;) {
        uint32_t code = codeUnit(text, i, unitSize, bigEndian);
        i += unitSize;
        // A surrogate pair of UTF-16 is one character.
        if (unitSize == 2 && code >= 0xD800 && code < 0xDC00 && i + 2 <= text.size()) {
            code = 0x10000 + ((code - 0xD800) << 10) + (codeUnit(text, i, 2, bigEndian) - 0xDC00);
            i += 2;
        }
        if (code == '\n')
            ++line;
        converted += utf8Length(code);
    }
    return line;
}

// node when it is an element, else the next element among its siblings; null when none.
pugi::xml_node elementFrom(pugi::xml_node node)
{
    // A null node's type is node_null: one call per node tells both.
    for (;;) {
        const pugi::xml_node_type type = node.type();
        if (type == pugi::node_element || type == pugi::node_null)
            return node;
        node = node.next_sibling();
    }
}

int countElements(pugi::xml_node parent)
{
    int count = 0;
    for (pugi::xml_node child = elementFrom(parent.first_child()); child;
         child = elementFrom(child.next_sibling()))
        ++count;
    return count;
}

// Compares without measuring the node's name first: most names differ in their first letters.
bool hasName(pugi::xml_node node, std::string_view name)
{
    const char *nodeName = node.name();
    for (const char c : name) {
        // The terminating null of a shorter name differs from c and stops the comparison.
        if (*nodeName++ != c)
            return false;
    }
    return *nodeName == '\0';
}

// Reads the rest of file into text, which takes no more memory than the file needs when its
// size can be told beforehand.
bool readWhole(std::FILE *file, std::string &text)
{
    struct stat status = {};
    if (fstat(fileno(file), &status) == 0 && status.st_size > 0)
        text.reserve(static_cast<size_t>(status.st_size));
    char buffer[65536];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, read);
    return std::ferror(file) == 0;
}

} // namespace

struct CScrivel::Private
{
    // Fails a load: the document is emptied and the reason kept.
    bool refuse(std::string_view source, int line, const char *reason)
    {
        document.reset();
        lastError = std::string(source) + ": line " + std::to_string(line) + ": " + reason;
        return false;
    }

    bool parse(std::string text, std::string_view source);
    bool parseTree(std::string_view text, std::string_view source);
    void clear()
    {
        document.reset();
        index.clear();
        writer.clear();
        depth = 0;
    }
    // A document being written becomes a tree, its cursor on the same element.
    void readBackWrittenText();
    // An indexed document becomes a tree before it changes, its cursor on the same element.
    void treeFromIndex();
    // A tree parsed from text, its cursor following path from the root.
    void makeTree(std::string_view text, const std::vector<int> &path);
    bool isIndexed() const { return !index.empty(); }
    // The current element as a tree, for the operations that reach other elements.
    Frame *treeFrame()
    {
        if (writer.isStarted())
            readBackWrittenText();
        return current();
    }
    // The current element as a tree that is about to change.
    Frame *changingFrame()
    {
        if (isIndexed())
            treeFromIndex();
        return current();
    }

    Frame *current() { return depth == 0 ? nullptr : &frames[static_cast<size_t>(depth - 1)]; }
    const Frame *current() const
    {
        return depth == 0 ? nullptr : &frames[static_cast<size_t>(depth - 1)];
    }
    IndexFrame *indexCurrent()
    {
        return depth == 0 ? nullptr : &indexFrames[static_cast<size_t>(depth - 1)];
    }
    const IndexFrame *indexCurrent() const
    {
        return depth == 0 ? nullptr : &indexFrames[static_cast<size_t>(depth - 1)];
    }

    void push(pugi::xml_node node)
    {
        if (static_cast<size_t>(depth) == frames.size())
            frames.emplace_back();
        Frame &frame = frames[static_cast<size_t>(depth)];
        frame.node = node;
        frame.child = pugi::xml_node();
        frame.childIndex = 0;
        frame.childCount = -1;
        ++depth;
    }

    void push(uint32_t element)
    {
        if (static_cast<size_t>(depth) == indexFrames.size())
            indexFrames.emplace_back();
        indexFrames[static_cast<size_t>(depth)] = {element, index.end(element), kNoElement, -1,
                                                   element + 1, -1};
        ++depth;
    }

    static int childCount(Frame &frame)
    {
        if (frame.childCount < 0)
            frame.childCount = countElements(frame.node);
        return frame.childCount;
    }

    int childCount(IndexFrame &frame) const
    {
        if (frame.childCount < 0) {
            frame.childCount = 0;
            for (uint32_t child = frame.element + 1; child < frame.end; child = index.end(child))
                ++frame.childCount;
        }
        return frame.childCount;
    }

    // Child element i (i >= 0) of the frame's element; null when it has no more children.
    static pugi::xml_node childAt(Frame &frame, int i)
    {
        if (!frame.child || i < frame.childIndex) {
            frame.child = elementFrom(frame.node.first_child());
            frame.childIndex = 0;
        }
        while (frame.child && frame.childIndex < i) {
            frame.child = elementFrom(frame.child.next_sibling());
            ++frame.childIndex;
        }
        return frame.child;
    }

    // As childAt in an indexed document; kNoElement when it has no child i.
    uint32_t childAt(IndexFrame &frame, int i) const
    {
        if (i < frame.childIndex) {
            frame.child = kNoElement;
            frame.childIndex = -1;
            frame.after = frame.element + 1;
        }
        while (frame.childIndex < i && frame.after < frame.end)
            reach(frame, frame.after, frame.childIndex + 1);
        return frame.childIndex == i ? frame.child : kNoElement;
    }

    // Makes child i of the frame's element the one reached last.
    void reach(IndexFrame &frame, uint32_t child, int i) const
    {
        frame.child = child;
        frame.childIndex = i;
        frame.after = index.end(child);
    }

    std::string_view childName(IndexFrame &frame, int i) const
    {
        const uint32_t child = childAt(frame, i);
        return child == kNoElement ? std::string_view() : index.name(child);
    }

    std::string_view childValue(IndexFrame &frame, int i) const
    {
        const uint32_t child = childAt(frame, i);
        return child == kNoElement ? std::string_view() : index.value(child);
    }

    int findChild(IndexFrame &frame, std::string_view name, int first) const
    {
        int i = std::max(first, 0);
        for (uint32_t child = childAt(frame, i); child < frame.end; child = index.end(child), ++i) {
            if (index.hasName(child, name)) {
                reach(frame, child, i);
                return i;
            }
        }
        return -1;
    }

    int findChildValue(std::string_view name, int first, std::string_view &value)
    {
        IndexFrame *frame = indexCurrent();
        const int i = frame == nullptr ? -1 : findChild(*frame, name, first);
        if (i >= 0)
            value = index.value(frame->child);
        return i;
    }

    // CScrivel::ReadNextChildValue: the child after the one reached last, which the previous
    // call most often left there.
    bool readNextChildValue(std::string_view name, int &position, std::string_view &value)
    {
        if (!isIndexed() || !(depth >= 1 && depth < kMaxDepth))
            return false;
        IndexFrame &frame = indexFrames[static_cast<size_t>(depth - 1)];
        const uint32_t child = frame.after;
        if (frame.childIndex + 1 != position || child >= frame.end || !index.hasName(child, name))
            return false;
        value = index.value(child);
        reach(frame, child, position++);
        return true;
    }

    // Whether the cursor may go one level deeper; says why not when it may not.
    bool mayDescend()
    {
        if (depth < kMaxDepth)
            return true;
        lastError =
            sourceName + ": elements nested deeper than " + std::to_string(kMaxDepth) + " levels";
        return false;
    }

    // A document started empty is written straight to text (writer); a loaded one of the
    // common kind is an index over its text (index); any other, or one that changed after it
    // was loaded or written, is a tree (document).
    pugi::xml_document document;
    morvane::XmlIndex index;
    morvane::XmlTextWriter writer;
    std::string sourceName;
    // frames[0 .. depth-1] (indexFrames for an indexed document) is the path from the root to
    // the current element; deeper entries are kept only to reuse their storage.
    std::vector<Frame> frames;
    std::vector<IndexFrame> indexFrames;
    int depth = 0;
    std::string lastError;
};

bool CScrivel::Private::parse(std::string text, std::string_view source)
{
    clear();
    lastError.clear();
    sourceName = source;
    if (index.read(std::move(text)))
        return true;
    const bool parsed = parseTree(index.text(), source);
    index.clear();
    return parsed;
}

bool CScrivel::Private::parseTree(std::string_view text, std::string_view source)
{
    if (text.empty())
        return refuse(source, 1, "the document is empty");
    const pugi::xml_parse_result result =
        document.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_auto);
    if (!result)
        return refuse(source, lineAt(text, result.encoding, result.offset),
                      describe(result.status));
    if (countElements(document) != 1)
        return refuse(source, lineAt(text, result.encoding, document.last_child().offset_debug()),
                      "more than one root element");
    return true;
}

void CScrivel::Private::readBackWrittenText()
{
    const std::vector<int> path = writer.openPath();
    const std::string text = writer.contents();
    writer.clear();
    makeTree(text, path);
}

void CScrivel::Private::treeFromIndex()
{
    std::vector<int> path;
    for (int level = 0; level + 1 < depth; ++level)
        path.push_back(indexFrames[static_cast<size_t>(level)].childIndex);
    const bool hasCursor = depth > 0;
    makeTree(index.text(), path);
    index.clear();
    if (!hasCursor)
        depth = 0;
}

void CScrivel::Private::makeTree(std::string_view text, const std::vector<int> &path)
{
    document.load_buffer(text.data(), text.size(), kParseOptions, pugi::encoding_utf8);
    depth = 0;
    push(document.document_element());
    for (const int i : path)
        push(childAt(*current(), i));
}

CScrivel::CScrivel()
    : m_pPrivate(std::make_unique<Private>())
{
}

CScrivel::~CScrivel() = default;

bool CScrivel::LoadFromFile(const std::filesystem::path &fileName)
{
    std::FILE *file = std::fopen(fileName.c_str(), "rb");
    if (file == nullptr) {
        m_pPrivate->clear();
        m_pPrivate->lastError = fileName.string() + ": cannot open: " + std::strerror(errno);
        return false;
    }
    std::string text;
    const bool readFailed = !readWhole(file, text);
    const int code = errno;
    std::fclose(file);
    if (readFailed) {
        m_pPrivate->clear();
        m_pPrivate->lastError = fileName.string() + ": cannot read: " + std::strerror(code);
        return false;
    }
    return m_pPrivate->parse(std::move(text), fileName.string());
}

bool CScrivel::LoadFromText(std::string_view text, std::string_view sourceName)
{
    return m_pPrivate->parse(std::string(text), sourceName);
}

bool CScrivel::SaveToFile(const std::filesystem::path &fileName)
{
    std::string &error = m_pPrivate->lastError;
    if (m_pPrivate->writer.isStarted())
        return m_pPrivate->writer.useContents([&](std::string_view contents) {
            return morvane::replaceFileContents(fileName, contents, error);
        });
    return morvane::replaceFileContents(fileName, GetXmlContents(), error);
}

std::string CScrivel::GetXmlContents() const
{
    if (m_pPrivate->writer.isStarted())
        return m_pPrivate->writer.contents();
    std::string text;
    StringWriter writer(text);
    if (m_pPrivate->isIndexed()) {
        pugi::xml_document tree;
        const std::string &indexed = m_pPrivate->index.text();
        tree.load_buffer(indexed.data(), indexed.size(), kParseOptions, pugi::encoding_utf8);
        tree.save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
        return text;
    }
    m_pPrivate->document.save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
    return text;
}

std::string CScrivel::TakeXmlContents()
{
    std::string text =
        m_pPrivate->writer.isStarted() ? m_pPrivate->writer.takeContents() : GetXmlContents();
    m_pPrivate->clear();
    return text;
}

const std::string &CScrivel::GetLastError() const
{
    return m_pPrivate->lastError;
}

bool CScrivel::SelectRootItem()
{
    if (m_pPrivate->writer.isStarted())
        m_pPrivate->readBackWrittenText();
    m_pPrivate->depth = 0;
    if (m_pPrivate->isIndexed()) {
        m_pPrivate->push(uint32_t{0});
        return true;
    }
    pugi::xml_node root = m_pPrivate->document.document_element();
    if (!root)
        return false;
    m_pPrivate->push(root);
    return true;
}

std::string_view CScrivel::GetActiveItemName() const
{
    if (m_pPrivate->writer.isStarted())
        return m_pPrivate->writer.elementName();
    if (m_pPrivate->isIndexed()) {
        const IndexFrame *frame = m_pPrivate->indexCurrent();
        return frame == nullptr ? std::string_view() : m_pPrivate->index.name(frame->element);
    }
    const Frame *frame = m_pPrivate->current();
    return frame == nullptr ? std::string_view() : frame->node.name();
}

int CScrivel::GetChildsCount()
{
    if (m_pPrivate->isIndexed()) {
        IndexFrame *frame = m_pPrivate->indexCurrent();
        return frame == nullptr ? 0 : m_pPrivate->childCount(*frame);
    }
    Frame *frame = m_pPrivate->treeFrame();
    return frame == nullptr ? 0 : Private::childCount(*frame);
}

std::string_view CScrivel::GetChildName(int i)
{
    if (m_pPrivate->isIndexed()) {
        IndexFrame *frame = m_pPrivate->indexCurrent();
        return frame == nullptr || i < 0 ? std::string_view() : m_pPrivate->childName(*frame, i);
    }
    Frame *frame = m_pPrivate->treeFrame();
    return frame == nullptr || i < 0 ? std::string_view() : Private::childAt(*frame, i).name();
}

int CScrivel::FindChild(std::string_view name, int first)
{
    if (m_pPrivate->isIndexed()) {
        IndexFrame *frame = m_pPrivate->indexCurrent();
        return frame == nullptr ? -1 : m_pPrivate->findChild(*frame, name, first);
    }
    Frame *frame = m_pPrivate->treeFrame();
    if (frame == nullptr)
        return -1;
    int i = std::max(first, 0);
    for (pugi::xml_node child = Private::childAt(*frame, i); child;
         child = elementFrom(child.next_sibling()), ++i) {
        if (hasName(child, name)) {
            frame->child = child;
            frame->childIndex = i;
            return i;
        }
    }
    return -1;
}

int CScrivel::FindChildValue(std::string_view name, int first, std::string_view &value)
{
    if (m_pPrivate->isIndexed())
        return m_pPrivate->findChildValue(name, first, value);
    const int i = FindChild(name, first);
    if (i >= 0)
        value = m_pPrivate->current()->child.child_value();
    return i;
}

bool CScrivel::ReadNextChildValue(std::string_view name, int &position, std::string_view &value)
{
    return m_pPrivate->readNextChildValue(name, position, value);
}

std::string_view CScrivel::GetChildValue(int i)
{
    if (m_pPrivate->isIndexed()) {
        IndexFrame *frame = m_pPrivate->indexCurrent();
        return frame == nullptr || i < 0 ? std::string_view() : m_pPrivate->childValue(*frame, i);
    }
    Frame *frame = m_pPrivate->treeFrame();
    return frame == nullptr || i < 0 ? std::string_view()
                                     : Private::childAt(*frame, i).child_value();
}

bool CScrivel::SelectChild(int i)
{
    if (m_pPrivate->isIndexed()) {
        IndexFrame *frame = m_pPrivate->indexCurrent();
        if (frame == nullptr || i < 0)
            return false;
        const uint32_t child = m_pPrivate->childAt(*frame, i);
        if (child == kNoElement || !m_pPrivate->mayDescend())
            return false;
        m_pPrivate->push(child);
        return true;
    }
    Frame *frame = m_pPrivate->treeFrame();
    if (frame == nullptr || i < 0)
        return false;
    const pugi::xml_node child = Private::childAt(*frame, i);
    if (!child || !m_pPrivate->mayDescend())
        return false;
    m_pPrivate->push(child);
    return true;
}

bool CScrivel::ReturnBack()
{
    if (m_pPrivate->writer.isStarted())
        return m_pPrivate->writer.closeElement();
    if (m_pPrivate->depth <= 1)
        return false;
    --m_pPrivate->depth;
    return true;
}

int CScrivel::GetDepth() const
{
    if (m_pPrivate->writer.isStarted())
        return m_pPrivate->writer.depth();
    return m_pPrivate->depth;
}

bool CScrivel::AddItem(const std::string &name)
{
    if (m_pPrivate->writer.isStarted()) {
        m_pPrivate->writer.openElement(name);
        return true;
    }
    if (m_pPrivate->isIndexed() && m_pPrivate->depth == 0)
        return false;
    Frame *frame = m_pPrivate->changingFrame();
    if (frame == nullptr) {
        if (m_pPrivate->document.document_element())
            return false;
        m_pPrivate->writer.startDocument(name);
        return true;
    }
    pugi::xml_node child = frame->node.append_child(name.c_str());
    if (frame->childCount >= 0)
        ++frame->childCount;
    m_pPrivate->push(child);
    return true;
}

bool CScrivel::AddTextItem(const std::string &name, std::string_view value)
{
    if (m_pPrivate->writer.isStarted()) {
        m_pPrivate->writer.writeTextElement(name, value);
        return true;
    }
    if (m_pPrivate->depth == 0 || !AddItem(name))
        return false;
    SetValue(value);
    ReturnBack();
    return true;
}

std::string_view CScrivel::GetValue() const
{
    if (m_pPrivate->writer.isStarted())
        return m_pPrivate->writer.text();
    if (m_pPrivate->isIndexed()) {
        const IndexFrame *frame = m_pPrivate->indexCurrent();
        return frame == nullptr ? std::string_view() : m_pPrivate->index.value(frame->element);
    }
    const Frame *frame = m_pPrivate->current();
    return frame == nullptr ? std::string_view() : frame->node.child_value();
}

void CScrivel::SetValue(std::string_view value)
{
    if (m_pPrivate->writer.isStarted()) {
        m_pPrivate->writer.setText(value);
        return;
    }
    Frame *frame = m_pPrivate->changingFrame();
    if (frame == nullptr)
        return;
    pugi::xml_text text = frame->node.text();
    // A text kept in the element itself cannot be empty: an empty one takes a node of its own,
    // as a text set empty is written "<name></name>".
    const bool kept = frame->node.type() == pugi::node_element && *frame->node.value() != '\0';
    if (value.empty() && kept) {
        text.set("", 0);
        frame->node.prepend_child(pugi::node_pcdata);
        return;
    }
    text.set(value.data(), value.size());
}

bool CScrivel::HasAttribute(const std::string &name) const
{
    std::string_view value;
    return GetItemVal(name, value);
}

bool CScrivel::GetItemVal(const std::string &name, std::string_view &value) const
{
    if (m_pPrivate->writer.isStarted())
        return m_pPrivate->writer.findAttribute(name, value);
    if (m_pPrivate->isIndexed()) {
        const IndexFrame *frame = m_pPrivate->indexCurrent();
        return frame != nullptr && m_pPrivate->index.findAttribute(frame->element, name, value);
    }
    const Frame *frame = m_pPrivate->current();
    if (frame == nullptr)
        return false;
    const pugi::xml_attribute attribute = frame->node.attribute(name.c_str());
    if (!attribute)
        return false;
    value = attribute.value();
    return true;
}

bool CScrivel::AddItemVal(const std::string &name, std::string_view value)
{
    if (m_pPrivate->writer.isStarted()) {
        m_pPrivate->writer.setAttribute(name, value);
        return true;
    }
    Frame *frame = m_pPrivate->changingFrame();
    if (frame == nullptr)
        return false;
    pugi::xml_attribute attribute = frame->node.attribute(name.c_str());
    if (!attribute)
        attribute = frame->node.append_attribute(name.c_str());
    return attribute.set_value(value.data(), value.size());
}
