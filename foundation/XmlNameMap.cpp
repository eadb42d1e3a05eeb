// Morvane foundation library.
// The map of one element name's stored objects by object name, through which references resolve.
#include "foundation/XmlNameMap.h"

#include <cassert>
#include <functional>

namespace morvane {

size_t XmlNameHash::operator()(std::string_view name) const noexcept
{
    // Up to 19 digits fit in 64 bits.
    constexpr size_t kMaxDigits = 19;
    if (name.empty() || name.size() > kMaxDigits)
        return std::hash<std::string_view>()(name);
    size_t number = 0;
    for (const char c : name) {
        if (c < '0' || c > '9')
            return std::hash<std::string_view>()(name);
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    return number;
}

} // namespace morvane

CXmlNameMap::CXmlNameMap(std::pmr::memory_resource *memory)
    : m_aByNumber(memory)
    , m_oNamed(memory)
{
}

std::optional<size_t> CXmlNameMap::NumberOf(std::string_view name)
{
    // Nine digits keep the number far from overflow; the table never grows that far anyway.
    constexpr size_t kMaxDigits = 9;
    if (name.empty() || name.size() > kMaxDigits || (name[0] == '0' && name.size() > 1))
        return std::nullopt;
    size_t number = 0;
    for (const char c : name) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    return number;
}

void CXmlNameMap::Assign(std::string_view name, CAttContainer *object)
{
    assert(object != nullptr && "entering a null object in a name map");
    const std::optional<size_t> number = NumberOf(name);
    // A number past the end of the table would leave a gap that a hostile file could make
    // as large as it likes: it waits in the hash map until the table reaches it.
    if (!number || *number > m_aByNumber.size()) {
        m_oNamed.insert_or_assign(std::string(name), object);
        return;
    }
    if (*number == m_aByNumber.size()) {
        m_aByNumber.push_back(nullptr);
        if (const auto waiting = m_oNamed.find(name); waiting != m_oNamed.end())
            m_oNamed.erase(waiting);
    }
    CAttContainer *&slot = m_aByNumber[*number];
    if (slot == nullptr)
        ++m_nNumbered;
    slot = object;
}

CAttContainer *CXmlNameMap::Find(std::string_view name) const
{
    if (const std::optional<size_t> number = NumberOf(name); number && *number < m_aByNumber.size())
        return m_aByNumber[*number];
    const auto found = m_oNamed.find(name);
    return found == m_oNamed.end() ? nullptr : found->second;
}

void CXmlNameMap::Erase(const CAttContainer *object)
{
    for (CAttContainer *&slot : m_aByNumber) {
        if (slot == object) {
            slot = nullptr;
            --m_nNumbered;
        }
    }
    std::erase_if(m_oNamed, [object](const auto &entry) { return entry.second == object; });
}

void CXmlNameMap::ReserveNumbers(size_t count)
{
    m_aByNumber.reserve(m_aByNumber.size() + count);
}

void CXmlNameMap::ReserveNames(size_t count)
{
    m_oNamed.reserve(m_oNamed.size() + count);
}
