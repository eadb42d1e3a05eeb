// Morvane interactive tasks, test support.
// A grade mask's task manager with recording commands and stub tools, on documents in memory.
#pragma once

#include "app/documents/testing/FakeDocumentServices.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "tasks/Task.h"
#include "tasks/testing/ChartFixture.h"

#include <array>
#include <string>

namespace morvane::test {

/// A CMaskTaskManager that also registers the recording commands and scripted templates a test
/// gives it, in place of names the registration table awaits.
using ScriptedMaskTaskManager = BasicScriptedTaskManager<CMaskTaskManager>;

/// Document services in memory that count the change notifications they send.
class NotifyingDocumentServices : public FakeDocumentServices
{
public:
    void NotifyChanged0() override { ++notifications[0]; }
    void NotifyChanged1() override { ++notifications[1]; }
    void NotifyChanged2() override { ++notifications[2]; }
    void NotifyChanged4() override { ++notifications[4]; }
    void NotifyChanged7() override { ++notifications[7]; }

    /// How often each notification code was sent.
    std::array<int, 8> notifications{};
};

/// The current state of the task and, while it is a sub-task, of the tasks inside it, joined by
/// "/": "IdleTask/OverFreeSpace".
inline std::string currentStatePath(CTask &task)
{
    std::string path;
    for (CTask *current = &task; current && current->GetCurrentState();) {
        CTaskState *state = current->GetCurrentState();
        path += (path.empty() ? "" : "/") + state->GetName();
        current = state->AsTask();
    }
    return path;
}

} // namespace morvane::test
