// Morvane main window, view and interaction, tests.
// A grade mask's task manager that takes a given list of events, recording each with the main
// task's "shift" and "control" and the key record it came with.
#pragma once

#include "app/documents/EventRecords.h"
#include "app/taskdefs/MaskTaskManager.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace testframe {

struct TakenEvent
{
    std::string name;
    int shift;
    int control;
    void *data;
    std::optional<KeyEventRecord> key;
};

/// Its main task "Main" declares "shift" and "control" (-1 each) and waits for its events, each
/// taken by a command of its own name; an event named in refused cannot be dispatched.
class FrameTasks : public CMaskTaskManager
{
public:
    explicit FrameTasks(std::vector<std::string> events) : m_aEvents(std::move(events)) {}

    std::vector<std::string> names() const;

    std::vector<TakenEvent> taken;
    std::set<std::string> refused;

protected:
    void RegisterCommands() override;
    void RegisterTaskTemplates() override;

private:
    int mainVariable(const char *name) const;

    std::vector<std::string> m_aEvents;
};

} // namespace testframe
