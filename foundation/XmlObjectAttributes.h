// Morvane foundation library.
// Attributes of single-object members: an embedded object, and a reference stored as a name.
#pragma once

#include "foundation/XmlAttribute.h"

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>

class CAttContainer;

namespace morvane {

/// The stored part (CAttContainer) of an object held through a pointer of type T*; null stays
/// null, and so does an object without stored part.
template <class T> CAttContainer *toContainer(T *object)
{
    if constexpr (std::is_base_of_v<CAttContainer, T>)
        return object;
    else
        return dynamic_cast<CAttContainer *>(object);
}

/// object as a T; null when object is null or not a T. An object of type T itself, the usual
/// case, is told by its type alone, without the search of a dynamic_cast.
template <class T, class Base> T *castTo(Base *object)
{
    if constexpr (requires { static_cast<T *>(object); }) {
        if (object != nullptr && typeid(*object) == typeid(T))
            return static_cast<T *>(object);
    }
    return dynamic_cast<T *>(object);
}

/// The object of type T whose stored part is container; null when container is null or its
/// object is not a T.
template <class T> T *fromContainer(CAttContainer *container)
{
    return castTo<T>(container);
}

} // namespace morvane

/// An embedded object with stored members of its own (kind atContainer): its members are loaded
/// from and saved into the attribute's child element (form Element), or into the object's own
/// element (form Attribute, marked by an empty XML attribute of the attribute's name, without
/// which it is not read back). Written when Required, or when Optional or WhenSet and the
/// embedded object has a member to write.
class CContainerAttribute : public CXmlAttribute
{
public:
    /// embedded must outlive the attribute (it is a member of the registering object).
    CContainerAttribute(CAttContainer *embedded, std::string name);

    bool Load(CXmlArchive &archive) override;
    void Save(CXmlArchive &archive) override;
    bool MustSave() const override;
    void RegisterNames(CXmlArchive &archive) override;
    void ResolveReferences(CXmlArchive &archive) override;
    void RedirectReferences(CAttContainer *from, CAttContainer *to) override;

private:
    CAttContainer *m_pEmbedded;
};

/// A pointer to another stored object (kind atPtrAttribute), written as the target's object
/// name and read back as a pointer once the whole tree is loaded: the name is looked up in the
/// archive's name map of the target element name ("BasePoint", "GradeFormula", ...), so the
/// target must be an element of a named collection of that element name.
///
/// A required reference that is empty, names no object (or an object of another type), or is
/// null when saved is reported (code 4); the member is then null. An optional one that names
/// no object becomes null silently. A reference absent from the file leaves the member as it
/// was (a WhenSet one becomes null), and so does a name read by an earlier load that was
/// aborted before its references were resolved.
class CPtrAttribute : public CXmlAttribute
{
public:
    CPtrAttribute(std::string &&name, std::string &&targetElementName);

    bool Load(CXmlArchive &archive) override;
    void Save(CXmlArchive &archive) override;
    /// Required: always; Optional and WhenSet: when the member is not null.
    bool MustSave() const override;
    void OnMissing() override;
    void ResolveReferences(CXmlArchive &archive) override;
    /// A member pointing at from's object points at to's object afterwards (null when to's
    /// object is not of the member's type).
    void RedirectReferences(CAttContainer *from, CAttContainer *to) override;

    /// Takes name as read by the load loadId (CXmlArchive::GetLoadId), to resolve as a name
    /// the attribute read itself.
    void SetPendingName(std::string name, uint64_t loadId);

protected:
    /// The stored part of the member's target; null when the member is null.
    virtual CAttContainer *GetTarget() const = 0;
    /// Points the member at target's object; false, leaving the member null, when target is
    /// null or its object is not of the member's type.
    virtual bool SetTarget(CAttContainer *target) = 0;

private:
    std::string m_sTargetElementName;
    std::string m_sPendingName;
    // The load (CXmlArchive::GetLoadId) that read the pending name; 0 when none is pending.
    uint64_t m_nPendingLoad = 0;
};

namespace morvane {

/// CPtrAttribute over a member of type T*.
template <class T> class PtrAttributeOf final : public CPtrAttribute
{
public:
    PtrAttributeOf(T **member, std::string name, std::string targetElementName)
        : CPtrAttribute(std::move(name), std::move(targetElementName))
        , m_member(member)
    {
    }

protected:
    CAttContainer *GetTarget() const override { return toContainer(*m_member); }
    bool SetTarget(CAttContainer *target) override
    {
        *m_member = fromContainer<T>(target);
        return *m_member != nullptr;
    }

private:
    T **m_member;
};

/// How a reference member of one type is read, set and given its attribute.
struct PtrMemberAccess
{
    CAttContainer *(*get)(const void *member);
    /// As CPtrAttribute::SetTarget.
    bool (*set)(void *member, CAttContainer *target);
    std::unique_ptr<CPtrAttribute> (*bind)(void *member, std::string &&name,
                                           std::string &&targetElementName);
};

/// The one access of members of type T*.
template <class T> const PtrMemberAccess &ptrMemberAccess()
{
    static constexpr PtrMemberAccess access{
        [](const void *member) { return toContainer(*static_cast<T *const *>(member)); },
        [](void *member, CAttContainer *target) {
            T *&pointer = *static_cast<T **>(member);
            pointer = fromContainer<T>(target);
            return pointer != nullptr;
        },
        [](void *member, std::string &&name,
           std::string &&targetElementName) -> std::unique_ptr<CPtrAttribute> {
            return std::make_unique<PtrAttributeOf<T>>(static_cast<T **>(member), std::move(name),
                                                       std::move(targetElementName));
        }};
    return access;
}

} // namespace morvane
