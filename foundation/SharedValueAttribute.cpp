// Morvane foundation library.
// A value member described once for every object of a class: found by its place in the object.
#include "foundation/SharedValueAttribute.h"

#include "foundation/AttContainer.h"
#include "foundation/NumberText.h"
#include "foundation/TextFormat.h"

#include <charconv>
#include <utility>

namespace morvane {

namespace {

template <class T> T &memberAt(void *member)
{
    return *static_cast<T *>(member);
}

// Stores text in a member of the kind as the attribute classes read it.
void storeText(XML_ATTRIBUTE_KIND kind, void *member, const IntMemberAccess *access,
               std::string_view text)
{
    switch (kind) {
    case atPtrString:
        memberAt<std::string>(member).assign(text);
        return;
    case atPtrInteger:
        access->set(member, parseInt(text));
        return;
    case atPtrDword:
        memberAt<uint32_t>(member) = static_cast<uint32_t>(parseInt(text));
        return;
    case atPtrBoolean:
        memberAt<bool>(member) = parseInt(text) != 0;
        return;
    default:
        memberAt<double>(member) = parseDouble(text);
        return;
    }
}

} // namespace

SharedValueAttribute::SharedValueAttribute(const ValueRegistration &registration)
    : SharedAttribute(registration.name, registration.kind, registration.presence,
                      registration.form, registration.offset)
    , m_key(registration)
    , m_sRegistered(registration.text)
    // Precisions 1 to 7 have their own format; any other is "%f", which has 6 decimals.
    , m_nDecimals(registration.precision >= 1 && registration.precision <= 7
                      ? registration.precision
                      : 6)
{
}

bool SharedValueAttribute::Load(CXmlArchive &archive, CAttContainer &container, int &position) const
{
    std::string_view text;
    if (!ReadText(archive, position, text))
        return false;
    storeText(GetKind(), MemberOf(container), m_key.access, text);
    return true;
}

void SharedValueAttribute::Save(CXmlArchive &archive, const CAttContainer &container) const
{
    if (!MustSave(container))
        return;
    // Written from the member or a buffer on the stack, without a string in between, when it can.
    char buffer[kShortFixedRoom];
    std::string_view text;
    if (ViewValueText(container, buffer, text))
        WriteText(archive, text);
    else
        WriteText(archive, GetValueText(container));
}

inline bool SharedValueAttribute::ViewValueText(const CAttContainer &container,
                                                char (&buffer)[kShortFixedRoom],
                                                std::string_view &text) const
{
    void *member = MemberOf(container);
    const char *end = nullptr;
    switch (GetKind()) {
    case atPtrString:
        text = memberAt<std::string>(member);
        return true;
    case atPtrInteger:
        end = std::to_chars(buffer, buffer + kShortFixedRoom, m_key.access->get(member)).ptr;
        break;
    case atPtrDword:
        end = std::to_chars(buffer, buffer + kShortFixedRoom,
                            static_cast<int32_t>(memberAt<uint32_t>(member)))
                  .ptr;
        break;
    case atPtrBoolean:
        text = memberAt<bool>(member) ? "1" : "0";
        return true;
    default:
        end = writeShortFixed(buffer, memberAt<double>(member), m_nDecimals);
        if (end == nullptr)
            return false;
        break;
    }
    text = std::string_view(buffer, static_cast<size_t>(end - buffer));
    return true;
}

std::string SharedValueAttribute::GetValueText(const CAttContainer &container) const
{
    void *member = MemberOf(container);
    switch (GetKind()) {
    case atPtrString:
        return memberAt<std::string>(member);
    case atPtrInteger:
        return formatInteger(m_key.access->get(member));
    case atPtrDword:
        return formatInteger(static_cast<int32_t>(memberAt<uint32_t>(member)));
    case atPtrBoolean:
        return memberAt<bool>(member) ? "1" : "0";
    default:
        return formatFixed(memberAt<double>(member), m_nDecimals);
    }
}

bool SharedValueAttribute::IsAtRegistrationValue(const CAttContainer &container) const
{
    void *member = MemberOf(container);
    switch (GetKind()) {
    case atPtrString:
        return memberAt<std::string>(member) == m_sRegistered;
    case atPtrInteger:
        return m_key.access->get(member) == m_key.integer;
    case atPtrDword:
        return memberAt<uint32_t>(member) == m_key.integer;
    case atPtrBoolean:
        return memberAt<bool>(member) == (m_key.integer != 0);
    default:
        return memberAt<double>(member) == m_key.real;
    }
}

void SharedValueAttribute::RestoreRegistrationValue(CAttContainer &container) const
{
    void *member = MemberOf(container);
    switch (GetKind()) {
    case atPtrString:
        memberAt<std::string>(member) = m_sRegistered;
        return;
    case atPtrInteger:
        m_key.access->set(member, static_cast<int>(m_key.integer));
        return;
    case atPtrDword:
        memberAt<uint32_t>(member) = static_cast<uint32_t>(m_key.integer);
        return;
    case atPtrBoolean:
        memberAt<bool>(member) = m_key.integer != 0;
        return;
    default:
        memberAt<double>(member) = m_key.real;
        return;
    }
}

bool SharedValueAttribute::MustSave(const CAttContainer &container) const
{
    switch (GetPresence()) {
    case XmlPresence::Required:
        return true;
    case XmlPresence::Optional:
        return GetKind() != atPtrString || !memberAt<std::string>(MemberOf(container)).empty();
    case XmlPresence::WhenSet:
        return !IsAtRegistrationValue(container);
    case XmlPresence::Ignored:
    case XmlPresence::ReadOnly:
        return false;
    }
    return false;
}

void SharedValueAttribute::OnMissing(CAttContainer &container) const
{
    if (GetPresence() == XmlPresence::WhenSet)
        RestoreRegistrationValue(container);
}

std::unique_ptr<CXmlValueAttribute> SharedValueAttribute::MakeAttribute(void *member) const
{
    std::string name = GetName();
    switch (GetKind()) {
    case atPtrString:
        return std::make_unique<CStringAttribute>(static_cast<std::string *>(member),
                                                  std::move(name));
    case atPtrInteger:
        return m_key.access->bind(member, std::move(name));
    case atPtrDword:
        return std::make_unique<CDwordAttribute>(static_cast<uint32_t *>(member), std::move(name));
    case atPtrBoolean:
        return std::make_unique<CBoolAttribute>(static_cast<bool *>(member), std::move(name));
    default: {
        auto attribute =
            std::make_unique<CDoubleAttribute>(static_cast<double *>(member), std::move(name));
        attribute->SetPrecision(m_key.precision);
        return attribute;
    }
    }
}

std::unique_ptr<CXmlAttribute> SharedValueAttribute::Bind(CAttContainer &container) const
{
    std::unique_ptr<CXmlValueAttribute> attribute = MakeAtRegistrationValue(MemberOf(container));
    attribute->SetPresence(GetPresence());
    attribute->SetForm(GetForm());
    return attribute;
}

std::unique_ptr<CXmlValueAttribute>
SharedValueAttribute::MakeAtRegistrationValue(void *member) const
{
    // An attribute takes the value its member holds when it is made as the value at
    // registration: the member holds that value for the moment.
    const auto madeAt = [this, member](auto &value, const auto &registered) {
        auto current = std::move(value);
        value = registered;
        std::unique_ptr<CXmlValueAttribute> attribute = MakeAttribute(member);
        value = std::move(current);
        return attribute;
    };
    switch (GetKind()) {
    case atPtrString:
        return madeAt(memberAt<std::string>(member), m_sRegistered);
    case atPtrInteger: {
        const int current = m_key.access->get(member);
        m_key.access->set(member, static_cast<int>(m_key.integer));
        std::unique_ptr<CXmlValueAttribute> attribute = MakeAttribute(member);
        m_key.access->set(member, current);
        return attribute;
    }
    case atPtrDword:
        return madeAt(memberAt<uint32_t>(member), static_cast<uint32_t>(m_key.integer));
    case atPtrBoolean:
        return madeAt(memberAt<bool>(member), m_key.integer != 0);
    default:
        return madeAt(memberAt<double>(member), m_key.real);
    }
}

} // namespace morvane
