// Morvane foundation library.
// A value member described once for every object of a class: found by its place in the object.
#pragma once

#include "foundation/XmlValueAttributes.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CAttContainer;

namespace morvane {

/// What one registration of a value member says: enough to tell whether two objects registered
/// the same member, and to make the attribute that stores it.
struct ValueRegistration
{
    XML_ATTRIBUTE_KIND kind;
    std::string_view name;
    XmlPresence presence;
    XmlForm form;
    /// Where the member lies, in bytes from the registering container.
    ptrdiff_t offset = 0;
    /// The member's value at registration: integer for integers, unsigned values and booleans,
    /// real for doubles, text for strings.
    int64_t integer = 0;
    double real = 0.0;
    std::string_view text = {};
    /// Doubles: the decimals (as CDoubleAttribute::SetPrecision).
    int precision = 0;
    /// Integers: how the member's type is read and written.
    const IntMemberAccess *access = nullptr;
};

/// A value member (string, integer, unsigned value, boolean or double) as every object of a
/// class registers it: name, presence, form, value at registration, and the member's place
/// counted from the object's container, so that one description serves all the objects. It
/// stores and reads the member of the container it is given exactly as the attribute classes
/// of XmlValueAttributes.h do, and Bind makes that attribute for one object when the object
/// needs attributes of its own.
class SharedValueAttribute
{
public:
    explicit SharedValueAttribute(const ValueRegistration &registration);

    /// Whether registration describes this member.
    bool Matches(const ValueRegistration &registration) const;

    const std::string &GetName() const { return m_sName; }
    XML_ATTRIBUTE_KIND GetKind() const { return m_eKind; }
    XmlPresence GetPresence() const { return m_ePresence; }
    XmlForm GetForm() const { return m_eForm; }

    void SetValueText(CAttContainer &container, std::string_view text) const;
    std::string GetValueText(const CAttContainer &container) const;
    /// As CXmlValueAttribute::MustSave.
    bool MustSave(const CAttContainer &container) const;
    /// As CXmlValueAttribute::OnMissing.
    void OnMissing(CAttContainer &container) const;
    /// The attribute of container's member, with the same presence, form and value at
    /// registration.
    std::unique_ptr<CXmlValueAttribute> Bind(CAttContainer &container) const;

private:
    void *MemberOf(const CAttContainer &container) const;
    bool IsAtRegistrationValue(const CAttContainer &container) const;
    void RestoreRegistrationValue(CAttContainer &container) const;
    std::unique_ptr<CXmlValueAttribute> MakeAttribute(void *member) const;
    std::unique_ptr<CXmlValueAttribute> MakeAtRegistrationValue(void *member) const;

    std::string m_sName;
    XML_ATTRIBUTE_KIND m_eKind;
    XmlPresence m_ePresence;
    XmlForm m_eForm;
    ptrdiff_t m_nOffset;
    int64_t m_nRegistered;
    double m_dRegistered;
    std::string m_sRegistered;
    int m_nPrecision;
    const IntMemberAccess *m_pAccess;
};

} // namespace morvane
