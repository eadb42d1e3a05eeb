// Morvane foundation library.
// A member described once for every object of a class that registers it alike.
#include "foundation/SharedAttribute.h"

namespace morvane {

SharedAttribute::SharedAttribute(MemberName name, XML_ATTRIBUTE_KIND kind, XmlPresence presence,
                                 XmlForm form, ptrdiff_t offset)
    : m_sName(name.View())
    , m_pNameConstant(name.View().data())
    , m_eKind(kind)
    , m_ePresence(presence)
    , m_eForm(form)
    , m_nOffset(offset)
{
}

SharedAttribute::~SharedAttribute() = default;

void SharedAttribute::RegisterNames(CXmlArchive &, const CAttContainer &) const {}

void SharedAttribute::ResolveReferences(CXmlArchive &, CAttContainer &) const {}

void SharedAttribute::RedirectReferences(const CAttContainer &, CAttContainer *,
                                         CAttContainer *) const
{
}

bool SharedAttribute::FindText(CXmlArchive &archive, int &position, std::string_view &text) const
{
    CScrivel &filer = archive.GetFiler();
    if (m_eForm == XmlForm::Attribute)
        return filer.GetItemVal(m_sName, text);
    const int i = filer.FindChildValue(m_sName, position, text);
    if (i < 0)
        return false;
    // Not entering the child, which is refused all the same where entering it would be.
    if (filer.GetDepth() >= CScrivel::kMaxDepth)
        archive.SelectChild(i);
    position = i + 1;
    return true;
}

void SharedAttribute::WriteText(CXmlArchive &archive, std::string_view text) const
{
    CScrivel &filer = archive.GetFiler();
    if (m_eForm == XmlForm::Attribute) {
        filer.AddItemVal(m_sName, text);
        return;
    }
    filer.AddTextItem(m_sName, text);
}

bool SharedAttribute::IsWritable() const
{
    return m_ePresence == XmlPresence::Optional || m_ePresence == XmlPresence::Required ||
           m_ePresence == XmlPresence::WhenSet;
}

} // namespace morvane
