// Morvane foundation library.
// A registry of runtime classes by id, class name and stored element name.
#include "foundation/ClassRegistry.h"

#include "foundation/RuntimeClass.h"

#include <cassert>

static bool findId(const std::map<std::string, uint32_t, std::less<>> &ids, std::string_view name,
                   uint32_t &id)
{
    const auto found = ids.find(name);
    if (found == ids.end())
        return false;
    id = found->second;
    return true;
}

bool CClassRegistry::Register(uint32_t id, const CRuntimeClass *cls, std::string_view elementName)
{
    assert(cls != nullptr && "registering a null runtime class");
    if (m_oClasses.contains(id) || m_oIdsByClassName.contains(cls->m_sClassName)
        || m_oIdsByElementName.contains(elementName))
        return false;
    m_aOrder.push_back(id);
    m_oClasses.emplace(id, cls);
    m_oElementNames.emplace(id, elementName);
    m_oIdsByClassName.emplace(cls->m_sClassName, id);
    m_oIdsByElementName.emplace(elementName, id);
    return true;
}

int CClassRegistry::GetCount() const
{
    return static_cast<int>(m_aOrder.size());
}

uint32_t CClassRegistry::GetIdAt(int index) const
{
    assert(index >= 0 && index < GetCount() && "class registry index out of range");
    return m_aOrder[static_cast<size_t>(index)];
}

const CRuntimeClass *CClassRegistry::GetClassAt(int index) const
{
    return m_oClasses.at(GetIdAt(index));
}

std::string CClassRegistry::GetElementNameAt(int index) const
{
    return m_oElementNames.at(GetIdAt(index));
}

const CRuntimeClass *CClassRegistry::GetClassById(uint32_t id) const
{
    const auto found = m_oClasses.find(id);
    return found == m_oClasses.end() ? nullptr : found->second;
}

std::string CClassRegistry::GetElementNameById(uint32_t id) const
{
    const auto found = m_oElementNames.find(id);
    return found == m_oElementNames.end() ? std::string() : found->second;
}

bool CClassRegistry::FindIdByClassName(std::string_view className, uint32_t &id) const
{
    return findId(m_oIdsByClassName, className, id);
}

bool CClassRegistry::FindIdByElementName(std::string_view elementName, uint32_t &id) const
{
    return findId(m_oIdsByElementName, elementName, id);
}
