// Morvane program foundation extras.
// The list of listeners to which a document broadcasts its notifications.
#include "app/extras/ListenerList.h"

#include "app/extras/EventMap.h"

#include <algorithm>
#include <cassert>

void CListenerList::Add(CEventMap *listener, CEventHandler &source)
{
    assert(listener != nullptr && "a listener list holds no null listener");
    m_aListeners.push_back(listener);
    source.AttachSink(*listener);
    listener->RegisterEventHandlers();
    listener->Rebuild();
}

void CListenerList::Remove(CEventMap *listener)
{
    if (listener == nullptr)
        return;
    listener->OnListenerRemoved();
    const auto found = std::find(m_aListeners.begin(), m_aListeners.end(), listener);
    if (found == m_aListeners.end())
        return;
    if (m_nBroadcastDepth > 0)
        *found = nullptr;
    else
        m_aListeners.erase(found);
}

void CListenerList::Notify(EventRecord &record)
{
    assert(record.m_pData != nullptr && "a notification carries its data");
    if (m_nLockCount > 0)
        return;
    ++m_nBroadcastDepth;
    // The size is read again on every step: a listener may add listeners.
    for (size_t i = 0; i < m_aListeners.size(); ++i) {
        if (m_aListeners[i] != nullptr)
            Tell(m_aListeners[i], record);
    }
    if (--m_nBroadcastDepth == 0)
        DropRemovedListeners();
}

void CListenerList::Notify(uint32_t type, EventData &data)
{
    EventRecord record{type, &data};
    Notify(record);
}

int CListenerList::GetCount() const
{
    return static_cast<int>(std::count_if(m_aListeners.begin(), m_aListeners.end(),
                                          [](const CEventMap *listener) { return listener != nullptr; }));
}

int CListenerList::Lock()
{
    return ++m_nLockCount;
}

int CListenerList::Unlock()
{
    if (m_nLockCount > 0)
        --m_nLockCount;
    return m_nLockCount;
}

void CListenerList::Tell(CEventMap *listener, EventRecord &record)
{
    // One listener's failure must not keep the others uninformed; there is nobody to report
    // it to here.
    try {
        listener->OnNotify(&record);
        listener->OnEvent(listener->GetHandler(), &record);
    } catch (...) {
    }
}

void CListenerList::DropRemovedListeners()
{
    std::erase(m_aListeners, nullptr);
}
