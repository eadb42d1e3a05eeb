// Morvane foundation library.
// Attributes of value members: strings, integers, unsigned values, booleans and doubles.
#pragma once

#include "foundation/XmlAttribute.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

/// A member stored as one text: the text of the attribute's child element (form Element) or an
/// XML attribute of the object's element (form Attribute). Numbers are written and read in the
/// "C" form whatever the process locale; reading follows atof and atoi (leading blanks skipped,
/// trailing text ignored, 0 for no number).
class CXmlValueAttribute : public CXmlAttribute
{
public:
    using CXmlAttribute::CXmlAttribute;

    /// Reads the text and passes it to SetValueText; always true.
    bool Load(CXmlArchive &archive) override;
    /// Writes GetValueText().
    void Save(CXmlArchive &archive) override;
    /// Required: always. Optional: numbers and booleans always, a string when not empty.
    /// WhenSet: when the member differs from its value at registration.
    bool MustSave() const override;
    /// WhenSet: the member returns to its value at registration.
    void OnMissing() override;

    virtual void SetValueText(std::string_view text) = 0;
    virtual std::string GetValueText() const = 0;

protected:
    /// Whether the member holds its value at registration.
    virtual bool IsAtRegistrationValue() const = 0;
    virtual void RestoreRegistrationValue() = 0;
    /// Whether an Optional member is written; true for numbers and booleans.
    virtual bool IsSetForOptional() const;
};

namespace morvane {

/// A value attribute over a member of type T that keeps the member's value at registration.
template <class T> class MemberValueAttribute : public CXmlValueAttribute
{
public:
    MemberValueAttribute(T *member, std::string &&name, XML_ATTRIBUTE_KIND kind)
        : CXmlValueAttribute(std::move(name), kind)
        , m_member(member)
        , m_registered(*member)
    {
    }

protected:
    bool IsAtRegistrationValue() const override { return *m_member == m_registered; }
    void RestoreRegistrationValue() override { *m_member = m_registered; }
    T &member() const { return *m_member; }

private:
    T *m_member;
    T m_registered;
};

} // namespace morvane

/// A std::string member. An extra attribute (made by CAttContainer::AddExtraAttribute) owns
/// the string it stores instead of pointing at a member.
class CStringAttribute : public CXmlValueAttribute
{
public:
    CStringAttribute(std::string *member, std::string name);
    /// An extra attribute owning an empty string.
    explicit CStringAttribute(std::string name);

    void SetValueText(std::string_view text) override;
    std::string GetValueText() const override;
    bool IsExtra() const { return m_pOwned != nullptr; }

protected:
    bool IsAtRegistrationValue() const override;
    void RestoreRegistrationValue() override;
    /// An Optional string is written when it is not empty.
    bool IsSetForOptional() const override;

private:
    std::unique_ptr<std::string> m_pOwned;
    std::string *m_pMember;
    std::string m_sRegistered;
};

/// A signed 32-bit member, written "%d". The member may be any integer or enumeration type whose
/// values fit an int (a GRADE_POINT_TYPE, an int32_t).
class CIntAttribute : public CXmlValueAttribute
{
public:
    template <class T>
    requires(std::is_integral_v<T> || std::is_enum_v<T>) CIntAttribute(T *member, std::string name)
        : CXmlValueAttribute(std::move(name), atPtrInteger)
        , m_pMember(member)
        , m_pfnGet([](const void *p) { return static_cast<int>(*static_cast<const T *>(p)); })
        , m_pfnSet([](void *p, int value) { *static_cast<T *>(p) = static_cast<T>(value); })
        , m_nRegistered(m_pfnGet(member))
    {
    }

    void SetValueText(std::string_view text) override;
    std::string GetValueText() const override;

protected:
    bool IsAtRegistrationValue() const override;
    void RestoreRegistrationValue() override;

private:
    void *m_pMember;
    int (*m_pfnGet)(const void *);
    void (*m_pfnSet)(void *, int);
    int m_nRegistered;
};

namespace morvane {

/// How an integer or enumeration member of one type is read and written as an int, and how its
/// attribute is made.
struct IntMemberAccess
{
    int (*get)(const void *member);
    void (*set)(void *member, int value);
    std::unique_ptr<CXmlValueAttribute> (*bind)(void *member, std::string &&name);
};

/// The one access of members of type T.
template <class T> const IntMemberAccess &intMemberAccess()
{
    static constexpr IntMemberAccess access{
        [](const void *member) { return static_cast<int>(*static_cast<const T *>(member)); },
        [](void *member, int value) { *static_cast<T *>(member) = static_cast<T>(value); },
        [](void *member, std::string &&name) -> std::unique_ptr<CXmlValueAttribute> {
            return std::make_unique<CIntAttribute>(static_cast<T *>(member), std::move(name));
        }};
    return access;
}

} // namespace morvane

/// An unsigned 32-bit member, written "%d" (its bits as a signed number, so 0xFFFFFFFF is -1).
class CDwordAttribute : public morvane::MemberValueAttribute<uint32_t>
{
public:
    CDwordAttribute(uint32_t *member, std::string name)
        : MemberValueAttribute(member, std::move(name), atPtrDword)
    {
    }

    void SetValueText(std::string_view text) override;
    std::string GetValueText() const override;
};

/// A bool member, written 0 or 1; any non-zero number reads as true.
class CBoolAttribute : public morvane::MemberValueAttribute<bool>
{
public:
    CBoolAttribute(bool *member, std::string name)
        : MemberValueAttribute(member, std::move(name), atPtrBoolean)
    {
    }

    void SetValueText(std::string_view text) override;
    std::string GetValueText() const override;
};

/// A double member, written with a fixed number of decimals: precision 1 to 7 gives "%.1f" to
/// "%.7f", any other precision "%f" (6 decimals). The precision is 3 unless set.
class CDoubleAttribute : public morvane::MemberValueAttribute<double>
{
public:
    CDoubleAttribute(double *member, std::string name)
        : MemberValueAttribute(member, std::move(name), atPtrDouble)
    {
    }

    void SetPrecision(int precision) { m_nPrecision = precision; }

    void SetValueText(std::string_view text) override;
    std::string GetValueText() const override;

private:
    int m_nPrecision = 3;
};

/// An angle in radians, written with 12 decimals: the 3 decimals of a plain double attribute
/// would turn what it places by up to 0.0005 rad on every save and load.
class CRadianAttribute final : public CDoubleAttribute
{
public:
    using CDoubleAttribute::CDoubleAttribute;

    std::string GetValueText() const override;
};
