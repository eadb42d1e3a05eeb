// Morvane foundation library.
// Event handlers linked along ownership, through which model changes climb to their listeners.
#pragma once

#include "foundation/PtrCollection.h"

#include <cstdint>
#include <vector>

class CEventHandler;
class CEventSink;

namespace morvane {

/// Event kinds (single bits) and what the two arguments carry.
inline constexpr uint32_t kEventAttached = 1;     ///< child handler id, the child object
inline constexpr uint32_t kEventDetached = 2;     ///< child handler id, the child's owner
inline constexpr uint32_t kEventBeforeChange = 4; ///< property id (-1: several or all), 0
inline constexpr uint32_t kEventAfterChange = 8;  ///< property id (-1: several or all), 0
inline constexpr uint32_t kEventBeginUpdate = 16; ///< 0, 0
inline constexpr uint32_t kEventEndUpdate = 32;   ///< 0, 0
inline constexpr uint32_t kEvent64 = 64;          ///< as the sender defines
inline constexpr uint32_t kEvent128 = 128;        ///< as the sender defines

/// The number of hops an event path records.
inline constexpr uint32_t kEventPathLength = 32;

/// The high half of the id of every model handler; the low half is the class's source kind.
inline constexpr uint32_t kModelHandlerId = 0xFFFF0000;

} // namespace morvane

/// The arguments of one event and the path it has taken so far.
struct EventData
{
    uint32_t m_nFirst = 0;
    /// An integer, or an object pointer (as uintptr_t) where the kind carries an object.
    uintptr_t m_nSecond = 0;
    /// The number of handlers reached so far (at most kEventPathLength).
    uint32_t m_nHopCount = 0;
    /// Entry i: the id of the i-th handler reached; entry 0 is the sender's.
    uint32_t m_aIds[morvane::kEventPathLength] = {};
    /// Entry i: the owner of the i-th handler reached.
    void *m_aOwners[morvane::kEventPathLength] = {};
};

/// One event on its way: its kind and its data. Lives on the sender's stack for one send;
/// listeners get a pointer to it and must copy what they keep.
struct EventRecord
{
    uint32_t m_nKind = 0;
    EventData *m_pData = nullptr;
};

/// An object that serves one event handler, bound to it by CEventHandler::AttachSink: an event
/// sink (which then knows the handler it listens at), or a collection that makes that handler
/// the event parent of the elements it takes in.
class CHandlerTarget
{
public:
    /// The handler bound by AttachSink; null before.
    CEventHandler *GetHandler() const { return m_pHandler; }

protected:
    CHandlerTarget() = default;
    ~CHandlerTarget() = default;
    CHandlerTarget(const CHandlerTarget &) = default;
    CHandlerTarget &operator=(const CHandlerTarget &) = default;

private:
    friend class CEventHandler;
    CEventHandler *m_pHandler = nullptr;
};

/// The event handler that every model object carries. Handlers form a tree that mirrors
/// ownership: an owner makes its handler the parent of each child's handler (SetParent) and
/// unlinks it when it lets the child go (DetachParent). An event sent at a handler climbs the
/// chain of parents; at every handler on the way each registered listener sees it, and the
/// handler at the top gets OnRootEvent. Sends are synchronous and may nest.
///
/// A handler never deletes its parent or its listeners; whoever links or registers them
/// unlinks or removes them before either dies. Handlers are not copied: an object copy gets a
/// fresh handler of its own.
class CEventHandler
{
public:
    CEventHandler() = default;
    virtual ~CEventHandler() = default;
    CEventHandler(const CEventHandler &) = delete;
    CEventHandler &operator=(const CEventHandler &) = delete;

    /// Called when an event reaches this handler as the top of its chain. Empty here.
    virtual void OnRootEvent(EventRecord *record);
    /// Sends kind 1 from this handler: child handler id, the child object.
    virtual void SendAttached(uint32_t id, uintptr_t object);
    /// Sends kind 2 from this handler: child handler id, the child object.
    virtual void SendDetached(uint32_t id, uintptr_t object);
    virtual void SendEvent128(uint32_t a, uintptr_t b);
    virtual void SendEvent64(uint32_t a, uintptr_t b);
    /// Registers a listener (not owned), after those registered before; a listener added
    /// during a send at this handler is called in that send too.
    virtual void AddListener(CEventSink *sink);
    /// Removes the first registration of sink; nothing happens when it is absent. During a send
    /// at this handler a removed listener that has not been called yet is not called; the
    /// others are each called once (a listener may remove itself).
    virtual void RemoveListener(CEventSink *sink);
    /// Makes parent the event parent; when it is not null, parent then sends kind 1 with this
    /// handler's id and object, so the parent's listeners and all above see the attachment (this
    /// handler's own listeners do not). A null parent only clears the link, silently.
    virtual void SetParent(uintptr_t object, CEventHandler *parent);
    /// When there is a parent: the parent sends kind 2 with this handler's id and owner, then
    /// the link is cleared. Nothing happens without a parent.
    virtual void DetachParent();

    /// Stores the id (for model classes morvane::kModelHandlerId | source kind) and the owner
    /// that events record in their path; returns the id.
    uint32_t SetHandlerId(uint32_t id, void *owner);
    /// Binds target to this handler (its GetHandler() answers this); registers no listener and
    /// sends nothing.
    void AttachSink(CHandlerTarget &target);

    /// Kind 4 with the property id (-1: several or all properties).
    void SendBeforeChange(int32_t property);
    /// Kind 8 with the property id (-1: several or all properties).
    void SendAfterChange(int32_t property);
    /// Kind 16: a bulk change begins.
    void SendBeginUpdate();
    /// Kind 32: a bulk change ended.
    void SendEndUpdate();

    /// Sends record from this handler: nothing at all while this handler is locked. Otherwise,
    /// at each handler in turn, its id and owner are appended to the path and its listeners
    /// called in order; then the event goes on to the parent, unless the parent is locked (the
    /// event then ends there, without OnRootEvent), or there is no parent (OnRootEvent of this
    /// last handler, and the end). Beyond kEventPathLength handlers the event still climbs but
    /// the path records no more hops.
    void SendEvent(EventRecord *record);

    /// Raises the lock count; while it is above 0 the handler neither sends nor passes events
    /// on. Returns the new count.
    int LockEvents();
    /// Lowers the lock count and returns the new value; a count below 1 stays as it is.
    int UnlockEvents();

    CEventHandler *GetParent() const { return m_pParent; }
    uint32_t GetHandlerId() const { return m_nId; }
    void *GetOwner() const { return m_pOwner; }

private:
    void Send(uint32_t kind, uint32_t first, uintptr_t second);
    void AppendToPath(EventData &data) const;
    void NotifyListeners(EventRecord *record);

    CEventHandler *m_pParent = nullptr;
    uint32_t m_nId = 0;
    void *m_pOwner = nullptr;
    CPtrCollection<CEventSink> m_oListeners;
    int32_t m_nLockCount = 0;
    // The listener positions of the sends in progress at this handler (sends may nest), which
    // RemoveListener keeps on the same listeners.
    std::vector<int *> m_aDispatchPositions;
};
