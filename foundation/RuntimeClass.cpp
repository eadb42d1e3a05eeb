// Morvane foundation library.
// Runtime classes: a class name with the function that creates an object of that class.
#include "foundation/RuntimeClass.h"

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return m_pfnCreateObject();
}
