// Morvane benchmarks.
// Mouse-move events dispatched through a three-level task chart with guards: the engine's own
// figure, which other benchmarks of the tasks print beside theirs.
#pragma once

#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"
#include "tasks/TransitionId.h"

#include <functional>
#include <string>

#include <benchmark/benchmark.h>

namespace morvane::bench {

class ChartDefinition : public ITaskDefinition
{
public:
    explicit ChartDefinition(std::function<void(ITask *)> define) : m_define(std::move(define)) {}
    void Define(ITask *task) override { m_define(task); }

private:
    std::function<void(ITask *)> m_define;
};

inline void transition(ITask *task, const char *from, const char *event, const char *guard,
                const char *to, const char *command = "")
{
    const std::string id = makeTransitionId();
    task->AddTransition(from, event, guard, to, id);
    if (*command)
        task->SetTransitionCommand(id, command);
}

// Main (the view's variables) -> Tool -> Drag, whose state "Dragging" takes "OnMouseMoveD":
// a snapping transition whose guard fails, then tracking while "dist>3"; below that distance
// the event goes on to Drag's own transition in Tool's chart ("Hover").
class MouseTaskManager : public CTaskManager
{
public:
    int tracked = 0;
    int hovered = 0;

protected:
    void RegisterCommands() override
    {
        AddCommand("TrackMouse", [this](ITask *, void *) { return ++tracked > 0; }, nullptr,
                   CMT_NO_MODIFY);
        AddCommand("Hover", [this](ITask *, void *) { return ++hovered > 0; }, nullptr,
                   CMT_NO_MODIFY);
    }
    void RegisterTaskTemplates() override
    {
        AddTaskTemplate("Main", std::make_unique<ChartDefinition>([](ITask *task) {
            ICommandAttributes *variables = task->GetAttributes();
            for (const char *name : {"control", "shift", "dist", "nSnapMode"})
                variables->AddVariable(name, "0", kVisibleWritable);
            task->AddEntryState("Entry", 0);
            task->AddFinalState("Exit", 1);
            task->AddSubTask("Tool", "Tool", 2);
            transition(task, "Entry", "", "", "Tool");
        }));
        AddTaskTemplate("Tool", std::make_unique<ChartDefinition>([](ITask *task) {
            task->GetAttributes()->AddVariable("bAutoMove", "1", kVisibleReadOnly);
            task->AddEntryState("Entry", 0);
            task->AddFinalState("Exit", 1);
            task->AddSubTask("Drag", "Drag", 2);
            transition(task, "Entry", "", "", "Drag");
            transition(task, "Drag", "OnMouseMoveD", "bAutoMove;nSnapMode=0", "", "Hover");
        }));
        AddTaskTemplate("Drag", std::make_unique<ChartDefinition>([](ITask *task) {
            task->GetAttributes()->AddVariable("nFocusObjectType", "10", kVisibleReadOnly);
            task->AddEntryState("Entry", 0);
            task->AddFinalState("Exit", 1);
            task->AddState("Dragging", 2);
            task->AddState("Snap", 3);
            transition(task, "Entry", "", "", "Dragging");
            transition(task, "Dragging", "OnMouseMoveD", "shift=1;control=1", "Snap");
            transition(task, "Dragging", "OnMouseMoveD", "dist>3;nFocusObjectType=10", "",
                       "TrackMouse");
        }));
    }
};

// The distances of consecutive mouse moves: three of four beyond the drag threshold.
inline constexpr int kDistances[] = {5, 8, 2, 12};

inline void BM_DispatchMouseMove(benchmark::State &state)
{
    MouseTaskManager manager;
    manager.SetMainTask("Main");
    manager.Create(nullptr);
    manager.Run();
    ICommandAttributes *variables = manager.GetMainTask()->GetAttributes();
    double point[2] = {10.0, 20.0};
    size_t move = 0;
    for (auto _ : state) {
        variables->SetInteger("dist", kDistances[move++ % 4]);
        benchmark::DoNotOptimize(manager.DispatchEvent("OnMouseMoveD", point));
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("events; every one taken (" + std::to_string(manager.tracked) + " tracked, "
                   + std::to_string(manager.hovered) + " hovered)");
}

} // namespace morvane::bench
