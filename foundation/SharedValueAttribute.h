// Morvane foundation library.
// A value member described once for every object of a class: found by its place in the object.
#pragma once

#include "foundation/MemberName.h"
#include "foundation/SharedAttribute.h"
#include "foundation/TextFormat.h"
#include "foundation/XmlValueAttributes.h"

#include <bit>
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
    // Not an aggregate: brace-initialising one zero-fills it whole with a slow string store
    // in every registration call.
    ValueRegistration(XML_ATTRIBUTE_KIND kind, MemberName name, XmlPresence presence, XmlForm form)
        : kind(kind)
        , name(name)
        , presence(presence)
        , form(form)
    {
    }

    XML_ATTRIBUTE_KIND kind;
    MemberName name;
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
/// class registers it, with its value at registration. It stores and reads the member exactly
/// as the attribute classes of XmlValueAttributes.h do.
class SharedValueAttribute final : public SharedAttribute
{
public:
    explicit SharedValueAttribute(const ValueRegistration &registration);

    /// Whether the registration describes this member. Every registration of a value member
    /// asks it, so it is compared in line.
    bool Matches(const ValueRegistration &registration) const
    {
        // Doubles compare by their bits, so that a NaN at registration matches itself; the
        // texts last.
        return GetOffset() == registration.offset && GetKind() == registration.kind &&
               GetPresence() == registration.presence && GetForm() == registration.form &&
               m_nRegistered == registration.integer &&
               std::bit_cast<uint64_t>(m_dRegistered) ==
                   std::bit_cast<uint64_t>(registration.real) &&
               m_nPrecision == registration.precision && m_pAccess == registration.access &&
               SameText(m_sRegistered, registration.text) && HasName(registration.name);
    }

    /// Reads the text of the member's child element without entering it (form Element), or
    /// the object's XML attribute (form Attribute).
    bool Load(CXmlArchive &archive, CAttContainer &container, int &position) const override;
    void Save(CXmlArchive &archive, const CAttContainer &container) const override;
    bool MustSave(const CAttContainer &container) const override;
    void OnMissing(CAttContainer &container) const override;
    std::unique_ptr<CXmlAttribute> Bind(CAttContainer &container) const override;

    std::string GetValueText(const CAttContainer &container) const;

private:
    // The text of GetValueText as a view of the member or of buffer; false when it is too long
    // for the buffer.
    bool ViewValueText(const CAttContainer &container, char (&buffer)[kShortFixedRoom],
                       std::string_view &text) const;
    bool IsAtRegistrationValue(const CAttContainer &container) const;
    void RestoreRegistrationValue(CAttContainer &container) const;
    std::unique_ptr<CXmlValueAttribute> MakeAttribute(void *member) const;
    std::unique_ptr<CXmlValueAttribute> MakeAtRegistrationValue(void *member) const;

    int64_t m_nRegistered;
    double m_dRegistered;
    std::string m_sRegistered;
    int m_nPrecision;
    // The decimals that a double is written with.
    int m_nDecimals;
    const IntMemberAccess *m_pAccess;
};

} // namespace morvane
