// Morvane foundation library.
// The stored part of every model object: its members registered as XML attributes, in order.
#include "foundation/AttContainer.h"

#include "foundation/ClassRegistry.h"
#include "foundation/RuntimeClass.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"

using morvane::XmlForm;
using morvane::XmlPresence;

// The report code of a required attribute that is missing.
static constexpr int kMissingAttribute = 0;

static bool isCollection(const CXmlAttribute &attribute)
{
    return attribute.GetKind() == atCollectionEx || attribute.GetKind() == atPtrCollectionEx;
}

CAttContainer::CAttContainer() = default;

CAttContainer::~CAttContainer() = default;

bool CAttContainer::LoadAttributes(CXmlArchive &archive)
{
    int position = 0;
    for (const auto &attribute : m_aAttributes) {
        if (attribute->GetPresence() != XmlPresence::Ignored)
            LoadAttribute(archive, *attribute, position);
    }
    return true;
}

void CAttContainer::LoadAttribute(CXmlArchive &archive, CXmlAttribute &attribute, int &position)
{
    CScrivel &filer = archive.GetFiler();
    bool found = false;
    if (attribute.GetForm() == XmlForm::Element) {
        found = LoadFromChild(archive, attribute, position);
    } else if (isCollection(attribute)) {
        static_cast<CNestedAttribute &>(attribute).LoadInline(archive, position);
        found = true;
    } else if (filer.HasAttribute(attribute.GetName())) {
        found = attribute.Load(archive);
    }
    if (found)
        return;
    attribute.OnMissing();
    if (attribute.GetPresence() == XmlPresence::Required)
        GetXmlErrorReporter().Report(kMissingAttribute, attribute.GetName());
}

bool CAttContainer::LoadFromChild(CXmlArchive &archive, CXmlAttribute &attribute, int &position)
{
    CScrivel &filer = archive.GetFiler();
    const std::string &name = attribute.GetName();
    for (int i = filer.FindChild(name, position); i >= 0; i = filer.FindChild(name, i + 1)) {
        archive.SelectChild(i);
        const bool loaded = attribute.Load(archive);
        filer.ReturnBack();
        if (loaded) {
            position = i + 1;
            return true;
        }
    }
    return false;
}

void CAttContainer::SaveAttributes(CXmlArchive &archive)
{
    CScrivel &filer = archive.GetFiler();
    for (const auto &attribute : m_aAttributes) {
        if (!attribute->MustSave())
            continue;
        if (attribute->GetForm() == XmlForm::Attribute) {
            attribute->Save(archive);
            continue;
        }
        filer.AddItem(attribute->GetName());
        attribute->Save(archive);
        filer.ReturnBack();
    }
}

void CAttContainer::RegisterNames(CXmlArchive &archive)
{
    for (const auto &attribute : m_aAttributes)
        attribute->RegisterNames(archive);
}

void CAttContainer::RedirectReferences(CAttContainer *from, CAttContainer *to)
{
    for (const auto &attribute : m_aAttributes)
        attribute->RedirectReferences(from, to);
}

void CAttContainer::ResolveReferences(CXmlArchive &archive)
{
    for (const auto &attribute : m_aAttributes)
        attribute->ResolveReferences(archive);
    OnReferencesResolved();
}

void CAttContainer::OnReferencesResolved() {}

void CAttContainer::RegisterName(CXmlNameMap &map, CXmlArchive &archive)
{
    std::string name = GetObjectName();
    if (!name.empty())
        archive.RegisterObject(map, name, this);
}

bool CAttContainer::HasAttributesToSave() const
{
    for (const auto &attribute : m_aAttributes) {
        if (attribute->MustSave())
            return true;
    }
    return false;
}

int CAttContainer::SaveToFile(const std::filesystem::path &fileName, const std::string &rootName,
                              std::string *error)
{
    CXmlArchive archive;
    const int result = archive.SaveObjectToFile(fileName, *this, rootName);
    if (error != nullptr)
        *error = archive.GetLastError();
    return result;
}

int CAttContainer::LoadFromFile(const std::filesystem::path &fileName, const std::string &rootName,
                                std::string *error)
{
    CXmlArchive archive;
    const int result = archive.LoadObjectFromFile(fileName, *this, rootName);
    if (error != nullptr)
        *error = archive.GetLastError();
    return result;
}

int CAttContainer::AddStringAttribute(std::string *member, std::string name, XmlPresence presence,
                                      XmlForm form)
{
    return AddAttribute(std::make_unique<CStringAttribute>(member, std::move(name)), presence,
                        form);
}

int CAttContainer::AddDwordAttribute(uint32_t *member, std::string name, XmlPresence presence,
                                     XmlForm form)
{
    return AddAttribute(std::make_unique<CDwordAttribute>(member, std::move(name)), presence, form);
}

