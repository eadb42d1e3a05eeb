// Morvane foundation library.
// The listener base: receives the events that pass a handler, sorted by kind.
#pragma once

#include "foundation/EventHandler.h"

/// A listener registered at an event handler (CEventHandler::AddListener). OnEvent sorts each
/// event by kind onto the eight handlers, which do nothing here; a listener overrides the ones
/// it needs. The handlers get the event's data; the origin of the event is the id and owner in
/// path entry 0, its route the later entries.
class CEventSink : public CHandlerTarget
{
public:
    CEventSink() = default;
    virtual ~CEventSink() = default;
    CEventSink(const CEventSink &) = default;
    CEventSink &operator=(const CEventSink &) = default;

    /// Dispatches kinds 1, 2, 4, 8, 16, 32, 64 and 128 to their handler; any other kind is
    /// ignored. The sender is the handler the event is passing.
    virtual void OnEvent(CEventHandler *sender, EventRecord *record);

    virtual void OnAttached(EventData *data);
    virtual void OnDetached(EventData *data);
    virtual void OnEvent128(EventData *data);
    virtual void OnEvent64(EventData *data);
    virtual void OnBeforeChange(EventData *data);
    virtual void OnAfterChange(EventData *data);
    virtual void OnBeginUpdate(EventData *data);
    virtual void OnEndUpdate(EventData *data);
};
