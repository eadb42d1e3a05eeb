// Morvane test support.
// A listener that writes down every event it hears at one handler, one short line each.
#pragma once

#include "foundation/EventSink.h"

#include <string>
#include <utility>
#include <vector>

/// Records "<kind> <sender id>:<first argument>", the kind one of attach, detach, before,
/// after, begin, end, e64, e128; Take() hands the lines over and starts afresh.
class EventLog : public CEventSink
{
public:
    explicit EventLog(CEventHandler &handler)
        : m_handler(handler)
    {
        m_handler.AddListener(this);
    }
    ~EventLog() override { m_handler.RemoveListener(this); }
    EventLog(const EventLog &) = delete;
    EventLog &operator=(const EventLog &) = delete;

    void OnEvent(CEventHandler *, EventRecord *record) override
    {
        const EventData &data = *record->m_pData;
        m_lines.push_back(std::string(kindName(record->m_nKind)) + " " +
                          std::to_string(data.m_aIds[0]) + ":" + std::to_string(data.m_nFirst));
    }

    std::vector<std::string> Take() { return std::exchange(m_lines, {}); }

    /// Take(), keeping only the lines of events that sender (a handler id) sent.
    std::vector<std::string> TakeFrom(uint32_t sender)
    {
        const std::string mark = " " + std::to_string(sender) + ":";
        std::vector<std::string> kept;
        for (std::string &line : Take()) {
            if (line.find(mark) != std::string::npos)
                kept.push_back(std::move(line));
        }
        return kept;
    }

private:
    static const char *kindName(uint32_t kind)
    {
        switch (kind) {
        case morvane::kEventAttached:
            return "attach";
        case morvane::kEventDetached:
            return "detach";
        case morvane::kEventBeforeChange:
            return "before";
        case morvane::kEventAfterChange:
            return "after";
        case morvane::kEventBeginUpdate:
            return "begin";
        case morvane::kEventEndUpdate:
            return "end";
        case morvane::kEvent64:
            return "e64";
        case morvane::kEvent128:
            return "e128";
        }
        return "other";
    }

    CEventHandler &m_handler;
    std::vector<std::string> m_lines;
};
