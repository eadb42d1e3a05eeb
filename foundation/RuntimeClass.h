// Morvane foundation library.
// Runtime classes: named class records that create objects by class name and answer kind-of tests.
#pragma once

#include <memory>
#include <string_view>

class CRuntimeClass;

/// Root of every class whose objects can be created from a runtime class (model items derive
/// from it through their root class). Holds nothing; its virtual destructor lets an object
/// created by class name be owned and deleted through this base.
///
/// A class with a runtime class of its own declares
/// ```
/// static const CRuntimeClass *GetThisClass();
/// const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }
/// ```
/// and defines its record in its source file:
/// ```
/// static const CRuntimeClass kSquareClass("CSquare", &CreateObjectOf<CSquare>,
///                                         CShape::GetThisClass());
/// const CRuntimeClass *CSquare::GetThisClass() { return &kSquareClass; }
/// ```
class CObject
{
public:
    CObject() = default;
    virtual ~CObject() = default;
    CObject(const CObject &) = default;
    CObject &operator=(const CObject &) = default;

    /// The record of CObject itself (class name "CObject", no create function, no base).
    static const CRuntimeClass *GetThisClass();
    /// The record of the object's class: that of the most derived class that overrides this.
    virtual const CRuntimeClass *GetRuntimeClass() const;
    /// Whether the object's class is cls or derives from it (GetRuntimeClass()->IsDerivedFrom).
    bool IsKindOf(const CRuntimeClass *cls) const;
};

/// The record of one runtime class: its name, as written in stored files ("ClassName"), the
/// function that creates a default-constructed object of it, and the record of its base class.
///
/// Every record enters a process-wide registry of runtime classes when it is constructed and
/// leaves it when destroyed, so records are static objects defined beside their classes. The
/// registry finds a class by name and creates objects by class name; when two records share a
/// name, the first one constructed is the one found.
class CRuntimeClass
{
public:
    using CreateFunction = std::unique_ptr<CObject> (*)();

    /// Registers the record. className must outlive the record (a string literal); create is
    /// null for a class that cannot be created by name (an abstract class, recorded so that it
    /// can be named and tested for); baseClass is null only for a root class.
    CRuntimeClass(std::string_view className, CreateFunction create = nullptr,
                  const CRuntimeClass *baseClass = nullptr);
    ~CRuntimeClass();
    CRuntimeClass(const CRuntimeClass &) = delete;
    CRuntimeClass &operator=(const CRuntimeClass &) = delete;

    /// A new object of the class; null for a class without a create function.
    std::unique_ptr<CObject> CreateObject() const;
    /// Whether this class is base or derives from it through the base-class links.
    bool IsDerivedFrom(const CRuntimeClass *base) const;

    /// The registered class of that name (exact, case-sensitive); null when there is none.
    static const CRuntimeClass *FromName(std::string_view className);
    /// A new object of the registered class of that name; null when no class of that name is
    /// registered or it cannot be created. Loaders report that case as "Missing runtime class
    /// [%s] " (see CXmlErrorFormatter).
    static std::unique_ptr<CObject> CreateObjectByName(std::string_view className);

    const std::string_view m_sClassName;
    const CreateFunction m_pfnCreateObject;
    const CRuntimeClass *const m_pBaseClass;
};

/// The create function of a default-constructible class derived from CObject.
template <class T>
std::unique_ptr<CObject> CreateObjectOf()
{
    return std::make_unique<T>();
}
