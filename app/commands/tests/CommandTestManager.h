// Morvane editing commands tests.
// A grade mask's task manager reduced to what one family of commands needs.
#pragma once

#include "app/documents/testing/FakeDocumentServices.h"
#include "tasks/ITask.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"
#include "tasks/TransitionId.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testcommands {

/// Runs the commands given, each on the event of its name in "Idle", over fake document
/// services. The main task keeps an undo history and the mode variables "bAutoMove",
/// "bAutoRotate", "nSnapMode" and "pFocusManager" (read and written by the tools' commands);
/// "UpdateFocusManager" counts its runs.
class CommandTestManager : public CTaskManager
{
public:
    using Maker = std::function<std::unique_ptr<CBaseCommand>()>;

    explicit CommandTestManager(std::vector<Maker> makers)
        : m_makers(std::move(makers))
    {
        Create(static_cast<IDocumentServices *>(&document));
        Run();
        document.taskManager = this;
    }

    bool dispatch(const std::string &event, void *data = nullptr)
    {
        return DispatchEvent(event, data);
    }
    ICommandAttributes &variables() { return *GetMainTask()->GetAttributes(); }
    int variable(const char *name)
    {
        int value = 0;
        variables().GetInteger(name, &value);
        return value;
    }

    morvane::FakeDocumentServices document;
    int focusUpdates = 0;

protected:
    void RegisterCommands() override
    {
        for (const Maker &make : m_makers) {
            std::unique_ptr<CBaseCommand> command = make();
            m_names.push_back(command->GetName());
            AddCommand(std::move(command));
        }
        AddCommand(
            "UpdateFocusManager", [this](ITask *, void *) { return ++focusUpdates > 0; }, nullptr,
            CMT_NO_MODIFY);
    }
    void RegisterTaskTemplates() override
    {
        AddTaskTemplate("Main", std::make_unique<Definition>(m_names));
        SetMainTask("Main");
    }

private:
    class Definition : public ITaskDefinition
    {
    public:
        explicit Definition(std::vector<std::string> names)
            : m_names(std::move(names))
        {
        }
        void Define(ITask *task) override
        {
            task->SetUndoEnabled(true);
            for (const char *name : {"bAutoMove", "bAutoRotate", "nSnapMode", "pFocusManager"})
                task->GetAttributes()->AddVariable(name, "0", 1);
            task->AddEntryState("Entry", 0);
            task->AddState("Idle", 1);
            task->AddTransition("Entry", "", "", "Idle", morvane::makeTransitionId());
            for (const std::string &name : m_names) {
                task->AddTransition("Idle", name, "", "Idle", morvane::makeTransitionId());
                task->SetEventCommand("Idle", name);
            }
        }

    private:
        std::vector<std::string> m_names;
    };

    std::vector<Maker> m_makers;
    std::vector<std::string> m_names;
};

/// A maker of the command class, for CommandTestManager.
template <class Command> CommandTestManager::Maker make()
{
    return [] { return std::make_unique<Command>(); };
}

} // namespace testcommands
