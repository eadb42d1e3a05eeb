// Morvane Brismond table-set library tests.
// A listener that writes down every event it hears, one short line each.
#include "EventLog.h"

#include <utility>

EventLog::EventLog(CEventHandler &handler) : m_handler(handler)
{
    m_handler.AddListener(this);
}

EventLog::~EventLog()
{
    m_handler.RemoveListener(this);
}

static const char *kindName(uint32_t kind)
{
    switch (kind) {
    case morvane::kEventAttached: return "attach";
    case morvane::kEventDetached: return "detach";
    case morvane::kEventBeforeChange: return "before";
    case morvane::kEventAfterChange: return "after";
    case morvane::kEventBeginUpdate: return "begin";
    case morvane::kEventEndUpdate: return "end";
    case morvane::kEvent64: return "e64";
    case morvane::kEvent128: return "e128";
    }
    return "other";
}

void EventLog::OnEvent(CEventHandler *, EventRecord *record)
{
    const EventData &data = *record->m_pData;
    m_lines.push_back(std::string(kindName(record->m_nKind)) + " " +
                      std::to_string(data.m_aIds[0]) + ":" + std::to_string(data.m_nFirst));
}

std::vector<std::string> EventLog::Take()
{
    return std::exchange(m_lines, {});
}
