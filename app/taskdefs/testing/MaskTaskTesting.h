// Morvane interactive tasks, test support.
// A grade mask's task manager with recording commands and stub tools, on documents in memory.
#pragma once

#include "app/documents/testing/FakeDocumentServices.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "tasks/Task.h"
#include "tasks/testing/ChartFixture.h"

#include <string>

namespace morvane::test {

/// A CMaskTaskManager that also registers the recording commands and scripted templates a test
/// gives it, in place of names the registration table awaits.
using ScriptedMaskTaskManager = BasicScriptedTaskManager<CMaskTaskManager>;

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
