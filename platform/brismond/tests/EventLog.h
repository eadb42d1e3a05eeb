// Morvane Brismond table-set library tests.
// A listener that writes down every event it hears, one short line each.
#pragma once

#include "foundation/EventSink.h"

#include <string>
#include <vector>

/// Records "<kind> <sender id>:<first argument>", the kind one of attach, detach, before,
/// after, begin, end, e64, e128; Take() hands the lines over and starts afresh.
class EventLog : public CEventSink
{
public:
    explicit EventLog(CEventHandler &handler);
    ~EventLog() override;
    EventLog(const EventLog &) = delete;
    EventLog &operator=(const EventLog &) = delete;

    void OnEvent(CEventHandler *sender, EventRecord *record) override;
    std::vector<std::string> Take();

private:
    CEventHandler &m_handler;
    std::vector<std::string> m_lines;
};
