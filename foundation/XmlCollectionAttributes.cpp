// Morvane foundation library.
// Attributes of collection members: owning collections of nested objects, and reference lists.
#include "foundation/XmlCollectionAttributes.h"

#include "foundation/AttContainer.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"

#include <cassert>

using morvane::XmlNaming;
using morvane::XmlPresence;

namespace {

// Report codes.
constexpr int kBadReference = 4;
constexpr int kUnknownClass = 5;
constexpr int kBadElement = 6;

const std::string kClassNameAttribute = "ClassName";

// Selects child i of the current element for the lifetime of the guard.
class ChildScope
{
public:
    ChildScope(CXmlArchive &archive, int i)
        : m_filer(archive.GetFiler())
    {
        archive.SelectChild(i);
    }
    ~ChildScope() { m_filer.ReturnBack(); }
    ChildScope(const ChildScope &) = delete;
    ChildScope &operator=(const ChildScope &) = delete;

private:
    CScrivel &m_filer;
};

} // namespace

CNestedAttribute::CNestedAttribute(std::string &&name, XML_ATTRIBUTE_KIND kind,
                                   std::string &&elementName)
    : CXmlAttribute(std::move(name), kind)
    , m_sElementName(std::move(elementName))
{
}

bool CNestedAttribute::Load(CXmlArchive &archive)
{
    LoadElements(archive, 0);
    return true;
}

void CNestedAttribute::LoadInline(CXmlArchive &archive, int &childIndex)
{
    LoadElements(archive, childIndex);
    childIndex = archive.GetFiler().GetChildsCount();
}

bool CNestedAttribute::MustSave() const
{
    if (!IsWritable())
        return false;
    return IsRequired() || GetCount() > 0;
}

void CNestedAttribute::OnMissing()
{
    if (GetPresence() == XmlPresence::WhenSet)
        RemoveAll();
}

CCollectionAttribute::CCollectionAttribute(std::string &&name, std::string &&elementName,
                                           XmlNaming naming, const CRuntimeClass *cls)
    : CNestedAttribute(std::move(name), atCollectionEx, std::move(elementName))
    , m_eNaming(naming)
    , m_bNamesOnLoad(naming != XmlNaming::None)
    , m_pClass(cls)
{
}

void CCollectionAttribute::AddClass(const CRuntimeClass *cls)
{
    assert(cls != nullptr && "adding a null class to a collection");
    m_aClasses.push_back(cls);
}

std::string CCollectionAttribute::GetIdentifierName() const
{
    return GetElementName() + "ID";
}

bool CCollectionAttribute::MustSave() const
{
    return MustSaveIn(GetCollection());
}

bool CCollectionAttribute::MustSaveIn(const void *collection) const
{
    if (!IsWritable())
        return false;
    return IsRequired() || CountIn(collection) > 0;
}

void CCollectionAttribute::OnMissing()
{
    OnMissingIn(GetCollection());
}

void CCollectionAttribute::OnMissingIn(void *collection) const
{
    if (GetPresence() == XmlPresence::WhenSet)
        RemoveAllIn(collection);
}

int CCollectionAttribute::GetCount() const
{
    return CountIn(GetCollection());
}

CAttContainer *CCollectionAttribute::GetElementContainer(int i) const
{
    return ElementIn(GetCollection(), i);
}

void CCollectionAttribute::RemoveAll()
{
    RemoveAllIn(GetCollection());
}

void CCollectionAttribute::Save(CXmlArchive &archive)
{
    SaveIn(archive, GetCollection());
}

void CCollectionAttribute::SaveIn(CXmlArchive &archive, const void *collection) const
{
    CScrivel &filer = archive.GetFiler();
    const std::string identifierName =
        m_eNaming == XmlNaming::Numbered ? GetIdentifierName() : std::string();
    for (int i = 0; i < CountIn(collection); ++i) {
        CAttContainer *element = ElementIn(collection, i);
        if (element == nullptr)
            continue;
        filer.AddItem(GetElementName());
        if (m_eNaming == XmlNaming::Numbered)
            filer.AddItemVal(identifierName, element->GetObjectName());
        if (IsPolymorphic())
            filer.AddItemVal(kClassNameAttribute, element->GetClassName());
        element->SaveAttributes(archive);
        filer.ReturnBack();
    }
}

