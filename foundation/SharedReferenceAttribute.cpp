// Morvane foundation library.
// A reference member described once for every object of a class, its names read kept by object.
#include "foundation/SharedReferenceAttribute.h"

#include "foundation/AttContainer.h"
#include "foundation/XmlArchive.h"
#include "foundation/XmlErrorReporter.h"

namespace morvane {

namespace {

// The report code of a reference that is empty, names no object, or is null when saved.
constexpr int kBadReference = 4;

} // namespace

void PendingReferences::StartLoad(uint64_t loadId)
{
    if (m_nLoadId == loadId)
        return;
    m_nLoadId = loadId;
    m_oFirst.reference = nullptr;
    m_aMore.clear();
}

PendingReferences::Entry *PendingReferences::Find(const SharedAttribute *reference)
{
    if (m_oFirst.reference == reference)
        return &m_oFirst;
    for (Entry &entry : m_aMore) {
        if (entry.reference == reference)
            return &entry;
    }
    return nullptr;
}

void PendingReferences::Add(const SharedAttribute *reference, std::string_view name)
{
    if (Entry *entry = Find(reference)) {
        entry->name = name;
        return;
    }
    if (m_oFirst.reference == nullptr) {
        m_oFirst.reference = reference;
        m_oFirst.name = name;
        return;
    }
    m_aMore.push_back({reference, std::string(name)});
}

bool PendingReferences::Take(const SharedAttribute *reference, std::string &name)
{
    Entry *entry = Find(reference);
    if (entry == nullptr)
        return false;
    name = std::move(entry->name);
    if (entry == &m_oFirst)
        m_oFirst.reference = nullptr;
    else
        m_aMore.erase(m_aMore.begin() + (entry - m_aMore.data()));
    return true;
}

SharedReferenceAttribute::SharedReferenceAttribute(const ReferenceRegistration &registration)
    : SharedAttribute(registration.name, atPtrAttribute, registration.presence, registration.form,
                      registration.offset)
    , m_sTargetElementName(registration.targetElementName.View())
    , m_pTargetElementConstant(registration.targetElementName.View().data())
    , m_pAccess(registration.access)
{
}

bool SharedReferenceAttribute::Matches(const ReferenceRegistration &registration) const
{
    return GetOffset() == registration.offset && m_pAccess == registration.access &&
           GetPresence() == registration.presence && GetForm() == registration.form &&
           HasName(registration.name) &&
           SameConstant(m_sTargetElementName, m_pTargetElementConstant,
                        registration.targetElementName);
}

bool SharedReferenceAttribute::Load(CXmlArchive &archive, CAttContainer &container,
                                    int &position) const
{
    std::string_view name;
    if (!ReadText(archive, position, name))
        return false;
    Read(archive, container, name);
    return true;
}

void SharedReferenceAttribute::Read(CXmlArchive &archive, CAttContainer &container,
                                    std::string_view name) const
{
    PendingReferences &pending = container.GetPendingReferences();
    pending.StartLoad(archive.GetLoadId());
    pending.Add(this, name);
    if (name.empty() && GetPresence() == XmlPresence::Required)
        GetXmlErrorReporter().Report(kBadReference, GetName());
}

void SharedReferenceAttribute::Save(CXmlArchive &archive, const CAttContainer &container) const
{
    if (!MustSave(container))
        return;
    const CAttContainer *target = m_pAccess->get(MemberOf(container));
    if (target == nullptr)
        GetXmlErrorReporter().Report(kBadReference, GetName());
    WriteText(archive, target == nullptr ? std::string() : target->GetObjectName());
}

bool SharedReferenceAttribute::MustSave(const CAttContainer &container) const
{
    if (!IsWritable())
        return false;
    return GetPresence() == XmlPresence::Required || m_pAccess->get(MemberOf(container)) != nullptr;
}

void SharedReferenceAttribute::OnMissing(CAttContainer &container) const
{
    std::string dropped;
    if (PendingReferences *pending = container.FindPendingReferences())
        pending->Take(this, dropped);
    if (GetPresence() == XmlPresence::WhenSet)
        m_pAccess->set(MemberOf(container), nullptr);
}

void SharedReferenceAttribute::ResolveReferences(CXmlArchive &archive,
                                                 CAttContainer &container) const
{
    PendingReferences *pending = container.FindPendingReferences();
    std::string name;
    if (pending == nullptr || !pending->Take(this, name))
        return;
    if (pending->GetLoadId() != archive.GetLoadId())
        return;
    void *member = MemberOf(container);
    // An empty name was reported when it was read.
    if (name.empty()) {
        m_pAccess->set(member, nullptr);
        return;
    }
    const CXmlNameMap *map = archive.FindNameMap(m_sTargetElementName);
    CAttContainer *target = map == nullptr ? nullptr : CXmlArchive::LookupObject(*map, name);
    if (!m_pAccess->set(member, target) && GetPresence() == XmlPresence::Required)
        GetXmlErrorReporter().Report(kBadReference, GetName());
}

void SharedReferenceAttribute::RedirectReferences(const CAttContainer &container,
                                                  CAttContainer *from, CAttContainer *to) const
{
    void *member = MemberOf(container);
    if (from != nullptr && m_pAccess->get(member) == from)
        m_pAccess->set(member, to);
}

std::unique_ptr<CXmlAttribute> SharedReferenceAttribute::Bind(CAttContainer &container) const
{
    std::unique_ptr<CPtrAttribute> attribute = m_pAccess->bind(
        MemberOf(container), std::string(GetName()), std::string(m_sTargetElementName));
    attribute->SetPresence(GetPresence());
    attribute->SetForm(GetForm());
    std::string name;
    PendingReferences *pending = container.FindPendingReferences();
    if (pending != nullptr && pending->Take(this, name))
        attribute->SetPendingName(std::move(name), pending->GetLoadId());
    return attribute;
}

} // namespace morvane
