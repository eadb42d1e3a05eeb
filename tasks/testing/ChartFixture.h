// Morvane command, task and undo engine test support.
// Commands, definitions and a task manager that log what the engine does to them.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "tasks/BaseCommand.h"
#include "tasks/ITask.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/TaskManager.h"
#include "tasks/TransitionId.h"

namespace morvane::test {

/// What happened, in order: "run Place", "undo Place", "enter Sub", "state Main.Idle" ...
using EventLog = std::vector<std::string>;

/// How a RecordingCommand behaves; shared by the prototype and its clones, so a test can
/// change it after registration.
struct CommandBehaviour
{
    bool result = true;
    bool enabled = true;
    /// Executions so far; each copy remembers its number.
    int runs = 0;
    /// The numbers of the copies undone, in order.
    std::vector<int> undoneRuns;

    static std::shared_ptr<CommandBehaviour> failing()
    {
        auto behaviour = std::make_shared<CommandBehaviour>();
        behaviour->result = false;
        return behaviour;
    }
    static std::shared_ptr<CommandBehaviour> disabled()
    {
        auto behaviour = std::make_shared<CommandBehaviour>();
        behaviour->enabled = false;
        return behaviour;
    }
};

/// The history flags of a RecordingCommand.
struct CommandFlags
{
    bool addToHistory = true;
    bool repeat = true;
    COMMAND_MODIFY_TYPE modifyType = CMT_NO_MODIFY;
};

/// A command that logs its runs, undos and redos.
class RecordingCommand : public CBaseCommand
{
public:
    RecordingCommand(const std::string &name, EventLog *log, CommandFlags flags = {},
                     std::shared_ptr<CommandBehaviour> behaviour = {})
        : m_log(log)
        , m_behaviour(behaviour ? std::move(behaviour) : std::make_shared<CommandBehaviour>())
    {
        Create(name);
        SetAddToHistory(flags.addToHistory);
        SetRepeatCommand(flags.repeat);
        SetCommandModifyType(flags.modifyType);
    }

    std::unique_ptr<ICommand> Clone() const override
    {
        return std::make_unique<RecordingCommand>(*this);
    }
    bool OnExecute(void *) override
    {
        m_log->push_back("run " + GetName());
        m_run = ++m_behaviour->runs;
        return m_behaviour->result;
    }
    void OnUndo() override
    {
        m_log->push_back("undo " + GetName());
        m_behaviour->undoneRuns.push_back(m_run);
    }
    void OnRedo() override { m_log->push_back("redo " + GetName()); }
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *) override { return m_behaviour->enabled; }

    bool HasOwnerData() const { return IsDeleteCommand(); }

private:
    EventLog *m_log;
    std::shared_ptr<CommandBehaviour> m_behaviour;
    int m_run = 0;
};

/// A definition whose chart is built by a function and whose hooks are logged.
class ScriptedDefinition : public ITaskDefinition
{
public:
    ScriptedDefinition(EventLog *log, std::function<void(ITask *)> define)
        : m_log(log), m_define(std::move(define))
    {
    }

    void Define(ITask *task) override { m_define(task); }
    void OnEnter(ITask *task) override { m_log->push_back("enter " + task->GetName()); }
    void OnExit(ITask *task) override { m_log->push_back("exit " + task->GetName()); }
    void OnUndoHistoryChanged(ITask *) override { ++historyChanges; }
    void OnModifiedChanged(ITask *) override { ++modifiedChanges; }
    bool CanStart(ITask *) override { return canStart; }
    void OnStateEnter(ITask *task, const std::string &state, int) override
    {
        m_log->push_back("state " + task->GetName() + "." + state);
    }
    void OnStateExit(ITask *task, const std::string &state, int) override
    {
        m_log->push_back("left " + task->GetName() + "." + state);
    }
    bool IsEventEnabled(ITask *, const std::string &event) override
    {
        return enabledEvents.count(event) > 0;
    }

    bool canStart = true;
    std::set<std::string> enabledEvents;
    int historyChanges = 0;
    int modifiedChanges = 0;

private:
    EventLog *m_log;
    std::function<void(ITask *)> m_define;
};

