// Morvane foundation library.
// Attributes of single-object members: an embedded object, and a reference stored as a name.
#include "foundation/XmlObjectAttributes.h"

#include "foundation/AttContainer.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"

using morvane::XmlForm;
using morvane::XmlPresence;

// The report code of a reference that is empty, names no object, or is null when saved.
static constexpr int kBadReference = 4;

CContainerAttribute::CContainerAttribute(CAttContainer *embedded, std::string name)
    : CXmlAttribute(std::move(name), atContainer)
    , m_pEmbedded(embedded)
{
}

bool CContainerAttribute::Load(CXmlArchive &archive)
{
    return m_pEmbedded->LoadAttributes(archive);
}

void CContainerAttribute::Save(CXmlArchive &archive)
{
    if (GetForm() == XmlForm::Attribute)
        archive.GetFiler().AddItemVal(GetName(), {});
    m_pEmbedded->SaveAttributes(archive);
}

bool CContainerAttribute::MustSave() const
{
    if (!IsWritable())
        return false;
    return IsRequired() || m_pEmbedded->HasAttributesToSave();
}

void CContainerAttribute::RegisterNames(CXmlArchive &archive)
{
    m_pEmbedded->RegisterNames(archive);
}

void CContainerAttribute::ResolveReferences(CXmlArchive &archive)
{
    m_pEmbedded->ResolveReferences(archive);
}

void CContainerAttribute::RedirectReferences(CAttContainer *from, CAttContainer *to)
{
    m_pEmbedded->RedirectReferences(from, to);
}

CPtrAttribute::CPtrAttribute(std::string &&name, std::string &&targetElementName)
    : CXmlAttribute(std::move(name), atPtrAttribute)
    , m_sTargetElementName(std::move(targetElementName))
{
}

bool CPtrAttribute::Load(CXmlArchive &archive)
{
    CScrivel &filer = archive.GetFiler();
    std::string_view text;
    if (GetForm() == XmlForm::Element)
        text = filer.GetValue();
    else
        filer.GetItemVal(GetName(), text);
    m_sPendingName = text;
    m_nPendingLoad = archive.GetLoadId();
    if (m_sPendingName.empty() && IsRequired())
        GetXmlErrorReporter().Report(kBadReference, GetName());
    return true;
}

void CPtrAttribute::SetPendingName(std::string name, uint64_t loadId)
{
    m_sPendingName = std::move(name);
    m_nPendingLoad = loadId;
}

void CPtrAttribute::Save(CXmlArchive &archive)
{
    const CAttContainer *target = GetTarget();
    if (target == nullptr)
        GetXmlErrorReporter().Report(kBadReference, GetName());
    const std::string name = target == nullptr ? std::string() : target->GetObjectName();
    CScrivel &filer = archive.GetFiler();
    if (GetForm() == XmlForm::Element)
        filer.SetValue(name);
    else
        filer.AddItemVal(GetName(), name);
}

bool CPtrAttribute::MustSave() const
{
    if (!IsWritable())
        return false;
    return IsRequired() || GetTarget() != nullptr;
}

void CPtrAttribute::OnMissing()
{
    m_nPendingLoad = 0;
    if (GetPresence() == XmlPresence::WhenSet)
        SetTarget(nullptr);
}

void CPtrAttribute::ResolveReferences(CXmlArchive &archive)
{
    if (m_nPendingLoad == 0)
        return;
    const bool readInThisLoad = m_nPendingLoad == archive.GetLoadId();
    m_nPendingLoad = 0;
    const std::string name = std::move(m_sPendingName);
    m_sPendingName.clear();
    if (!readInThisLoad)
        return;
    // An empty name was reported when it was read.
    if (name.empty()) {
        SetTarget(nullptr);
        return;
    }
    const CXmlNameMap *map = archive.FindNameMap(m_sTargetElementName);
    CAttContainer *target = map == nullptr ? nullptr : CXmlArchive::LookupObject(*map, name);
    if (!SetTarget(target) && IsRequired())
        GetXmlErrorReporter().Report(kBadReference, GetName());
}

void CPtrAttribute::RedirectReferences(CAttContainer *from, CAttContainer *to)
{
    if (from != nullptr && GetTarget() == from)
        SetTarget(to);
}
