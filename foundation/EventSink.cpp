// Morvane foundation library.
// The listener base: receives the events that pass a handler, sorted by kind.
#include "foundation/EventSink.h"

using namespace morvane;

void CEventSink::OnEvent(CEventHandler *, EventRecord *record)
{
    EventData *data = record->m_pData;
    switch (record->m_nKind) {
    case kEventAttached:
        OnAttached(data);
        break;
    case kEventDetached:
        OnDetached(data);
        break;
    case kEventBeforeChange:
        OnBeforeChange(data);
        break;
    case kEventAfterChange:
        OnAfterChange(data);
        break;
    case kEventBeginUpdate:
        OnBeginUpdate(data);
        break;
    case kEventEndUpdate:
        OnEndUpdate(data);
        break;
    case kEvent64:
        OnEvent64(data);
        break;
    case kEvent128:
        OnEvent128(data);
        break;
    default:
        // Kinds are single bits; anything else is not an event of this system.
        break;
    }
}

void CEventSink::OnAttached(EventData *) {}
void CEventSink::OnDetached(EventData *) {}
void CEventSink::OnEvent128(EventData *) {}
void CEventSink::OnEvent64(EventData *) {}
void CEventSink::OnBeforeChange(EventData *) {}
void CEventSink::OnAfterChange(EventData *) {}
void CEventSink::OnBeginUpdate(EventData *) {}
void CEventSink::OnEndUpdate(EventData *) {}
