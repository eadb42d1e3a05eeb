// Morvane foundation library.
// Runtime classes: named class records that create objects by class name and answer kind-of tests.
#include "foundation/RuntimeClass.h"

#include <map>

namespace {

// The registry of every runtime class record alive, by class name. Created on the first
// registration, so it outlives every static record constructed after it.
std::map<std::string_view, const CRuntimeClass *, std::less<>> &registry()
{
    static std::map<std::string_view, const CRuntimeClass *, std::less<>> classes;
    return classes;
}

const CRuntimeClass kObjectClass("CObject");

} // namespace

const CRuntimeClass *CObject::GetThisClass()
{
    return &kObjectClass;
}

const CRuntimeClass *CObject::GetRuntimeClass() const
{
    return &kObjectClass;
}

bool CObject::IsKindOf(const CRuntimeClass *cls) const
{
    return GetRuntimeClass()->IsDerivedFrom(cls);
}

CRuntimeClass::CRuntimeClass(std::string_view className, CreateFunction create,
                             const CRuntimeClass *baseClass)
    : m_sClassName(className)
    , m_pfnCreateObject(create)
    , m_pBaseClass(baseClass)
{
    registry().emplace(m_sClassName, this);
}

CRuntimeClass::~CRuntimeClass()
{
    auto &classes = registry();
    const auto found = classes.find(m_sClassName);
    if (found != classes.end() && found->second == this)
        classes.erase(found);
}

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return m_pfnCreateObject();
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass *base) const
{
    for (const CRuntimeClass *cls = this; cls != nullptr; cls = cls->m_pBaseClass) {
        if (cls == base)
            return true;
    }
    return false;
}

const CRuntimeClass *CRuntimeClass::FromName(std::string_view className)
{
    const auto &classes = registry();
    const auto found = classes.find(className);
    return found == classes.end() ? nullptr : found->second;
}

std::unique_ptr<CObject> CRuntimeClass::CreateObjectByName(std::string_view className)
{
    const CRuntimeClass *cls = FromName(className);
    return cls == nullptr ? nullptr : cls->CreateObject();
}
