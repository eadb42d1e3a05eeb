// Morvane main window, view and interaction, tests.
// A grade mask's task manager that takes a given list of events, recording each with the main
// task's "shift" and "control" and the key record it came with.
#include "FrameTasks.h"

#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/Task.h"
#include "tasks/TransitionId.h"

#include <functional>
#include <memory>

namespace testframe {

namespace {

class ChartDefinition : public ITaskDefinition
{
public:
    explicit ChartDefinition(std::function<void(ITask *)> define) : m_define(std::move(define)) {}
    void Define(ITask *task) override { m_define(task); }

private:
    std::function<void(ITask *)> m_define;
};

} // namespace

std::vector<std::string> FrameTasks::names() const
{
    std::vector<std::string> result;
    for (const TakenEvent &event : taken)
        result.push_back(event.name);
    return result;
}

int FrameTasks::mainVariable(const char *name) const
{
    int value = 0;
    GetMainTask()->GetAttributes()->GetInteger(name, &value);
    return value;
}

void FrameTasks::RegisterCommands()
{
    for (const std::string &event : m_aEvents) {
        AddCommand(
            event,
            [this](ITask *, void *data) {
                const std::string name = GetCurrentEvent().GetName();
                TakenEvent taken_{name, mainVariable("shift"), mainVariable("control"), data,
                                  std::nullopt};
                if ((name == "OnKeyDown" || name == "OnKeyUp") && data)
                    taken_.key = *static_cast<const KeyEventRecord *>(data);
                taken.push_back(taken_);
                return true;
            },
            [this, event](ITask *) { return refused.count(event) == 0; }, CMT_NO_MODIFY);
    }
}

void FrameTasks::AddWaitingState(ITask *task)
{
    task->AddEntryState("Entry", 0);
    task->AddFinalState("Exit", 1);
    task->AddState("Waiting", 2);
    task->AddTransition("Entry", "", "", "Waiting", morvane::makeTransitionId());
    for (const std::string &event : m_aEvents) {
        const std::string id = morvane::makeTransitionId();
        task->AddTransition("Waiting", event, "", "", id);
        task->SetTransitionCommand(id, event);
    }
}

void FrameTasks::RegisterTaskTemplates()
{
    SetMainTask("Main");
    AddTaskTemplate("Main", std::make_unique<ChartDefinition>([this](ITask *task) {
                        for (const char *name : {"shift", "control"})
                            task->GetAttributes()->AddVariable(name, "-1",
                                                               morvane::kVisibleWritable);
                        if (m_sSubTask.empty()) {
                            AddWaitingState(task);
                            return;
                        }
                        task->AddEntryState("Entry", 0);
                        task->AddFinalState("Exit", 1);
                        task->AddSubTask(m_sSubTask, "Inner", 2);
                        task->AddTransition("Entry", "", "", m_sSubTask,
                                            morvane::makeTransitionId());
                    }));
    AddTaskTemplate("Inner", std::make_unique<ChartDefinition>(
                                 [this](ITask *task) { AddWaitingState(task); }));
}

} // namespace testframe
