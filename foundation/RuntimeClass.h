// Morvane foundation library.
// Runtime classes: a class name with the function that creates an object of that class.
#pragma once

#include <memory>
#include <string_view>

/// Root of every class whose objects can be created from a runtime class (model items derive
/// from it through their root class). Holds nothing; its virtual destructor lets an object
/// created by class name be owned and deleted through this base.
class CObject
{
public:
    CObject() = default;
    virtual ~CObject() = default;
    CObject(const CObject &) = default;
    CObject &operator=(const CObject &) = default;
};

/// The record of one runtime class: its name, as written in stored files ("ClassName"), and
/// the function that creates a default-constructed object of it. Records are constant objects,
/// one per class, defined beside the class, for example
/// `const CRuntimeClass kSquareClass{"CSquare", &CreateObjectOf<CSquare>};`.
struct CRuntimeClass
{
    using CreateFunction = std::unique_ptr<CObject> (*)();

    /// A new object of the class; null for a class without a create function (an abstract
    /// class, recorded only so that it can be named).
    std::unique_ptr<CObject> CreateObject() const;

    std::string_view m_sClassName;
    CreateFunction m_pfnCreateObject = nullptr;
};

/// The create function of a default-constructible class derived from CObject.
template <class T>
std::unique_ptr<CObject> CreateObjectOf()
{
    return std::make_unique<T>();
}
