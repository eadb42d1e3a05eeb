// Morvane foundation library.
// A member described once for every object of a class that registers it alike.
#include "foundation/SharedAttribute.h"

#include <cstdint>

namespace morvane {

SharedAttribute::SharedAttribute(std::string_view name, XML_ATTRIBUTE_KIND kind,
                                 XmlPresence presence, XmlForm form, ptrdiff_t offset)
    : m_sName(name)
    , m_eKind(kind)
    , m_ePresence(presence)
    , m_eForm(form)
    , m_nOffset(offset)
{
}

SharedAttribute::~SharedAttribute() = default;

bool SharedAttribute::MatchesValue(const ValueRegistration &) const
{
    return false;
}

bool SharedAttribute::MatchesCollection(const CollectionRegistration &) const
{
    return false;
}

void SharedAttribute::RegisterNames(CXmlArchive &, const CAttContainer &) const {}

void SharedAttribute::ResolveReferences(CXmlArchive &, const CAttContainer &) const {}

void SharedAttribute::RedirectReferences(const CAttContainer &, CAttContainer *,
                                         CAttContainer *) const
{
}

void *SharedAttribute::MemberOf(const CAttContainer &container) const
{
    return reinterpret_cast<void *>(reinterpret_cast<uintptr_t>(&container) +
                                    static_cast<uintptr_t>(m_nOffset));
}

bool SharedAttribute::IsWritable() const
{
    return m_ePresence == XmlPresence::Optional || m_ePresence == XmlPresence::Required ||
           m_ePresence == XmlPresence::WhenSet;
}

} // namespace morvane