int CAttContainer::AddBoolAttribute(bool *member, std::string name, XmlPresence presence,
                                    XmlForm form)
{
    return AddAttribute(std::make_unique<CBoolAttribute>(member, std::move(name)), presence, form);
}

int CAttContainer::AddDoubleAttribute(double *member, std::string name, XmlPresence presence,
                                      XmlForm form, int precision)
{
    auto attribute = std::make_unique<CDoubleAttribute>(member, std::move(name));
    attribute->SetPrecision(precision);
    return AddAttribute(std::move(attribute), presence, form);
}

int CAttContainer::AddContainerAttribute(CAttContainer *embedded, std::string name,
                                         XmlPresence presence, XmlForm form)
{
    return AddAttribute(std::make_unique<CContainerAttribute>(embedded, std::move(name)), presence,
                        form);
}

void CAttContainer::AddCollectionClass(std::string_view attributeName, const CRuntimeClass *cls)
{
    auto *collection = dynamic_cast<CCollectionAttribute *>(GetAttribute(attributeName));
    assert(collection != nullptr && "no collection attribute of that name");
    collection->AddClass(cls);
}

void CAttContainer::AddCollectionClasses(std::string_view attributeName,
                                         const CClassRegistry &registry)
{
    for (int i = 0; i < registry.GetCount(); ++i)
        AddCollectionClass(attributeName, registry.GetClassAt(i));
}

int CAttContainer::AddAttribute(std::unique_ptr<CXmlAttribute> attribute, XmlPresence presence,
                                XmlForm form)
{
    attribute->SetPresence(presence);
    attribute->SetForm(form);
    // Most stored classes register a handful of members: one allocation serves them.
    if (m_aAttributes.empty())
        m_aAttributes.reserve(8);
    m_aAttributes.push_back(std::move(attribute));
    return static_cast<int>(m_aAttributes.size()) - 1;
}

void CAttContainer::SetAttributeOption(int index, bool namesOnLoad)
{
    auto *collection = dynamic_cast<CCollectionAttribute *>(GetAttributeAt(index));
    assert(collection != nullptr && "the attribute at that index is no collection");
    collection->SetNamesOnLoad(namesOnLoad);
}

void CAttContainer::SetNameAttribute(std::string_view name)
{
    m_pNameAttribute = dynamic_cast<CXmlValueAttribute *>(GetAttribute(name));
    assert(m_pNameAttribute != nullptr && "no value attribute of that name");
}

int CAttContainer::FindAttribute(std::string_view name) const
{
    for (size_t i = 0; i < m_aAttributes.size(); ++i) {
        if (m_aAttributes[i]->GetName() == name)
            return static_cast<int>(i);
    }
    return -1;
}

CXmlAttribute *CAttContainer::GetAttribute(std::string_view name) const
{
    const int index = FindAttribute(name);
    return index < 0 ? nullptr : GetAttributeAt(index);
}

std::string CAttContainer::GetObjectName() const
{
    return m_pNameAttribute != nullptr ? m_pNameAttribute->GetValueText() : m_sName;
}

void CAttContainer::SetObjectName(std::string name)
{
    m_sName = std::move(name);
}

std::string_view CAttContainer::GetClassName() const
{
    const auto *object = dynamic_cast<const CObject *>(this);
    assert(object != nullptr && "a stored object of a polymorphic collection is no CObject");
    return object->GetRuntimeClass()->m_sClassName;
}

bool CAttContainer::AddExtraAttribute(std::string name, XmlPresence presence, XmlForm form)
{
    if (FindAttribute(name) >= 0)
        return false;
    AddAttribute(std::make_unique<CStringAttribute>(std::move(name)), presence, form);
    return true;
}

CStringAttribute *CAttContainer::FindExtraAttribute(std::string_view name) const
{
    auto *attribute = dynamic_cast<CStringAttribute *>(GetAttribute(name));
    return attribute != nullptr && attribute->IsExtra() ? attribute : nullptr;
}

void CAttContainer::RemoveExtraAttribute(std::string_view name)
{
    const CStringAttribute *extra = FindExtraAttribute(name);
    if (extra == nullptr)
        return;
    if (m_pNameAttribute == extra)
        m_pNameAttribute = nullptr;
    m_aAttributes.erase(m_aAttributes.begin() + FindAttribute(name));
}

std::string CAttContainer::GetExtraAttribute(std::string_view name) const
{
    const CStringAttribute *extra = FindExtraAttribute(name);
    return extra == nullptr ? std::string() : extra->GetValueText();
}

void CAttContainer::SetExtraAttribute(std::string_view name, std::string_view value)
{
    if (CStringAttribute *extra = FindExtraAttribute(name))
        extra->SetValueText(value);
}
