// Morvane foundation library.
// The map of one element name's stored objects by object name, through which references resolve.
#include "foundation/XmlNameMap.h"

#include <algorithm>
#include <cassert>
#include <functional>
#include <limits>

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

namespace {

// What numberOf gives for a name that is not written as a generated name. A plain number
// rather than an optional one, which would come back through memory and stall its reader.
constexpr size_t kNoNumber = std::numeric_limits<size_t>::max();

// The number that name writes, when it is written as a generated name ("0", "1", ... without
// leading zeros); kNoNumber otherwise.
size_t numberOf(std::string_view name)
{
    // Nine digits keep the number far from overflow; the table never grows that far anyway.
    constexpr size_t kMaxDigits = 9;
    if (name.empty() || name.size() > kMaxDigits || (name[0] == '0' && name.size() > 1))
        return kNoNumber;
    size_t number = 0;
    for (const char c : name) {
        if (c < '0' || c > '9')
            return kNoNumber;
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    return number;
}

} // namespace

CXmlNameMap::CXmlNameMap(std::pmr::memory_resource *memory)
    : m_aByNumber(memory)
    , m_oNamed(memory)
{
}

void CXmlNameMap::Assign(std::string_view name, CAttContainer *object)
{
    assert(object != nullptr && "entering a null object in a name map");
    const size_t number = numberOf(name);
    // A number past the end of the table would leave a gap that a hostile file could make
    // as large as it likes: it waits in the hash map until the table reaches it.
    if (number == kNoNumber || number > m_aByNumber.size()) {
        m_oNamed.insert_or_assign(std::string(name), object);
        return;
    }
    if (number == m_aByNumber.size()) {
        m_aByNumber.push_back(nullptr);
        // Most maps hold generated names alone: nothing waits, and the name needs no hash.
        if (!m_oNamed.empty()) {
            if (const auto waiting = m_oNamed.find(name); waiting != m_oNamed.end())
                m_oNamed.erase(waiting);
        }
    }
    CAttContainer *&slot = m_aByNumber[number];
    if (slot == nullptr)
        ++m_nNumbered;
    slot = object;
}

CAttContainer *CXmlNameMap::Find(std::string_view name) const
{
    if (const size_t number = numberOf(name); number < m_aByNumber.size())
        return m_aByNumber[number];
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
    const size_t needed = m_aByNumber.size() + count;
    if (needed > m_aByNumber.capacity())
        m_aByNumber.reserve(std::max(needed, 2 * m_aByNumber.capacity()));
}

void CXmlNameMap::ReserveNames(size_t count)
{
    const size_t needed = m_oNamed.size() + count;
    const auto room =
        static_cast<size_t>(static_cast<float>(m_oNamed.bucket_count()) * m_oNamed.max_load_factor());
    // Asked for less than the buckets hold, the map would shrink them.
    if (needed > room)
        m_oNamed.reserve(std::max(needed, 2 * m_oNamed.size()));
}
