// Morvane main window, view and interaction, tests.
// A task manager whose current task records the events it takes and the main task's variables.
#include "RecordingTaskManager.h"

#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"
#include "tasks/Task.h"
#include "tasks/TransitionId.h"

#include <memory>

namespace testview {

namespace {

class ChartDefinition : public ITaskDefinition
{
public:
    explicit ChartDefinition(std::function<void(ITask *)> define)
        : m_define(std::move(define))
    {
    }
    void Define(ITask *task) override { m_define(task); }

private:
    std::function<void(ITask *)> m_define;
};

constexpr const char *kMouseEvents[] = {"OnMouseMoveD", "OnLButtonDownD", "OnLButtonUpD",
                                        "OnRButtonUpD"};

} // namespace

int RecordingTaskManager::mainVariable(const char *name) const
{
    int value = 0;
    GetMainTask()->GetAttributes()->GetInteger(name, &value);
    return value;
}

void RecordingTaskManager::RegisterCommands()
{
    AddCommand(
        "Record", [this](ITask *task, void *data) { return record(task, data); }, nullptr,
        CMT_NO_MODIFY);
}

void RecordingTaskManager::RegisterTaskTemplates()
{
    SetMainTask("Main");
    AddTaskTemplate("Main", std::make_unique<ChartDefinition>([](ITask *task) {
                        for (const char *name : {"dist", "control", "shift"})
                            task->GetAttributes()->AddVariable(name, "-1",
                                                               morvane::kVisibleWritable);
                        task->AddEntryState("Entry", 0);
                        task->AddFinalState("Exit", 1);
                        task->AddSubTask("Tool", "Tool", 2);
                        task->AddTransition("Entry", "", "", "Tool", morvane::makeTransitionId());
                    }));
    AddTaskTemplate(
        "Tool", std::make_unique<ChartDefinition>([](ITask *task) {
            task->GetAttributes()->AddVariable("control", "-1", morvane::kVisibleWritable);
            task->AddEntryState("Entry", 0);
            task->AddFinalState("Exit", 1);
            task->AddState("Waiting", 2);
            task->AddTransition("Entry", "", "", "Waiting", morvane::makeTransitionId());
            std::vector<const char *> events(std::begin(kMouseEvents), std::end(kMouseEvents));
            events.push_back("ShowPopupMenu");
            events.push_back("CopySelectedObjects");
            for (const char *event : events) {
                const std::string id = morvane::makeTransitionId();
                task->AddTransition("Waiting", event, "", "", id);
                task->SetTransitionCommand(id, "Record");
            }
        }));
}

bool RecordingTaskManager::record(ITask *task, void *data)
{
    const std::string name = GetCurrentEvent().GetName();
    TakenEvent event{
        name,         mainVariable("dist"), mainVariable("control"), mainVariable("shift"), 0,
        std::nullopt, std::nullopt};
    task->GetAttributes()->GetInteger("control", &event.nestedControl);
    for (const char *mouseEvent : kMouseEvents) {
        if (name == mouseEvent && data != nullptr)
            event.mouse = *static_cast<const VIEW_MOUSE_PARAM *>(data);
    }
    if (name == "ShowPopupMenu" && data != nullptr)
        event.screenPoint = *static_cast<const PopupMenuPoint *>(data);
    taken.push_back(event);
    return true;
}

} // namespace testview
