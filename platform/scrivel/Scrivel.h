// Morvane Scrivel XML filer.
// One XML document in memory with a cursor on its current element, read from and written to files.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

/// An XML document with a cursor: the current element, which the select, return and add
/// operations move. Children keep document order and additions are appended in call order, so a
/// document written through it lists elements and XML attributes in the order they were added.
///
/// Loading checks the whole document: text that is not well-formed XML or a document without a
/// single root element is refused, and GetLastError() then names the source, the line and the
/// reason. The cursor goes no deeper than kMaxDepth levels, so that code walking a document
/// recursively stays within its stack whatever the document. Files are read and written
/// as UTF-8 (other encodings, told by a byte-order mark or the XML declaration, are converted on
/// reading, and the line of a refused one is counted in its own characters); saving writes a
/// temporary file beside the target and renames it over the target, so a failed save leaves the
/// old file as it was.
///
/// A document started empty (AddItem with no document) is written straight to text while it is
/// built, without a tree: only the elements from the root to the current one stay open, and
/// ReturnBack closes the current one for good. The operations that reach other elements
/// (SelectRootItem, GetChildsCount, GetChildName, FindChild, SelectChild) first read the text
/// written so far back into a tree, keeping the cursor where it is; a text that is empty or
/// only blanks beside child elements does not come back from that reading.
///
/// A loaded document of the common kind (see morvane::XmlIndex) is read into a compact index over
/// its text rather than a tree; the first change to it (AddItem, SetValue, AddItemVal) makes it
/// a tree, keeping the cursor where it is.
///
/// Texts returned as std::string_view stay valid until the document is changed or reloaded.
class CScrivel
{
public:
    /// The deepest level the cursor goes to (the root is at depth 1).
    static constexpr int kMaxDepth = 256;

    CScrivel();
    ~CScrivel();
    CScrivel(const CScrivel &) = delete;
    CScrivel &operator=(const CScrivel &) = delete;

    /// Replaces the document by the one in the file. False when the file cannot be read or is
    /// refused (see the class comment); the document is then empty.
    bool LoadFromFile(const std::filesystem::path &fileName);
    /// Replaces the document by the one in text; sourceName stands for the file name in error
    /// messages. False as LoadFromFile.
    bool LoadFromText(std::string_view text, std::string_view sourceName = "XML text");
    /// Writes the whole document to the file (temporary file, then rename). False on any write
    /// error, with GetLastError() naming the file and the system's reason.
    bool SaveToFile(const std::filesystem::path &fileName);
    /// The whole document as indented UTF-8 text with an XML declaration.
    std::string GetXmlContents() const;
    /// GetXmlContents, handing a written document's text over without a copy; the document is
    /// left empty.
    std::string TakeXmlContents();
    /// Why the last load or save failed: "<source>: line <n>: <reason>" for a refused document,
    /// "<file>: <reason>" otherwise; empty after a successful load or save. A refused SelectChild
    /// below kMaxDepth leaves "<source>: elements nested deeper than <kMaxDepth> levels".
    const std::string &GetLastError() const;

    /// Makes the root element current; false on an empty document.
    bool SelectRootItem();
    /// The current element's name; empty when there is no current element.
    std::string_view GetActiveItemName() const;
    /// The number of child elements (other nodes do not count) of the current element.
    int GetChildsCount();
    /// The name of child element i (0 <= i < GetChildsCount()); empty when there is no such
    /// child or no current element.
    std::string_view GetChildName(int i);
    /// The index of the first child element named name at index first or after; -1 when there
    /// is none (also when there is no current element).
    int FindChild(std::string_view name, int first);
    /// FindChild, giving also the text of the child found as GetChildValue does (value is
    /// left unchanged when there is none).
    int FindChildValue(std::string_view name, int first, std::string_view &value);
    /// A step for reading children in order: when child element position is named name and
    /// could be made current (it lies no deeper than kMaxDepth), gives its text as
    /// FindChildValue does, moves position past it and returns true. False, changing nothing,
    /// in any other case, and always for a document that is not indexed: FindChildValue then
    /// tells.
    bool ReadNextChildValue(std::string_view name, int &position, std::string_view &value);
    /// The text of child element i (0 <= i < GetChildsCount()), as GetValue gives it once the
    /// child is current; the cursor stays. Empty when there is no such child or no current
    /// element.
    std::string_view GetChildValue(int i);
    /// Makes child element i current; false, leaving the cursor, when there is no such child or
    /// it lies deeper than kMaxDepth (GetLastError() then says so).
    bool SelectChild(int i);
    /// Makes the parent of the current element current; false at the root (the root stays).
    bool ReturnBack();
    /// How deep the current element lies: 1 for the root, 0 when there is no current element.
    int GetDepth() const;
    /// Appends a child element to the current element (on an empty document: creates the root)
    /// and makes it current. False when the document has a root but no current element.
    bool AddItem(const std::string &name);

    /// Appends a child element holding value as its text to the current element, which stays
    /// current: AddItem, SetValue and ReturnBack in one step. False when there is no current
    /// element.
    bool AddTextItem(const std::string &name, std::string_view value);

    /// The current element's text (its first text or CDATA child); empty when it has none.
    std::string_view GetValue() const;
    /// Sets the current element's text.
    void SetValue(std::string_view value);
    /// Whether the current element has the XML attribute.
    bool HasAttribute(const std::string &name) const;
    /// The value of an XML attribute of the current element; false, leaving value unchanged,
    /// when it has none of that name.
    bool GetItemVal(const std::string &name, std::string_view &value) const;
    /// Adds, or sets when present, an XML attribute of the current element; false when there is
    /// no current element.
    bool AddItemVal(const std::string &name, std::string_view value);

private:
    struct Private;
    std::unique_ptr<Private> m_pPrivate;
};
