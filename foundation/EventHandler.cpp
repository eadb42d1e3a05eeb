// Morvane foundation library.
// Event handlers linked along ownership, through which model changes climb to their listeners.
#include "foundation/EventHandler.h"

#include "foundation/EventSink.h"

#include <cassert>

using namespace morvane;

void CEventHandler::OnRootEvent(EventRecord *) {}

void CEventHandler::SendAttached(uint32_t id, uintptr_t object)
{
    Send(kEventAttached, id, object);
}

void CEventHandler::SendDetached(uint32_t id, uintptr_t object)
{
    Send(kEventDetached, id, object);
}

void CEventHandler::SendEvent128(uint32_t a, uintptr_t b)
{
    Send(kEvent128, a, b);
}

void CEventHandler::SendEvent64(uint32_t a, uintptr_t b)
{
    Send(kEvent64, a, b);
}

void CEventHandler::AddListener(CEventSink *sink)
{
    m_oListeners.Add(sink);
}

void CEventHandler::RemoveListener(CEventSink *sink)
{
    const int index = m_oListeners.Find(sink);
    if (index < 0)
        return;
    m_oListeners.RemoveAt(index);
    // A send that has reached this listener or one after it steps back with the rest.
    for (int *position : m_aDispatchPositions) {
        if (index <= *position)
            --*position;
    }
}

// True when handler is start or one of its ancestors.
[[maybe_unused]] static bool isOnChain(const CEventHandler *start, const CEventHandler *handler)
{
    for (const CEventHandler *h = start; h != nullptr; h = h->GetParent()) {
        if (h == handler)
            return true;
    }
    return false;
}

void CEventHandler::SetParent(uintptr_t object, CEventHandler *parent)
{
    assert(!isOnChain(parent, this) && "event handler chains must not form a cycle");
    m_pParent = parent;
    if (parent != nullptr)
        parent->SendAttached(m_nId, object);
}

void CEventHandler::DetachParent()
{
    if (m_pParent == nullptr)
        return;
    m_pParent->SendDetached(m_nId, reinterpret_cast<uintptr_t>(m_pOwner));
    m_pParent = nullptr;
}

uint32_t CEventHandler::SetHandlerId(uint32_t id, void *owner)
{
    m_nId = id;
    m_pOwner = owner;
    return id;
}

void CEventHandler::AttachSink(CHandlerTarget &target)
{
    target.m_pHandler = this;
}

void CEventHandler::SendBeforeChange(int32_t property)
{
    Send(kEventBeforeChange, static_cast<uint32_t>(property), 0);
}

void CEventHandler::SendAfterChange(int32_t property)
{
    Send(kEventAfterChange, static_cast<uint32_t>(property), 0);
}

void CEventHandler::SendBeginUpdate()
{
    Send(kEventBeginUpdate, 0, 0);
}

void CEventHandler::SendEndUpdate()
{
    Send(kEventEndUpdate, 0, 0);
}

void CEventHandler::SendEvent(EventRecord *record)
{
    if (m_nLockCount > 0)
        return;
    CEventHandler *handler = this;
    for (;;) {
        handler->AppendToPath(*record->m_pData);
        handler->NotifyListeners(record);
        CEventHandler *parent = handler->m_pParent;
        if (parent == nullptr) {
            handler->OnRootEvent(record);
            return;
        }
        if (parent->m_nLockCount > 0)
            return;
        handler = parent;
    }
}

int CEventHandler::LockEvents()
{
    return ++m_nLockCount;
}

int CEventHandler::UnlockEvents()
{
    if (m_nLockCount < 1)
        return m_nLockCount;
    return --m_nLockCount;
}

void CEventHandler::Send(uint32_t kind, uint32_t first, uintptr_t second)
{
    EventData data;
    data.m_nFirst = first;
    data.m_nSecond = second;
    EventRecord record{kind, &data};
    SendEvent(&record);
}

void CEventHandler::AppendToPath(EventData &data) const
{
    if (data.m_nHopCount >= kEventPathLength)
        return;
    data.m_aIds[data.m_nHopCount] = m_nId;
    data.m_aOwners[data.m_nHopCount] = m_pOwner;
    ++data.m_nHopCount;
}

namespace {

// Publishes the position of one send in the handler's list while the send calls listeners.
class DispatchPosition
{
public:
    explicit DispatchPosition(std::vector<int *> &positions) : m_positions(positions)
    {
        m_positions.push_back(&index);
    }
    ~DispatchPosition() { m_positions.pop_back(); }
    DispatchPosition(const DispatchPosition &) = delete;
    DispatchPosition &operator=(const DispatchPosition &) = delete;

    int index = 0;

private:
    std::vector<int *> &m_positions;
};

} // namespace

void CEventHandler::NotifyListeners(EventRecord *record)
{
    // The count is read again before every call: a listener may add or remove listeners here.
    DispatchPosition position(m_aDispatchPositions);
    for (int &i = position.index; i < m_oListeners.GetCount(); ++i)
        m_oListeners.GetAt(i)->OnEvent(this, record);
}
