// Morvane foundation library.
// The names of the values of an enumeration, kept in the order they were added.
#include "foundation/EnumValueMap.h"

#include <cassert>

void CEnumValueMap::Add(uint32_t id, std::string_view name)
{
    if (m_oNames.contains(id))
        return;
    m_aOrder.push_back(id);
    m_oNames.emplace(id, name);
    m_oIds.insert_or_assign(std::string(name), id);
}

std::string CEnumValueMap::GetNameById(uint32_t id) const
{
    const auto found = m_oNames.find(id);
    return found == m_oNames.end() ? std::string() : found->second;
}

uint32_t CEnumValueMap::GetIdByName(std::string_view name) const
{
    const auto found = m_oIds.find(std::string(name));
    return found == m_oIds.end() ? 0 : found->second;
}

int CEnumValueMap::GetCount() const
{
    return static_cast<int>(m_aOrder.size());
}

bool CEnumValueMap::GetEntryAt(int index, uint32_t &id, std::string &name) const
{
    assert(index >= 0 && index < GetCount() && "enumeration entry index out of range");
    id = m_aOrder[static_cast<size_t>(index)];
    name = GetNameById(id);
    return true;
}
