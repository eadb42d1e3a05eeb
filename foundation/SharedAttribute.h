// Morvane foundation library.
// A member described once for every object of a class that registers it alike.
#pragma once

#include "foundation/MemberName.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlAttribute.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class CAttContainer;

namespace morvane {

/// A member as every object of a class registers it: name, kind, presence, form, and the
/// member's place counted in bytes from the object's container, so that one description serves
/// all the objects (see AttributeLayout). It does for the container it is given what the
/// attribute classes do for their one object, and Bind makes that attribute for one object.
/// Its kind tells its class: a value kind SharedValueAttribute, atPtrAttribute
/// SharedReferenceAttribute, atCollectionEx SharedCollectionAttribute.
class SharedAttribute
{
public:
    SharedAttribute(MemberName name, XML_ATTRIBUTE_KIND kind, XmlPresence presence, XmlForm form,
                    ptrdiff_t offset);
    virtual ~SharedAttribute();
    SharedAttribute(const SharedAttribute &) = delete;
    SharedAttribute &operator=(const SharedAttribute &) = delete;

    const std::string &GetName() const { return m_sName; }
    XML_ATTRIBUTE_KIND GetKind() const { return m_eKind; }
    XmlPresence GetPresence() const { return m_ePresence; }
    XmlForm GetForm() const { return m_eForm; }

    /// Loads container's member from the archive's current element (the object's element) as
    /// CAttContainer::LoadAttributes does: from its first child of the member's name at or
    /// after position (which then moves past it), or from the element itself. False when the
    /// element holds nothing for the member.
    virtual bool Load(CXmlArchive &archive, CAttContainer &container, int &position) const = 0;
    /// Writes container's member into the archive's current element when it must be written.
    virtual void Save(CXmlArchive &archive, const CAttContainer &container) const = 0;
    /// As CXmlAttribute::MustSave.
    virtual bool MustSave(const CAttContainer &container) const = 0;
    /// As CXmlAttribute::OnMissing.
    virtual void OnMissing(CAttContainer &container) const = 0;
    /// As the CXmlAttribute functions of the same names; nothing here.
    virtual void RegisterNames(CXmlArchive &archive, const CAttContainer &container) const;
    virtual void ResolveReferences(CXmlArchive &archive, CAttContainer &container) const;
    virtual void RedirectReferences(const CAttContainer &container, CAttContainer *from,
                                    CAttContainer *to) const;
    /// The attribute of container's member, as the registration made it.
    virtual std::unique_ptr<CXmlAttribute> Bind(CAttContainer &container) const = 0;

protected:
    void *MemberOf(const CAttContainer &container) const
    {
        return reinterpret_cast<void *>(reinterpret_cast<uintptr_t>(&container) +
                                        static_cast<uintptr_t>(m_nOffset));
    }
    /// The text stored for a member kept as one text: that of its child element at or after
    /// position (which then moves past it), read without entering the child, or the object's
    /// XML attribute. False when there is none.
    bool ReadText(CXmlArchive &archive, int &position, std::string_view &text) const
    {
        // Members are written in the order they are registered: the child looked for is most
        // often the next one, which the filer steps to without a search.
        return (m_eForm == XmlForm::Element &&
                archive.GetFiler().ReadNextChildValue(m_sName, position, text)) ||
               FindText(archive, position, text);
    }
    // ReadText where the child looked for is not the next one.
    bool FindText(CXmlArchive &archive, int &position, std::string_view &text) const;
    /// Writes text as the member's child element or XML attribute.
    void WriteText(CXmlArchive &archive, std::string_view text) const;
    ptrdiff_t GetOffset() const { return m_nOffset; }
    /// Whether two texts are equal; in line, as every registration compares a few. A loop
    /// rather than a call: the texts are short and mostly empty or told apart by their
    /// addresses, and a call would make every registration save registers around it.
    static bool SameText(std::string_view a, std::string_view b)
    {
        if (a.size() != b.size())
            return false;
        for (size_t i = 0; i < a.size(); ++i) {
            if (a[i] != b[i])
                return false;
        }
        return true;
    }
    /// Whether name is the member's name: the same constant, told by its address, or the same
    /// text at another.
    bool HasName(MemberName name) const { return SameConstant(m_sName, m_pNameConstant, name); }
    /// Whether name is text, which was registered as the constant at address constant.
    static bool SameConstant(const std::string &text, const char *constant, MemberName name)
    {
        const std::string_view view = name;
        return (view.data() == constant && view.size() == text.size()) || SameText(text, view);
    }
    /// Whether the presence lets the member be written at all.
    bool IsWritable() const;

private:
    std::string m_sName;
    const char *m_pNameConstant;
    XML_ATTRIBUTE_KIND m_eKind;
    XmlPresence m_ePresence;
    XmlForm m_eForm;
    ptrdiff_t m_nOffset;
};

} // namespace morvane
