// Morvane foundation library.
// The stored part of every model object: its members registered as XML attributes, in order.
#include "foundation/AttContainer.h"

#include "foundation/AttributeLayout.h"
#include "foundation/ClassRegistry.h"
#include "foundation/RuntimeClass.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"

#include <cstdint>

using morvane::AttributeLayout;
using morvane::MemberName;
using morvane::SharedAttribute;
using morvane::SharedValueAttribute;
using morvane::ValueRegistration;
using morvane::XmlForm;
using morvane::XmlPresence;

// The report code of a required attribute that is missing.
static constexpr int kMissingAttribute = 0;

static bool isCollection(const CXmlAttribute &attribute)
{
    return attribute.GetKind() == atCollectionEx || attribute.GetKind() == atPtrCollectionEx;
}

CAttContainer::CAttContainer()
    : m_pLayout(&AttributeLayout::Empty())
{
}

CAttContainer::~CAttContainer() = default;

// In line in the loop over an object's members.
inline void CAttContainer::LoadShared(CXmlArchive &archive, const SharedAttribute &shared,
                                      int &position)
{
    if (shared.Load(archive, *this, position))
        return;
    shared.OnMissing(*this);
    if (shared.GetPresence() == XmlPresence::Required)
        GetXmlErrorReporter().Report(kMissingAttribute, shared.GetName());
}

bool CAttContainer::LoadAttributes(CXmlArchive &archive)
{
    int position = 0;
    ForEachAttribute(
        [&](CXmlAttribute &attribute) {
            if (attribute.GetPresence() != XmlPresence::Ignored)
                LoadAttribute(archive, attribute, position);
        },
        [&](const SharedAttribute &shared) {
            if (shared.GetPresence() != XmlPresence::Ignored)
                LoadShared(archive, shared, position);
        });
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
    ForEachAttribute([&](CXmlAttribute &attribute) { SaveAttribute(archive, attribute); },
                     [&](const SharedAttribute &shared) { shared.Save(archive, *this); });
}

void CAttContainer::SaveAttribute(CXmlArchive &archive, CXmlAttribute &attribute)
{
    if (!attribute.MustSave())
        return;
    if (attribute.GetForm() == XmlForm::Attribute) {
        attribute.Save(archive);
        return;
    }
    CScrivel &filer = archive.GetFiler();
    filer.AddItem(attribute.GetName());
    attribute.Save(archive);
    filer.ReturnBack();
}

template <class OwnAction, class SharedAction>
void CAttContainer::ForEachAttribute(OwnAction ownAction, SharedAction sharedAction, bool linksOnly)
{
    if (m_pLayout == nullptr) {
        for (const auto &attribute : m_aAttributes)
            ownAction(*attribute);
        return;
    }
    const auto &entries = linksOnly ? m_pLayout->GetLinkEntries() : m_pLayout->GetEntries();
    for (const AttributeLayout::Entry &entry : entries) {
        if (entry.shared == nullptr)
            ownAction(*m_aAttributes[static_cast<size_t>(entry.ownIndex)]);
        else
            sharedAction(*entry.shared);
    }
}

void CAttContainer::RegisterNames(CXmlArchive &archive)
{
    ForEachAttribute([&](CXmlAttribute &attribute) { attribute.RegisterNames(archive); },
                     [&](const SharedAttribute &shared) { shared.RegisterNames(archive, *this); },
                     true);
}

void CAttContainer::RedirectReferences(CAttContainer *from, CAttContainer *to)
{
    ForEachAttribute(
        [&](CXmlAttribute &attribute) { attribute.RedirectReferences(from, to); },
        [&](const SharedAttribute &shared) { shared.RedirectReferences(*this, from, to); }, true);
}

void CAttContainer::ResolveReferences(CXmlArchive &archive)
{
    ForEachAttribute(
        [&](CXmlAttribute &attribute) { attribute.ResolveReferences(archive); },
        [&](const SharedAttribute &shared) { shared.ResolveReferences(archive, *this); }, true);
    m_oPendingReferences.Clear();
    OnReferencesResolved();
}

void CAttContainer::OnReferencesResolved() {}

void CAttContainer::RegisterName(CXmlNameMap &map, CXmlArchive &archive)
{
    // Every named object of a load comes here: a stored name is entered without a copy.
    std::string attributeValue;
    std::string_view name = m_sName;
    if (m_pSharedName != nullptr || m_pNameAttribute != nullptr) {
        attributeValue = GetObjectName();
        name = attributeValue;
    }
    if (!name.empty())
        archive.RegisterObject(map, name, this);
}

