// Morvane foundation library.
// The base of the attributes through which an object's members are stored as XML.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class CAttContainer;
class CXmlArchive;

/// The kinds of attribute. Values and names are part of the stored vocabulary; 8 is unused, and
/// kinds 9, 11, 12 and 13 have no attribute class yet.
enum XML_ATTRIBUTE_KIND : uint32_t {
    atContainer = 0,         ///< an embedded object (CContainerAttribute)
    atPtrCollectionEx = 1,   ///< references to objects stored elsewhere (CPtrCollectionAttribute)
    atCollectionEx = 2,      ///< an owning collection of nested objects (CCollectionAttribute)
    atPtrString = 3,         ///< a string (CStringAttribute)
    atPtrDword = 4,          ///< an unsigned 32-bit value (CDwordAttribute)
    atPtrBoolean = 5,        ///< a bool (CBoolAttribute)
    atPtrInteger = 6,        ///< a signed 32-bit value (CIntAttribute)
    atPtrDouble = 7,         ///< a double (CDoubleAttribute)
    atPtrVect2D = 9,         ///< a 2-D vector
    atPtrAttribute = 10,     ///< a reference to another object, stored as its name (CPtrAttribute)
    atRunTimeAttribute = 11, ///< one nested object whose element name selects its class
    atPtrStringEnum = 12,    ///< an enumeration stored as text
    atContent = 13,          ///< the text content of the object's own element
};

/// The name of a kind ("atContainer", ...); empty for a value that is no kind.
std::string_view GetAttributeKindName(XML_ATTRIBUTE_KIND kind);

namespace morvane {

/// How an attribute takes part in loading and saving.
enum class XmlPresence : uint32_t {
    /// Neither read nor written.
    Ignored = 0,
    /// Optional on load (a missing one leaves the member as it is); written when set: a string
    /// that is not empty, a reference that is not null, a collection that is not empty, an
    /// embedded object with something to write; numbers and booleans always.
    Optional = 1,
    /// Required on load (a missing one is reported); always written.
    Required = 2,
    /// Optional on load; never written (read only from older files).
    ReadOnly = 3,
    /// "Written when set": written only when the member differs from its value at
    /// registration (a reference when not null, a collection when not empty); optional on load,
    /// and a missing one puts the member back to its value at registration. So a member that
    /// was never set is absent from the file and reads back unchanged.
    WhenSet = 4,
};

/// Where an attribute is stored.
enum class XmlForm : uint32_t {
    /// A child element named by the attribute; a value is the element's text.
    Element = 0,
    /// A value is an XML attribute of the object's own element; a collection's elements are
    /// children of the object's element without a wrapping element; an embedded object writes
    /// its members into the object's element and marks it with an empty XML attribute of the
    /// attribute's name.
    Attribute = 1,
};

} // namespace morvane

/// One stored member of an object: its name, kind, form and presence, and how it is loaded from
/// and saved to the archive's current element. Attributes are created by the registration calls
/// of CAttContainer and owned by the container.
///
/// Load and Save act on the archive's current element: for form Element that is the attribute's
/// own child element (the container selects or adds it), for form Attribute the object's own
/// element.
class CXmlAttribute
{
public:
    // The names are taken by rvalue reference in the constructors that only subclasses call:
    // a tree of thousands of objects registers every member, and each by-value layer would
    // move the name once more.
    CXmlAttribute(std::string &&name, XML_ATTRIBUTE_KIND kind);
    virtual ~CXmlAttribute();
    CXmlAttribute(const CXmlAttribute &) = delete;
    CXmlAttribute &operator=(const CXmlAttribute &) = delete;

    /// Reads the member from the current element. Returns false when this element does not hold
    /// the member, so that loading looks at the next child of the same name.
    virtual bool Load(CXmlArchive &archive) = 0;
    /// Writes the member to the current element.
    virtual void Save(CXmlArchive &archive) = 0;
    /// Whether Save is to be called (by presence and value).
    virtual bool MustSave() const = 0;
    /// Loading found nothing for the attribute: a WhenSet member returns to its value at
    /// registration. (A missing required attribute is reported by the container.)
    virtual void OnMissing();
    /// Before saving: names the objects that references will point at (collections).
    virtual void RegisterNames(CXmlArchive &archive);
    /// After loading the whole tree: turns the names read into pointers (references).
    virtual void ResolveReferences(CXmlArchive &archive);
    /// Points every reference of the member (and of the objects it holds) that points at from's
    /// object at to's object instead. Nothing here: plain values hold no references.
    virtual void RedirectReferences(CAttContainer *from, CAttContainer *to);

    const std::string &GetName() const { return m_sName; }
    XML_ATTRIBUTE_KIND GetKind() const { return m_eKind; }
    morvane::XmlPresence GetPresence() const { return m_ePresence; }
    morvane::XmlForm GetForm() const { return m_eForm; }
    void SetPresence(morvane::XmlPresence presence) { m_ePresence = presence; }
    void SetForm(morvane::XmlForm form) { m_eForm = form; }

protected:
    bool IsRequired() const { return m_ePresence == morvane::XmlPresence::Required; }
    /// Whether the presence lets the attribute be written at all (Optional, Required, WhenSet).
    bool IsWritable() const;

private:
    std::string m_sName;
    XML_ATTRIBUTE_KIND m_eKind;
    morvane::XmlForm m_eForm = morvane::XmlForm::Element;
    morvane::XmlPresence m_ePresence = morvane::XmlPresence::Required;
};
