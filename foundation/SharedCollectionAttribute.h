// Morvane foundation library.
// An owning collection of one class of elements, described once for every object of a class.
#pragma once

#include "foundation/SharedAttribute.h"
#include "foundation/XmlCollectionAttributes.h"

#include <memory>
#include <string_view>

namespace morvane {

/// What one registration of an owning collection of one class of elements says.
struct CollectionRegistration
{
    MemberName name;
    MemberName elementName;
    XmlNaming naming;
    const CRuntimeClass *cls;
    XmlPresence presence;
    XmlForm form;
    /// Where the collection lies, in bytes from the registering container.
    ptrdiff_t offset = 0;
    MakeCollectionAttribute make = nullptr;
};

/// An owning collection whose elements are all of one class (kind atCollectionEx), as every
/// object of a class registers it. It works through an attribute of the collection's type
/// bound to no collection, which it gives the collection of each container it is asked about.
class SharedCollectionAttribute final : public SharedAttribute
{
public:
    explicit SharedCollectionAttribute(const CollectionRegistration &registration);

    /// Whether the registration describes this member.
    bool Matches(const CollectionRegistration &registration) const;

    bool Load(CXmlArchive &archive, CAttContainer &container, int &position) const override;
    void Save(CXmlArchive &archive, const CAttContainer &container) const override;
    bool MustSave(const CAttContainer &container) const override;
    void OnMissing(CAttContainer &container) const override;
    void RegisterNames(CXmlArchive &archive, const CAttContainer &container) const override;
    void ResolveReferences(CXmlArchive &archive, CAttContainer &container) const override;
    void RedirectReferences(const CAttContainer &container, CAttContainer *from,
                            CAttContainer *to) const override;
    std::unique_ptr<CXmlAttribute> Bind(CAttContainer &container) const override;

private:
    std::unique_ptr<CCollectionAttribute> Make(void *collection) const;

    std::string m_sElementName;
    // Where the constant registered as the element name lies (see HasName).
    const char *m_pElementConstant;
    XmlNaming m_eNaming;
    const CRuntimeClass *m_pClass;
    MakeCollectionAttribute m_pfnMake;
    std::unique_ptr<const CCollectionAttribute> m_pUnbound;
};

} // namespace morvane