bool CAttContainer::HasAttributesToSave() const
{
    if (m_pLayout == nullptr) {
        for (const auto &attribute : m_aAttributes) {
            if (attribute->MustSave())
                return true;
        }
        return false;
    }
    for (const AttributeLayout::Entry &entry : m_pLayout->GetEntries()) {
        const bool mustSave = entry.shared == nullptr
                                  ? m_aAttributes[static_cast<size_t>(entry.ownIndex)]->MustSave()
                                  : entry.shared->MustSave(*this);
        if (mustSave)
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

int CAttContainer::AddStringAttribute(std::string *member, MemberName name, XmlPresence presence,
                                      XmlForm form)
{
    ValueRegistration registration{atPtrString, name, presence, form};
    registration.text = *member;
    return AddValue(registration, member);
}

int CAttContainer::AddIntMember(void *member, int value, const morvane::IntMemberAccess &access,
                                MemberName name, XmlPresence presence, XmlForm form)
{
    ValueRegistration registration{atPtrInteger, name, presence, form};
    registration.integer = value;
    registration.access = &access;
    return AddValue(registration, member);
}

int CAttContainer::AddDwordAttribute(uint32_t *member, MemberName name, XmlPresence presence,
                                     XmlForm form)
{
    ValueRegistration registration{atPtrDword, name, presence, form};
    registration.integer = *member;
    return AddValue(registration, member);
}

int CAttContainer::AddBoolAttribute(bool *member, MemberName name, XmlPresence presence,
                                    XmlForm form)
{
    ValueRegistration registration{atPtrBoolean, name, presence, form};
    registration.integer = *member ? 1 : 0;
    return AddValue(registration, member);
}

int CAttContainer::AddDoubleAttribute(double *member, MemberName name, XmlPresence presence,
                                      XmlForm form, int precision)
{
    ValueRegistration registration{atPtrDouble, name, presence, form};
    registration.real = *member;
    registration.precision = precision;
    return AddValue(registration, member);
}

// In line in the registration calls, which every object of a model makes for each of its values.
inline int CAttContainer::AddValue(ValueRegistration &registration, const void *member)
{
    registration.offset = OffsetOf(member);
    if (m_pLayout == nullptr)
        return AddOwnValue(registration);
    const AttributeLayout *next = m_pLayout->With(registration);
    if (next == nullptr)
        return AddOwnValue(registration);
    m_pLayout = next;
    return static_cast<int>(next->GetEntries().size()) - 1;
}

int CAttContainer::AddOwnValue(const ValueRegistration &registration)
{
    UseOwnAttributes();
    return AppendOwnAttribute(SharedValueAttribute(registration).Bind(*this));
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

int CAttContainer::AddCollectionMember(morvane::CollectionRegistration &&registration,
                                       void *collection, morvane::MakeCollectionAttribute make)
{
    registration.offset = OffsetOf(collection);
    registration.make = make;
    if (m_pLayout != nullptr) {
        if (const AttributeLayout *next = m_pLayout->With(registration)) {
            m_pLayout = next;
            return GetAttributeCount() - 1;
        }
    }
    return AddAttribute(make(collection, std::string(registration.name),
                             std::string(registration.elementName), registration.naming,
                             registration.cls),
                        registration.presence, registration.form);
}

int CAttContainer::AddReferenceMember(morvane::ReferenceRegistration &&registration, void *member,
                                      const morvane::PtrMemberAccess &access)
{
    registration.offset = OffsetOf(member);
    registration.access = &access;
    if (m_pLayout != nullptr) {
        if (const AttributeLayout *next = m_pLayout->With(registration)) {
            m_pLayout = next;
            return GetAttributeCount() - 1;
        }
    }
    return AddAttribute(access.bind(member, std::string(registration.name),
                                    std::string(registration.targetElementName)),
                        registration.presence, registration.form);
}

int CAttContainer::AddAttribute(std::unique_ptr<CXmlAttribute> attribute, XmlPresence presence,
                                XmlForm form)
{
    attribute->SetPresence(presence);
    attribute->SetForm(form);
    if (m_pLayout != nullptr) {
        if (const AttributeLayout *next = m_pLayout->WithOwnAttribute()) {
            m_pLayout = next;
            m_aAttributes.push_back(std::move(attribute));
            return GetAttributeCount() - 1;
        }
        UseOwnAttributes();
    }
    return AppendOwnAttribute(std::move(attribute));
}

int CAttContainer::AppendOwnAttribute(std::unique_ptr<CXmlAttribute> attribute)
{
    // Most stored classes register a handful of members: one allocation serves them.
    if (m_aAttributes.empty())
        m_aAttributes.reserve(8);
    m_aAttributes.push_back(std::move(attribute));
    return static_cast<int>(m_aAttributes.size()) - 1;
}

void CAttContainer::UseOwnAttributes() const
{
    if (m_pLayout == nullptr)
        return;
    auto &self = const_cast<CAttContainer &>(*this);
    const std::vector<AttributeLayout::Entry> &entries = m_pLayout->GetEntries();
    // The attributes are all made before the object's own ones move: a failure leaves the
    // object as it was.
    std::vector<std::unique_ptr<CXmlAttribute>> attributes(entries.size());
    CXmlValueAttribute *nameAttribute = nullptr;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].shared == nullptr)
            continue;
        std::unique_ptr<CXmlAttribute> attribute = entries[i].shared->Bind(self);
        if (entries[i].shared == m_pSharedName)
            nameAttribute = dynamic_cast<CXmlValueAttribute *>(attribute.get());
        attributes[i] = std::move(attribute);
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].shared == nullptr)
            attributes[i] = std::move(m_aAttributes[static_cast<size_t>(entries[i].ownIndex)]);
    }
    m_aAttributes = std::move(attributes);
    if (m_pSharedName != nullptr) {
        m_pNameAttribute = nameAttribute;
        m_pSharedName = nullptr;
    }
    m_pLayout = nullptr;
}

