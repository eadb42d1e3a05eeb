// Morvane program foundation extras.
// The list of listeners to which a document broadcasts its notifications.
#pragma once

#include "foundation/EventHandler.h"

#include <cstdint>
#include <vector>

class CEventMap;

/// The listeners (not owned) to which an object broadcasts its notifications, in the order they
/// were added. Each listener is shielded from the others: an exception that one throws is
/// dropped and the broadcast goes on with the next. While the list is locked (lock count above
/// 0) broadcasts reach nobody.
///
/// A listener may add or remove listeners while it is being told: one removed during a
/// broadcast hears nothing more, one added hears the rest of it.
class CListenerList
{
public:
    CListenerList() = default;
    virtual ~CListenerList() = default;
    CListenerList(const CListenerList &) = delete;
    CListenerList &operator=(const CListenerList &) = delete;

    /// Appends listener, binds it to source (its GetHandler() then answers source), then calls
    /// its RegisterEventHandlers and its Rebuild. Exceptions of the two pass to the caller, with
    /// the listener already in the list.
    virtual void Add(CEventMap *listener, CEventHandler &source);
    /// Calls the listener's OnListenerRemoved (also when it is not in the list), then takes its
    /// first occurrence out of the list. A null listener is ignored.
    virtual void Remove(CEventMap *listener);
    /// Unless the list is locked, tells every listener in order: its OnNotify, then the typed
    /// handler of the record's kind (none for a kind that is not one of the eight); the sender
    /// the typed handlers see is the listener's own event source.
    virtual void Notify(EventRecord &record);
    /// Notify with the record {type, data}.
    virtual void Notify(uint32_t type, EventData &data);

    int GetCount() const;
    /// Raises the lock count; returns the new count.
    int Lock();
    /// Lowers the lock count, not below 0; returns the new count.
    int Unlock();
    int GetLockCount() const { return m_nLockCount; }

private:
    void Tell(CEventMap *listener, EventRecord &record);
    void DropRemovedListeners();

    // Slots of listeners removed during a broadcast are null until it ends.
    std::vector<CEventMap *> m_aListeners;
    int32_t m_nLockCount = 0;
    int m_nBroadcastDepth = 0;
};

namespace morvane {

/// Locks a listener list for its lifetime, also when the scope is left by an exception.
class ListenerListLock
{
public:
    explicit ListenerListLock(CListenerList &list) : m_list(list) { m_list.Lock(); }
    ~ListenerListLock() { m_list.Unlock(); }
    ListenerListLock(const ListenerListLock &) = delete;
    ListenerListLock &operator=(const ListenerListLock &) = delete;

private:
    CListenerList &m_list;
};

} // namespace morvane
