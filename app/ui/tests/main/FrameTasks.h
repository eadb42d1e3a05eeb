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
    /// With a sub-task name, "Main" runs a sub-task of that name that waits for the events.
    explicit FrameTasks(std::vector<std::string> events, std::string subTask = {})
        : m_aEvents(std::move(events)), m_sSubTask(std::move(subTask))
    {}

    std::vector<std::string> names() const;

    std::vector<TakenEvent> taken;
    std::set<std::string> refused;

protected:
    void RegisterCommands() override;
    void RegisterTaskTemplates() override;

private:
    int mainVariable(const char *name) const;

    void AddWaitingState(ITask *task);

    std::vector<std::string> m_aEvents;
    std::string m_sSubTask;
};

} // namespace testframe
