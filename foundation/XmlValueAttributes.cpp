// Morvane foundation library.
// Attributes of value members: strings, integers, unsigned values, booleans and doubles.
#include "foundation/XmlValueAttributes.h"

#include "foundation/NumberText.h"
#include "foundation/TextFormat.h"
#include "foundation/XmlArchive.h"

using morvane::XmlForm;
using morvane::XmlPresence;

bool CXmlValueAttribute::Load(CXmlArchive &archive)
{
    CScrivel &filer = archive.GetFiler();
    if (GetForm() == XmlForm::Element) {
        SetValueText(filer.GetValue());
        return true;
    }
    std::string_view text;
    filer.GetItemVal(GetName(), text);
    SetValueText(text);
    return true;
}

void CXmlValueAttribute::Save(CXmlArchive &archive)
{
    CScrivel &filer = archive.GetFiler();
    if (GetForm() == XmlForm::Element)
        filer.SetValue(GetValueText());
    else
        filer.AddItemVal(GetName(), GetValueText());
}

bool CXmlValueAttribute::MustSave() const
{
    switch (GetPresence()) {
    case XmlPresence::Required:
        return true;
    case XmlPresence::Optional:
        return IsSetForOptional();
    case XmlPresence::WhenSet:
        return !IsAtRegistrationValue();
    case XmlPresence::Ignored:
    case XmlPresence::ReadOnly:
        return false;
    }
    return false;
}

void CXmlValueAttribute::OnMissing()
{
    if (GetPresence() == XmlPresence::WhenSet)
        RestoreRegistrationValue();
}

bool CXmlValueAttribute::IsSetForOptional() const
{
    return true;
}

CStringAttribute::CStringAttribute(std::string *member, std::string name)
    : CXmlValueAttribute(std::move(name), atPtrString)
    , m_pMember(member)
    , m_sRegistered(*member)
{
}

CStringAttribute::CStringAttribute(std::string name)
    : CXmlValueAttribute(std::move(name), atPtrString)
    , m_pOwned(std::make_unique<std::string>())
    , m_pMember(m_pOwned.get())
{
}

void CStringAttribute::SetValueText(std::string_view text)
{
    m_pMember->assign(text);
}

std::string CStringAttribute::GetValueText() const
{
    return *m_pMember;
}

bool CStringAttribute::IsAtRegistrationValue() const
{
    return *m_pMember == m_sRegistered;
}

void CStringAttribute::RestoreRegistrationValue()
{
    *m_pMember = m_sRegistered;
}

bool CStringAttribute::IsSetForOptional() const
{
    return !m_pMember->empty();
}

void CIntAttribute::SetValueText(std::string_view text)
{
    m_pfnSet(m_pMember, morvane::parseInt(text));
}

std::string CIntAttribute::GetValueText() const
{
    return morvane::formatInteger(m_pfnGet(m_pMember));
}

bool CIntAttribute::IsAtRegistrationValue() const
{
    return m_pfnGet(m_pMember) == m_nRegistered;
}

void CIntAttribute::RestoreRegistrationValue()
{
    m_pfnSet(m_pMember, m_nRegistered);
}

void CDwordAttribute::SetValueText(std::string_view text)
{
    member() = static_cast<uint32_t>(morvane::parseInt(text));
}

std::string CDwordAttribute::GetValueText() const
{
    return morvane::formatInteger(static_cast<int32_t>(member()));
}

void CBoolAttribute::SetValueText(std::string_view text)
{
    member() = morvane::parseInt(text) != 0;
}

std::string CBoolAttribute::GetValueText() const
{
    return member() ? "1" : "0";
}

void CDoubleAttribute::SetValueText(std::string_view text)
{
    member() = morvane::parseDouble(text);
}

std::string CDoubleAttribute::GetValueText() const
{
    // Precisions 1 to 7 have their own format; any other is "%f", which has 6 decimals.
    const int decimals = m_nPrecision >= 1 && m_nPrecision <= 7 ? m_nPrecision : 6;
    return morvane::formatFixed(member(), decimals);
}

std::string CRadianAttribute::GetValueText() const
{
    return morvane::formatFixed(member(), 12);
}