/// A task manager that registers what a test gives it before what its base registers (so a
/// test's command or template stands in for the base's of the same name), and keeps the
/// diagnostics. The base is the engine's CTaskManager or a task manager of the program.
template <class Base>
class BasicScriptedTaskManager : public Base
{
public:
    explicit BasicScriptedTaskManager(EventLog *log) : m_log(log)
    {
        this->SetDiagnosticHandler([this](const std::string &message) {
            diagnostics.push_back(message);
        });
    }

    /// A command that logs into the manager's log, registered at Create.
    void command(const std::string &name, CommandFlags flags = {},
                 std::shared_ptr<CommandBehaviour> behaviour = {})
    {
        m_commands.push_back(
            std::make_unique<RecordingCommand>(name, m_log, flags, std::move(behaviour)));
    }
    /// Any other command, registered at Create.
    void command(std::unique_ptr<CBaseCommand> command)
    {
        m_commands.push_back(std::move(command));
    }
    /// A template, registered at Create; answers its definition for the test to adjust.
    ScriptedDefinition &task(const std::string &name, std::function<void(ITask *)> define)
    {
        auto definition = std::make_unique<ScriptedDefinition>(m_log, std::move(define));
        ScriptedDefinition &result = *definition;
        m_templates.emplace_back(name, std::move(definition));
        return result;
    }
    /// Create with the data object and Run, with `main` as the main task unless the base names
    /// its own.
    void start(const std::string &main, void *data = nullptr)
    {
        this->SetMainTask(main);
        this->Create(data);
        this->Run();
    }
    void link(CTaskManager *other) { this->AddLinkedManager(other); }

    std::vector<std::string> registrationOrder;
    std::vector<std::string> diagnostics;

protected:
    EventLog *eventLog() const { return m_log; }

    void RegisterCommands() override
    {
        registrationOrder.push_back("commands");
        for (auto &command : m_commands)
            this->AddCommand(std::move(command));
        m_commands.clear();
        if constexpr (!std::is_same_v<Base, CTaskManager>)
            Base::RegisterCommands();
    }
    void RegisterTaskTemplates() override
    {
        registrationOrder.push_back("templates");
        for (auto &[name, definition] : m_templates)
            this->AddTaskTemplate(name, std::move(definition));
        m_templates.clear();
        if constexpr (!std::is_same_v<Base, CTaskManager>)
            Base::RegisterTaskTemplates();
    }

private:
    EventLog *m_log;
    std::vector<std::unique_ptr<CBaseCommand>> m_commands;
    std::vector<std::pair<std::string, std::unique_ptr<ScriptedDefinition>>> m_templates;
};

/// The engine's task manager, registering what a test gives it.
using ScriptedTaskManager = BasicScriptedTaskManager<CTaskManager>;

/// Declares a chart as the program's definitions do: "Entry" (0) and the final "Exit" (1)
/// first, then states numbered on from 2, transitions with generated ids.
class Chart
{
public:
    explicit Chart(ITask *task) : m_task(task)
    {
        task->AddEntryState("Entry", 0);
        task->AddFinalState("Exit", 1);
    }
    Chart &state(const std::string &name)
    {
        m_task->AddState(name, m_nextIndex++);
        return *this;
    }
    /// A sub-task state running the template of the same name.
    Chart &subTask(const std::string &name)
    {
        m_task->AddSubTask(name, name, m_nextIndex++);
        return *this;
    }
    /// A transition; answers its id.
    std::string transition(const std::string &from, const std::string &event,
                           const std::string &to, const std::string &guard = "",
                           const std::string &command = "")
    {
        const std::string id = makeTransitionId();
        m_task->AddTransition(from, event, guard, to, id);
        if (!command.empty())
            m_task->SetTransitionCommand(id, command);
        return id;
    }

private:
    ITask *m_task;
    int m_nextIndex = 2;
};

/// What the log holds, leaving it empty: what one step of a test did.
inline EventLog takeLog(EventLog &log)
{
    EventLog taken = std::move(log);
    log.clear();
    return taken;
}

/// The commands run, from the log ("run X" entries), leaving the log empty.
inline EventLog takeCommandsRun(EventLog &log)
{
    EventLog commands;
    for (const std::string &entry : takeLog(log)) {
        if (entry.rfind("run ", 0) == 0)
            commands.push_back(entry);
    }
    return commands;
}

} // namespace morvane::test
