// Morvane foundation library.
// A reference member described once for every object of a class, its names read kept by object.
#pragma once

#include "foundation/SharedAttribute.h"
#include "foundation/XmlObjectAttributes.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

/// The names that an object's shared references read in one load, until they are resolved.
class PendingReferences
{
public:
    /// Drops the names of any other load.
    void StartLoad(uint64_t loadId);
    uint64_t GetLoadId() const { return m_nLoadId; }
    void Add(const SharedAttribute *reference, std::string_view name);
    /// Takes out the name read for the reference; false when there is none.
    bool Take(const SharedAttribute *reference, std::string &name);

private:
    struct Entry
    {
        // Null for a free entry.
        const SharedAttribute *reference = nullptr;
        std::string name;
    };

    Entry *Find(const SharedAttribute *reference);

    uint64_t m_nLoadId = 0;
    // Most objects hold one reference: its name needs no room of its own.
    Entry m_oFirst;
    std::vector<Entry> m_aMore;
};

/// A pointer to another stored object (kind atPtrAttribute) as every object of a class
/// registers it: written as the target's object name and read back as CPtrAttribute does. The
/// name read waits in the object (CAttContainer keeps a PendingReferences while it has some)
/// until the references are resolved.
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
    // Where the constant registered as the target element name lies (see HasName).
    const char *m_pTargetElementConstant;
    const PtrMemberAccess *m_pAccess;
};

} // namespace morvane
