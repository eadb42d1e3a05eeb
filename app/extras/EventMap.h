// Morvane program foundation extras.
// Listeners that answer model notifications from a table of filtered entries.
#pragma once

#include "foundation/EventSink.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <variant>
#include <vector>

namespace morvane {

/// A filter half of 0xFFFF matches any value; a whole filter of kMatchAny matches everything.
inline constexpr uint32_t kMatchAny = 0xFFFFFFFF;

/// The filter that matches the 16-bit value low (a source kind or an id) in the low half and
/// any high half: the form model notifications are registered with.
constexpr uint32_t EventFilter(uint32_t low)
{
    return 0xFFFF0000u | (low & 0xFFFFu);
}

} // namespace morvane

/// One row of an event map: the event type it answers, a filter on the handler where the
/// notification started (path entry 0), a filter on the notification's first word, and the
/// function to call.
///
/// A filter holds two 16-bit halves; 0xFFFF in a half matches any value. The origin filter
/// matches when its low half is 0xFFFF, or when its low half equals the origin id's low half
/// and its high half is 0xFFFF or equals the origin id's high half; the id filter matches the
/// first word the same way. For types 4 and 8 (property changes) the first word's high half is
/// taken as 0xFFFF, and the id filter matches when it equals that word, when it is 0xFFFFFFFF,
/// or when the word is 0xFFFFFFFF (a change of several or all properties, and the follow-up
/// that a bulk change sends): so an id filter of 0x00000007 never answers a direct change of
/// property 7, only those follow-ups.
class CEventMapEntry
{
public:
    /// Kind 0: called without arguments.
    using NoArgumentHandler = std::function<void()>;
    /// Kind 1: called with the owner of the handler where the notification started.
    using OwnerHandler = std::function<void(void *owner)>;
    /// Kind 2: called with the notification's parameter (its second word) and that owner.
    using ParameterHandler = std::function<void(uintptr_t parameter, void *owner)>;

    CEventMapEntry(uint32_t type, uint32_t originFilter, uint32_t idFilter,
                   NoArgumentHandler handler);
    CEventMapEntry(uint32_t type, uint32_t originFilter, uint32_t idFilter, OwnerHandler handler);
    CEventMapEntry(uint32_t type, uint32_t originFilter, uint32_t idFilter,
                   ParameterHandler handler);

    /// An entry that calls method on object (not owned; it must outlive the entry).
    template <class T>
    CEventMapEntry(uint32_t type, uint32_t originFilter, uint32_t idFilter, T *object,
                   void (T::*method)())
        : CEventMapEntry(type, originFilter, idFilter,
                         NoArgumentHandler([object, method] { (object->*method)(); }))
    {}
    template <class T>
    CEventMapEntry(uint32_t type, uint32_t originFilter, uint32_t idFilter, T *object,
                   void (T::*method)(void *))
        : CEventMapEntry(type, originFilter, idFilter,
                         OwnerHandler([object, method](void *owner) { (object->*method)(owner); }))
    {}
    template <class T>
    CEventMapEntry(uint32_t type, uint32_t originFilter, uint32_t idFilter, T *object,
                   void (T::*method)(uintptr_t, void *))
        : CEventMapEntry(type, originFilter, idFilter,
                         ParameterHandler([object, method](uintptr_t parameter, void *owner) {
                             (object->*method)(parameter, owner);
                         }))
    {}

    /// 0, 1 or 2: the arguments the handler takes (see the handler types).
    int GetKind() const;

    /// True when the entry answers a notification of this type with this data.
    bool Matches(uint32_t type, const EventData &data) const;
    /// Calls the handler with the arguments of its kind taken from data.
    void Invoke(const EventData &data) const;

private:
    using Handler = std::variant<NoArgumentHandler, OwnerHandler, ParameterHandler>;

    CEventMapEntry(Handler handler, uint32_t type, uint32_t originFilter, uint32_t idFilter);

    uint32_t m_nType;
    uint32_t m_nOriginFilter;
    uint32_t m_nIdFilter;
    Handler m_oHandler;
};

/// A listener that answers notifications from its table of entries. It takes notifications
/// from a CListenerList (which calls OnNotify and then the typed handler) or as an event sink
/// registered at an event handler. Each typed handler calls every matching entry in table
/// order; the handler of type 16 (a bulk change begins) then also answers as a before-change of
/// all properties (type 4, first word 0xFFFFFFFF), and the handler of type 32 as an after-change
/// of all properties (type 8). Exceptions of the called functions pass to the caller.
///
/// When a CListenerList takes the map in, it binds the map to its event source (GetHandler),
/// calls RegisterEventHandlers, where a subclass fills the table, and then Rebuild, where it
/// builds what it shows.
class CEventMap : public CEventSink
{
public:
    CEventMap() = default;
    ~CEventMap() override = default;
    CEventMap(const CEventMap &) = delete;
    CEventMap &operator=(const CEventMap &) = delete;

    /// Sees every notification that a listener list broadcasts, before its typed handler.
    /// Does nothing here and returns true.
    virtual bool OnNotify(EventRecord *record);
    /// Called when a listener list takes the map in, after RegisterEventHandlers.
    virtual bool Rebuild() = 0;
    /// Called when a listener list takes the map in, before Rebuild. Empty here.
    virtual void RegisterEventHandlers();
    /// Called when a listener list lets the map go (also when the list did not hold it).
    /// Empty here.
    virtual void OnListenerRemoved();

    /// Appends an entry to the table.
    void AddEntry(CEventMapEntry entry);

    void OnAttached(EventData *data) override;
    void OnDetached(EventData *data) override;
    void OnEvent128(EventData *data) override;
    void OnEvent64(EventData *data) override;
    void OnBeforeChange(EventData *data) override;
    void OnAfterChange(EventData *data) override;
    void OnBeginUpdate(EventData *data) override;
    void OnEndUpdate(EventData *data) override;

private:
    void CallMatchingEntries(uint32_t type, const EventData &data) const;
    void CallAsChangeOfAll(uint32_t type, const EventData &data) const;

    // Entries live on the heap so that a handler may add entries while the table is walked.
    std::vector<std::unique_ptr<CEventMapEntry>> m_aEntries;
};