void CAttContainer::SetAttributeOption(int index, bool namesOnLoad)
{
    auto *collection = dynamic_cast<CCollectionAttribute *>(GetAttributeAt(index));
    assert(collection != nullptr && "the attribute at that index is no collection");
    collection->SetNamesOnLoad(namesOnLoad);
}

void CAttContainer::SetNameAttribute(std::string_view name)
{
    const int index = FindAttribute(name);
    assert(index >= 0 && "no attribute of that name");
    m_pSharedName = nullptr;
    m_pNameAttribute = nullptr;
    if (m_pLayout != nullptr) {
        m_pSharedName = dynamic_cast<const SharedValueAttribute *>(
            m_pLayout->GetEntries()[static_cast<size_t>(index)].shared);
        if (m_pSharedName != nullptr)
            return;
    }
    m_pNameAttribute = dynamic_cast<CXmlValueAttribute *>(GetAttributeAt(index));
    assert(m_pNameAttribute != nullptr && "no value attribute of that name");
}

int CAttContainer::FindAttribute(std::string_view name) const
{
    if (m_pLayout == nullptr) {
        for (size_t i = 0; i < m_aAttributes.size(); ++i) {
            if (m_aAttributes[i]->GetName() == name)
                return static_cast<int>(i);
        }
        return -1;
    }
    const std::vector<AttributeLayout::Entry> &entries = m_pLayout->GetEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::string &entryName =
            entries[i].shared != nullptr
                ? entries[i].shared->GetName()
                : m_aAttributes[static_cast<size_t>(entries[i].ownIndex)]->GetName();
        if (entryName == name)
            return static_cast<int>(i);
    }
    return -1;
}

int CAttContainer::GetAttributeCount() const
{
    return static_cast<int>(m_pLayout == nullptr ? m_aAttributes.size()
                                                 : m_pLayout->GetEntries().size());
}

CXmlAttribute *CAttContainer::GetAttributeAt(int index) const
{
    if (m_pLayout != nullptr) {
        const AttributeLayout::Entry &entry = m_pLayout->GetEntries()[static_cast<size_t>(index)];
        if (entry.shared == nullptr)
            return m_aAttributes[static_cast<size_t>(entry.ownIndex)].get();
        UseOwnAttributes();
    }
    return m_aAttributes[static_cast<size_t>(index)].get();
}

CXmlAttribute *CAttContainer::GetAttribute(std::string_view name) const
{
    const int index = FindAttribute(name);
    return index < 0 ? nullptr : GetAttributeAt(index);
}

std::string CAttContainer::GetObjectName() const
{
    if (m_pSharedName != nullptr)
        return m_pSharedName->GetValueText(*this);
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
    // The object no longer registers what the others of its class do.
    UseOwnAttributes();
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
