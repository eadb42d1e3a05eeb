// Morvane foundation library.
// A value member described once for every object of a class: found by its place in the object.
#pragma once

#include "foundation/MemberName.h"
#include "foundation/SharedAttribute.h"
#include "foundation/TextFormat.h"
#include "foundation/XmlValueAttributes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

class CAttContainer;

namespace morvane {

/// The fields of a value member's registration besides its name and text. Every registration
/// compares them with those of the members registered before, as one block of bytes: they
/// leave no padding between them, and a double compares by its bits, so that a NaN at
/// registration matches itself.
struct ValueKey
{
    /// Where the member lies, in bytes from the registering container.
    ptrdiff_t offset;
    XML_ATTRIBUTE_KIND kind;
    XmlPresence presence;
    XmlForm form;
    /// Doubles: the decimals (as CDoubleAttribute::SetPrecision).
    int precision;
    /// The member's value at registration: integer for integers, unsigned values and booleans,
    /// real for doubles (text, in the registration, for strings).
    int64_t integer;
    double real;
    /// Integers: how the member's type is read and written.
    const IntMemberAccess *access;

    bool operator==(const ValueKey &other) const
    {
        return std::memcmp(this, &other, sizeof(ValueKey)) == 0;
    }
};
static_assert(sizeof(ValueKey) == sizeof(ValueKey::offset) + sizeof(ValueKey::kind) +
                                      sizeof(ValueKey::presence) + sizeof(ValueKey::form) +
                                      sizeof(ValueKey::precision) + sizeof(ValueKey::integer) +
                                      sizeof(ValueKey::real) + sizeof(ValueKey::access),
              "a ValueKey has no padding");

/// What one registration of a value member says: enough to tell whether two objects registered
/// the same member, and to make the attribute that stores it.
struct ValueRegistration : ValueKey
{
    // Not an aggregate: brace-initialising one zero-fills it whole with a slow string store
    // in every registration call.
    ValueRegistration(XML_ATTRIBUTE_KIND kind, MemberName name, XmlPresence presence, XmlForm form)
        : ValueKey{0, kind, presence, form, 0, 0, 0.0, nullptr}
        , name(name)
    {
    }

    MemberName name;
    std::string_view text = {};
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
        return m_key == registration && SameText(m_sRegistered, registration.text) &&
               HasName(registration.name);
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

    // The registration's fields, kept together to be compared at once (the kind, presence,
    // form and offset as in SharedAttribute).
    ValueKey m_key;
    std::string m_sRegistered;
    // The decimals that a double is written with.
    int m_nDecimals;
};

} // namespace morvane