void CCollectionAttribute::RegisterNames(CXmlArchive &archive)
{
    RegisterNamesIn(archive, GetCollection());
}

void CCollectionAttribute::RegisterNamesIn(CXmlArchive &archive, const void *collection) const
{
    CXmlNameMap *nameMap =
        m_eNaming == XmlNaming::None ? nullptr : &archive.GetNameMap(GetElementName());
    if (nameMap != nullptr)
        Reserve(*nameMap, CountIn(collection));
    for (int i = 0; i < CountIn(collection); ++i) {
        CAttContainer *element = ElementIn(collection, i);
        if (element == nullptr)
            continue;
        if (m_eNaming == XmlNaming::Numbered)
            element->SetObjectName(archive.AddNumberedName(*nameMap, element));
        else if (m_eNaming == XmlNaming::OwnNames)
            element->RegisterName(*nameMap, archive);
        element->RegisterNames(archive);
    }
}

void CCollectionAttribute::Reserve(CXmlNameMap &map, int count) const
{
    if (m_eNaming == XmlNaming::Numbered)
        map.ReserveNumbers(static_cast<size_t>(count));
    else
        map.ReserveNames(static_cast<size_t>(count));
}

void CCollectionAttribute::ResolveReferences(CXmlArchive &archive)
{
    ResolveReferencesIn(archive, GetCollection());
}

void CCollectionAttribute::ResolveReferencesIn(CXmlArchive &archive, const void *collection) const
{
    for (int i = 0; i < CountIn(collection); ++i) {
        if (CAttContainer *element = ElementIn(collection, i))
            element->ResolveReferences(archive);
    }
}

void CCollectionAttribute::RedirectReferences(CAttContainer *from, CAttContainer *to)
{
    RedirectReferencesIn(GetCollection(), from, to);
}

void CCollectionAttribute::RedirectReferencesIn(const void *collection, CAttContainer *from,
                                                CAttContainer *to) const
{
    for (int i = 0; i < CountIn(collection); ++i) {
        if (CAttContainer *element = ElementIn(collection, i))
            element->RedirectReferences(from, to);
    }
}

void CCollectionAttribute::LoadElements(CXmlArchive &archive, int first)
{
    LoadElementsIn(archive, first, GetCollection());
}

void CCollectionAttribute::LoadElementsIn(CXmlArchive &archive, int first, void *collection) const
{
    RemoveAllIn(collection);
    const bool named = m_eNaming != XmlNaming::None && m_bNamesOnLoad;
    CXmlNameMap *nameMap = named ? &archive.GetNameMap(GetElementName()) : nullptr;
    const int count = archive.GetFiler().GetChildsCount();
    // Every child is an element, unless it fails to load.
    ReserveIn(collection, count - first);
    if (nameMap != nullptr)
        Reserve(*nameMap, count - first);
    // Made once for the collection, and only when the elements are named.
    const std::string identifierName = nameMap != nullptr ? GetIdentifierName() : std::string();
    for (int i = first; i < count; ++i) {
        const ChildScope child(archive, i);
        LoadElement(archive, {nameMap, identifierName}, collection);
    }
}

const CRuntimeClass *CCollectionAttribute::FindClass(std::string_view className) const
{
    if (!IsPolymorphic())
        return m_pClass;
    if (className.empty())
        return m_aClasses.empty() ? nullptr : m_aClasses.front();
    for (const CRuntimeClass *cls : m_aClasses) {
        if (cls->m_sClassName == className)
            return cls;
    }
    return nullptr;
}

