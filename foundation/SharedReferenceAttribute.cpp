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

SharedReferenceAttribute::SharedReferenceAttribute(const ReferenceRegistration &registration)
    : SharedAttribute(registration.name, atPtrAttribute, registration.presence, registration.form,
                      registration.offset)
    , m_sTargetElementName(registration.targetElementName.View())
    , m_oTargetElementConstant(registration.targetElementName)
    , m_pAccess(registration.access)
{
}

bool SharedReferenceAttribute::Matches(const ReferenceRegistration &registration) const
{
    return GetOffset() == registration.offset && m_pAccess == registration.access &&
           GetPresence() == registration.presence && GetForm() == registration.form &&
           HasName(registration.name) &&
           SameConstant(m_sTargetElementName, m_oTargetElementConstant.View().data(),
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
    container.GetPendingReferences().Add(archive.GetLoadId(), GetOffset(), name);
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
    uint64_t loadId = 0;
    container.GetPendingReferences().Take(GetOffset(), dropped, loadId);
    if (GetPresence() == XmlPresence::WhenSet)
        m_pAccess->set(MemberOf(container), nullptr);
}

void SharedReferenceAttribute::ResolveReferences(CXmlArchive &archive,
                                                 CAttContainer &container) const
{
    // The names are dropped all together once the object's references are resolved.
    std::string_view name;
    if (!container.GetPendingReferences().Find(archive.GetLoadId(), GetOffset(), name))
        return;
    void *member = MemberOf(container);
    // An empty name was reported when it was read.
    if (name.empty()) {
        m_pAccess->set(member, nullptr);
        return;
    }
    const CXmlNameMap *map = archive.FindConstantNameMap(m_oTargetElementConstant);
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
    uint64_t loadId = 0;
    if (container.GetPendingReferences().Take(GetOffset(), name, loadId))
        attribute->SetPendingName(std::move(name), loadId);
    return attribute;
}

} // namespace morvane
