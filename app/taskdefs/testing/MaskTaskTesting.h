// Morvane interactive tasks, test support.
// A grade mask's task manager with recording commands and stub tools, on documents in memory.
#pragma once

#include "app/documents/testing/FakeDocumentServices.h"
#include "app/taskdefs/ChartDeclaration.h"
#include "app/taskdefs/IMenuPresenter.h"
#include "app/taskdefs/IMouseCapture.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "tasks/Task.h"
#include "tasks/testing/ChartFixture.h"

#include <string>
#include <vector>

namespace morvane::test {

/// A CMaskTaskManager that also registers the recording commands and scripted templates a test
/// gives it, in place of the table's of the same names.
using ScriptedMaskTaskManager = BasicScriptedTaskManager<CMaskTaskManager>;

/// A stand-in for "IdleTask": it waits in "Idle", and records into the main task's undo list.
inline void defineIdleStub(ITask *task)
{
    static constexpr StateRow states[] = {{"Entry", StateType::Entry, 0},
                                          {"Idle", StateType::Plain, 1}};
    static constexpr TransitionRow transitions[] = {{"Entry", "", "", "Idle"}};
    defineChart(task, {{.undoEnabled = true, .sharedUndo = true}, {}, states, transitions});
}

/// A stand-in tool: it waits in "Work" (the main task ends it).
inline void defineToolStub(ITask *task)
{
    static constexpr StateRow states[] = {{"Entry", StateType::Entry, 0},
                                          {"Work", StateType::Plain, 1}};
    static constexpr TransitionRow transitions[] = {{"Entry", "", "", "Work"}};
    defineChart(task, {{}, {}, states, transitions});
}

/// Counts the releases of the mouse capture.
class RecordingMouseCapture : public IMouseCapture
{
public:
    void ReleaseCapture() override { ++releases; }
    int releases = 0;
};

/// Keeps the menus it is asked to show, and answers as told.
class RecordingMenuPresenter : public IMenuPresenter
{
public:
    struct Shown
    {
        uint32_t menu;
        int32_t x;
        int32_t y;
    };

    bool ShowPopupMenu(uint32_t menuId, int32_t x, int32_t y) override
    {
        shown.push_back({menuId, x, y});
        return loads;
    }

    std::vector<Shown> shown;
    bool loads = true;
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