void CCollectionAttribute::LoadElement(CXmlArchive &archive, const Naming &naming,
                                       void *collection) const
{
    std::string_view className;
    if (IsPolymorphic())
        archive.GetFiler().GetItemVal(kClassNameAttribute, className);
    const CRuntimeClass *cls = FindClass(className);
    CAttContainer *element = cls == nullptr ? nullptr : AppendCreatedTo(collection, cls->CreateObject());
    if (element == nullptr) {
        const std::string_view named = cls == nullptr ? className : cls->m_sClassName;
        GetXmlErrorReporter().Report(kUnknownClass, named);
        return;
    }

    CScrivel &filer = archive.GetFiler();
    const int index = CountIn(collection) - 1;
    const int depth = filer.GetDepth();
    const size_t mark = archive.GetRegistrationMark();
    try {
        LoadAndName(archive, *element, naming);
    } catch (const morvane::XmlLoadFailure &) {
        throw;
    } catch (const std::exception &) {
        while (filer.GetDepth() > depth)
            filer.ReturnBack();
        archive.ForgetRegistrationsSince(mark);
        DeleteAtIn(collection, index);
        GetXmlErrorReporter().Report(kBadElement, GetIdentifierName());
    }
}

void CCollectionAttribute::LoadAndName(CXmlArchive &archive, CAttContainer &element,
                                       const Naming &naming) const
{
    element.LoadAttributes(archive);
    if (naming.map == nullptr)
        return;
    if (m_eNaming == XmlNaming::Numbered) {
        std::string_view identifier;
        if (!archive.GetFiler().GetItemVal(naming.identifierName, identifier)) {
            GetXmlErrorReporter().Report(kBadElement, naming.identifierName);
            return;
        }
        element.SetObjectName(std::string(identifier));
    }
    element.RegisterName(*naming.map, archive);
}

CPtrCollectionAttribute::CPtrCollectionAttribute(std::string &&name, std::string &&elementName)
    : CNestedAttribute(std::move(name), atPtrCollectionEx, std::move(elementName))
{
}

void CPtrCollectionAttribute::Save(CXmlArchive &archive)
{
    CScrivel &filer = archive.GetFiler();
    for (int i = 0; i < GetCount(); ++i) {
        const CAttContainer *target = GetElementContainer(i);
        if (target == nullptr) {
            GetXmlErrorReporter().Report(kBadReference, GetName());
            continue;
        }
        filer.AddItem(GetElementName());
        filer.SetValue(target->GetObjectName());
        filer.ReturnBack();
    }
}

void CPtrCollectionAttribute::LoadElements(CXmlArchive &archive, int first)
{
    RemoveAll();
    m_aPendingNames.clear();
    m_nPendingLoad = archive.GetLoadId();
    CScrivel &filer = archive.GetFiler();
    const int count = filer.GetChildsCount();
    for (int i = first; i < count; ++i) {
        const ChildScope child(archive, i);
        m_aPendingNames.emplace_back(filer.GetValue());
    }
}

void CPtrCollectionAttribute::RedirectReferences(CAttContainer *from, CAttContainer *to)
{
    if (from == nullptr)
        return;
    for (int i = GetCount() - 1; i >= 0; --i) {
        if (GetElementContainer(i) == from)
            ReplaceAt(i, to);
    }
}

void CPtrCollectionAttribute::ResolveReferences(CXmlArchive &archive)
{
    if (m_nPendingLoad == 0)
        return;
    const bool readInThisLoad = m_nPendingLoad == archive.GetLoadId();
    m_nPendingLoad = 0;
    const std::vector<std::string> names = std::move(m_aPendingNames);
    m_aPendingNames.clear();
    if (!readInThisLoad)
        return;
    const CXmlNameMap *map = archive.FindNameMap(GetElementName());
    for (const std::string &name : names) {
        CAttContainer *target = map == nullptr ? nullptr : CXmlArchive::LookupObject(*map, name);
        if (!AppendResolved(target))
            GetXmlErrorReporter().Report(kBadReference, GetName());
    }
}
