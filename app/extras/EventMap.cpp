// Morvane program foundation extras.
// Listeners that answer model notifications from a table of filtered entries.
#include "app/extras/EventMap.h"

#include <utility>

using namespace morvane;

static constexpr uint32_t kAnyHalf = 0xFFFF;

static uint32_t lowHalf(uint32_t value)
{
    return value & 0xFFFFu;
}

static uint32_t highHalf(uint32_t value)
{
    return value >> 16;
}

// The two-half match: a half of 0xFFFF in the filter takes any value; the high half is only
// looked at when the low halves agree.
static bool matchesHalves(uint32_t filter, uint32_t value)
{
    if (lowHalf(filter) == kAnyHalf)
        return true;
    if (lowHalf(filter) != lowHalf(value))
        return false;
    return highHalf(filter) == kAnyHalf || highHalf(filter) == highHalf(value);
}

// Property changes compare the whole id, with the property's high half taken as 0xFFFF.
static bool matchesProperty(uint32_t filter, uint32_t property)
{
    const uint32_t value = property | 0xFFFF0000u;
    return filter == kMatchAny || value == kMatchAny || filter == value;
}

CEventMapEntry::CEventMapEntry(uint32_t type, uint32_t originFilter, uint32_t idFilter,
                               NoArgumentHandler handler)
    : CEventMapEntry(Handler(std::move(handler)), type, originFilter, idFilter)
{}

CEventMapEntry::CEventMapEntry(uint32_t type, uint32_t originFilter, uint32_t idFilter,
                               OwnerHandler handler)
    : CEventMapEntry(Handler(std::move(handler)), type, originFilter, idFilter)
{}

CEventMapEntry::CEventMapEntry(uint32_t type, uint32_t originFilter, uint32_t idFilter,
                               ParameterHandler handler)
    : CEventMapEntry(Handler(std::move(handler)), type, originFilter, idFilter)
{}

CEventMapEntry::CEventMapEntry(Handler handler, uint32_t type, uint32_t originFilter,
                               uint32_t idFilter)
    : m_nType(type), m_nOriginFilter(originFilter), m_nIdFilter(idFilter),
      m_oHandler(std::move(handler))
{}

int CEventMapEntry::GetKind() const
{
    return static_cast<int>(m_oHandler.index());
}

bool CEventMapEntry::Matches(uint32_t type, const EventData &data) const
{
    if (type != m_nType)
        return false;
    if (!matchesHalves(m_nOriginFilter, data.m_aIds[0]))
        return false;
    if (type == kEventBeforeChange || type == kEventAfterChange)
        return matchesProperty(m_nIdFilter, data.m_nFirst);
    return matchesHalves(m_nIdFilter, data.m_nFirst);
}

namespace {

// Calls a handler with the arguments of its kind.
struct HandlerCall
{
    const EventData &data;

    void operator()(const CEventMapEntry::NoArgumentHandler &handler) const { handler(); }
    void operator()(const CEventMapEntry::OwnerHandler &handler) const
    {
        handler(data.m_aOwners[0]);
    }
    void operator()(const CEventMapEntry::ParameterHandler &handler) const
    {
        handler(data.m_nSecond, data.m_aOwners[0]);
    }
};

} // namespace

void CEventMapEntry::Invoke(const EventData &data) const
{
    std::visit(HandlerCall{data}, m_oHandler);
}

bool CEventMap::OnNotify(EventRecord *)
{
    return true;
}

void CEventMap::RegisterEventHandlers() {}

void CEventMap::OnListenerRemoved() {}

void CEventMap::AddEntry(CEventMapEntry entry)
{
    m_aEntries.push_back(std::make_unique<CEventMapEntry>(std::move(entry)));
}

void CEventMap::OnAttached(EventData *data)
{
    CallMatchingEntries(kEventAttached, *data);
}

void CEventMap::OnDetached(EventData *data)
{
    CallMatchingEntries(kEventDetached, *data);
}

void CEventMap::OnEvent128(EventData *data)
{
    CallMatchingEntries(kEvent128, *data);
}

void CEventMap::OnEvent64(EventData *data)
{
    CallMatchingEntries(kEvent64, *data);
}

void CEventMap::OnBeforeChange(EventData *data)
{
    CallMatchingEntries(kEventBeforeChange, *data);
}

void CEventMap::OnAfterChange(EventData *data)
{
    CallMatchingEntries(kEventAfterChange, *data);
}

void CEventMap::OnBeginUpdate(EventData *data)
{
    CallMatchingEntries(kEventBeginUpdate, *data);
    CallAsChangeOfAll(kEventBeforeChange, *data);
}

void CEventMap::OnEndUpdate(EventData *data)
{
    CallMatchingEntries(kEventEndUpdate, *data);
    CallAsChangeOfAll(kEventAfterChange, *data);
}

void CEventMap::CallMatchingEntries(uint32_t type, const EventData &data) const
{
    // The size is read again on every step: a called function may add entries.
    for (size_t i = 0; i < m_aEntries.size(); ++i) {
        const CEventMapEntry &entry = *m_aEntries[i];
        if (entry.Matches(type, data))
            entry.Invoke(data);
    }
}

void CEventMap::CallAsChangeOfAll(uint32_t type, const EventData &data) const
{
    EventData allProperties = data;
    allProperties.m_nFirst = kMatchAny;
    CallMatchingEntries(type, allProperties);
}
