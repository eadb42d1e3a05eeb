// Morvane foundation library.
// The base of the attributes through which an object's members are stored as XML.
#include "foundation/XmlAttribute.h"

using morvane::XmlPresence;

std::string_view GetAttributeKindName(XML_ATTRIBUTE_KIND kind)
{
    switch (kind) {
    case atContainer:
        return "atContainer";
    case atPtrCollectionEx:
        return "atPtrCollectionEx";
    case atCollectionEx:
        return "atCollectionEx";
    case atPtrString:
        return "atPtrString";
    case atPtrDword:
        return "atPtrDword";
    case atPtrBoolean:
        return "atPtrBoolean";
    case atPtrInteger:
        return "atPtrInteger";
    case atPtrDouble:
        return "atPtrDouble";
    case atPtrVect2D:
        return "atPtrVect2D";
    case atPtrAttribute:
        return "atPtrAttribute";
    case atRunTimeAttribute:
        return "atRunTimeAttribute";
    case atPtrStringEnum:
        return "atPtrStringEnum";
    case atContent:
        return "atContent";
    }
    return {};
}

CXmlAttribute::CXmlAttribute(std::string &&name, XML_ATTRIBUTE_KIND kind)
    : m_sName(std::move(name))
    , m_eKind(kind)
{
}

CXmlAttribute::~CXmlAttribute() = default;

void CXmlAttribute::OnMissing() {}

void CXmlAttribute::RegisterNames(CXmlArchive &) {}

void CXmlAttribute::ResolveReferences(CXmlArchive &) {}

void CXmlAttribute::RedirectReferences(CAttContainer *, CAttContainer *) {}

bool CXmlAttribute::IsWritable() const
{
    return m_ePresence == XmlPresence::Optional || m_ePresence == XmlPresence::Required ||
           m_ePresence == XmlPresence::WhenSet;
}
