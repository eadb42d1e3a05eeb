// Morvane foundation library.
// An owning collection of one class of elements, described once for every object of a class.
#include "foundation/SharedCollectionAttribute.h"

#include "foundation/XmlArchive.h"

namespace morvane {

SharedCollectionAttribute::SharedCollectionAttribute(const CollectionRegistration &registration)
    : SharedAttribute(registration.name, atCollectionEx, registration.presence, registration.form,
                      registration.offset)
    , m_sElementName(registration.elementName.View())
    , m_pElementConstant(registration.elementName.View().data())
    , m_eNaming(registration.naming)
    , m_pClass(registration.cls)
    , m_pfnMake(registration.make)
    , m_pUnbound(Make(nullptr))
{
}

bool SharedCollectionAttribute::Matches(const CollectionRegistration &registration) const
{
    return GetOffset() == registration.offset && m_pfnMake == registration.make &&
           m_pClass == registration.cls && m_eNaming == registration.naming &&
           GetPresence() == registration.presence && GetForm() == registration.form &&
           HasName(registration.name) &&
           SameConstant(m_sElementName, m_pElementConstant, registration.elementName);
}

std::unique_ptr<CCollectionAttribute> SharedCollectionAttribute::Make(void *collection) const
{
    std::unique_ptr<CCollectionAttribute> attribute = m_pfnMake(
        collection, std::string(GetName()), std::string(m_sElementName), m_eNaming, m_pClass);
    attribute->SetPresence(GetPresence());
    attribute->SetForm(GetForm());
    return attribute;
}

bool SharedCollectionAttribute::Load(CXmlArchive &archive, CAttContainer &container,
                                     int &position) const
{
    CScrivel &filer = archive.GetFiler();
    if (GetForm() == XmlForm::Attribute) {
        m_pUnbound->LoadElementsIn(archive, position, MemberOf(container));
        position = filer.GetChildsCount();
        return true;
    }
    const int i = filer.FindChild(GetName(), position);
    if (i < 0)
        return false;
    archive.SelectChild(i);
    m_pUnbound->LoadElementsIn(archive, 0, MemberOf(container));
    filer.ReturnBack();
    position = i + 1;
    return true;
}

void SharedCollectionAttribute::Save(CXmlArchive &archive, const CAttContainer &container) const
{
    if (!MustSave(container))
        return;
    if (GetForm() == XmlForm::Attribute) {
        m_pUnbound->SaveIn(archive, MemberOf(container));
        return;
    }
    CScrivel &filer = archive.GetFiler();
    filer.AddItem(GetName());
    m_pUnbound->SaveIn(archive, MemberOf(container));
    filer.ReturnBack();
}

bool SharedCollectionAttribute::MustSave(const CAttContainer &container) const
{
    return m_pUnbound->MustSaveIn(MemberOf(container));
}

void SharedCollectionAttribute::OnMissing(CAttContainer &container) const
{
    m_pUnbound->OnMissingIn(MemberOf(container));
}

void SharedCollectionAttribute::RegisterNames(CXmlArchive &archive,
                                              const CAttContainer &container) const
{
    m_pUnbound->RegisterNamesIn(archive, MemberOf(container));
}

void SharedCollectionAttribute::ResolveReferences(CXmlArchive &archive,
                                                  CAttContainer &container) const
{
    m_pUnbound->ResolveReferencesIn(archive, MemberOf(container));
}

void SharedCollectionAttribute::RedirectReferences(const CAttContainer &container,
                                                   CAttContainer *from, CAttContainer *to) const
{
    m_pUnbound->RedirectReferencesIn(MemberOf(container), from, to);
}

std::unique_ptr<CXmlAttribute> SharedCollectionAttribute::Bind(CAttContainer &container) const
{
    return Make(MemberOf(container));
}

} // namespace morvane
