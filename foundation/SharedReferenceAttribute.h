// Morvane foundation library.
// A reference member described once for every object of a class, its names read kept by object.
#pragma once

#include "foundation/SharedAttribute.h"
#include "foundation/XmlObjectAttributes.h"

#include <string>
#include <string_view>

namespace morvane {

/// What one registration of a reference member says.
struct ReferenceRegistration
{
    MemberName name;
    MemberName targetElementName;
    XmlPresence presence;
    XmlForm form;
    /// Where the member lies, in bytes from the registering container.
    ptrdiff_t offset = 0;
    const PtrMemberAccess *access = nullptr;
};

/// A pointer to another stored object (kind atPtrAttribute) as every object of a class
/// registers it: written as the target's object name and read back as CPtrAttribute does. The
/// name read waits in the object (in the PendingReferences of its CAttContainer) until the
/// references are resolved.
class SharedReferenceAttribute final : public SharedAttribute
{
public:
    explicit SharedReferenceAttribute(const ReferenceRegistration &registration);

    /// Whether the registration describes this member.
    bool Matches(const ReferenceRegistration &registration) const;

    bool Load(CXmlArchive &archive, CAttContainer &container, int &position) const override;
    void Save(CXmlArchive &archive, const CAttContainer &container) const override;
    bool MustSave(const CAttContainer &container) const override;
    void OnMissing(CAttContainer &container) const override;
    void ResolveReferences(CXmlArchive &archive, CAttContainer &container) const override;
    void RedirectReferences(const CAttContainer &container, CAttContainer *from,
                            CAttContainer *to) const override;
    std::unique_ptr<CXmlAttribute> Bind(CAttContainer &container) const override;

private:
    void Read(CXmlArchive &archive, CAttContainer &container, std::string_view name) const;

    std::string m_sTargetElementName;
    // The constant registered as the target element name, told by its address (see HasName).
    MemberName m_oTargetElementConstant;
    const PtrMemberAccess *m_pAccess;
};

} // namespace morvane
