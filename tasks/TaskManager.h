// Morvane command, task and undo engine.
// The engine's entry point: registers commands and task templates, runs the main task.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "tasks/BaseCommand.h"
#include "tasks/CallbackCommand.h"
#include "tasks/ITaskManager.h"
#include "tasks/TaskEvent.h"

class CTask;
class ITask;
class ITaskDefinition;

/// Runs the tasks of one editing context. A subclass registers its commands and task
/// templates; the owner names the main template (SetMainTask), calls Create with its data
/// object and then Run, and from then on forwards user input as DispatchEvent calls and
/// enables menu items with CanDispatchEvent. Dispatch, queries, Undo and Redo do nothing (and
/// answer false) before Run.
class CTaskManager : public ITaskManager
{
public:
    /// Receives one message per problem found in a chart definition, or in a running chart (an
    /// end that no task takes).
    using DiagnosticHandler = std::function<void(const std::string &message)>;

    /// Empty registries, no main task, no data object; diagnostics go to standard error.
    CTaskManager();
    /// Deletes the definitions, the main task (with its sub-tasks, variables and undo groups),
    /// the commands and the templates, in that order.
    ~CTaskManager() override;
    CTaskManager(const CTaskManager &) = delete;
    CTaskManager &operator=(const CTaskManager &) = delete;

    void *GetDataObject() const override { return m_pDataObject; }
    CTaskEvent GetCurrentEvent() const override { return m_oCurrentEvent; }
    /// Dispatches the event to every linked manager, in order; nothing when none is linked.
    virtual void SendEvent(const std::string &name, void *data);

    /// Names the template that Create instantiates as the main task.
    void SetMainTask(const std::string &name) { m_sMainTaskName = name; }
    /// Registers a command prototype and takes it over, answering its index. A command whose
    /// name is not empty and already registered is refused with -1 and stays with the caller
    /// (the pointer keeps it). A later empty-named command replaces the earlier one for
    /// GetCommand("").
    template <class Command>
    int AddCommand(std::unique_ptr<Command> &&command)
    {
        static_assert(std::is_base_of_v<CBaseCommand, Command>, "commands derive CBaseCommand");
        if (!command || IsCommandNameTaken(command->GetName()))
            return -1;
        return registerCommand(std::move(command));
    }
    /// Registers a CCallbackCommand made of the two functions.
    int AddCommand(const std::string &name, CCallbackCommand::ExecuteFunction execute,
                   CCallbackCommand::EnabledFunction enabled, COMMAND_MODIFY_TYPE modifyType);
    /// Whether AddCommand would refuse a command of that name.
    bool IsCommandNameTaken(const std::string &name) const;
    /// The registered prototype of that name, or null.
    CBaseCommand *GetCommand(const std::string &name) const;
    /// Index of the template of that name, or -1.
    int FindTask(const std::string &name) const;
    /// A new instance of the template, defined first if needed; null (and a diagnostic) when
    /// no template has that name.
    std::unique_ptr<CTask> MakeNewTask(const std::string &templateName, const std::string &name);
    /// Stores the data object, registers the commands, then the templates, defines every
    /// template and instantiates the main task.
    void Create(void *data);
    /// Enters the main task (its OnEnter, entry command and "Entry").
    void Run();
    /// The main task; null before Create or when no template has the main task's name.
    CTask *GetMainTask() const { return m_pMainTask.get(); }

    /// Feeds the event to the active states, innermost first. Answers the result of the command
    /// of the transition that fired (false without command, with a disabled command, or when
    /// nothing fired; an event nobody takes is dropped). While a CEventDispatchBlock lives it
    /// answers false and changes nothing.
    bool DispatchEvent(const CTaskEvent &event);
    bool DispatchEvent(const std::string &name, void *data);
    /// Whether the event would be taken now; changes nothing.
    bool CanDispatchEvent(const std::string &name, void *data);
    /// Same as CanDispatchEvent.
    bool CanExecuteCommand(const std::string &name, void *data);
    CUpdateEvent GetEventState(const CTaskEvent &event);

    /// Undo, Redo and their queries act on the innermost active task only (when it allows
    /// undo and has a step), never on the tasks around it.
    void Undo();
    void Redo();
    bool CanUndo();
    bool CanRedo();

    /// TS_ACTIVE for the innermost active task, TS_SUSPENDED for a task enclosing it,
    /// TS_INACTIVE otherwise (also before Run).
    TASK_STATUS GetTaskStatus(const std::string &name) const;
    void SetDataObject(void *data) { m_pDataObject = data; }

    /// Replaces where definition problems are reported (an empty handler drops them).
    void SetDiagnosticHandler(DiagnosticHandler handler) { m_fnDiagnostic = std::move(handler); }
    /// Reports a problem of a chart, each distinct message once.
    void ReportDefinitionError(const std::string &message);
    /// An instance of the template for a sub-task state of `owner`, the template defined first
    /// if needed; null (and a diagnostic) for an unknown template or a template that would
    /// contain itself.
    std::unique_ptr<CTask> InstantiateTemplate(const std::string &templateName,
                                               const std::string &name, CTask *owner);

protected:
    /// Calls AddTaskTemplate for each template.
    virtual void RegisterTaskTemplates() = 0;
    /// Calls AddCommand for each command.
    virtual void RegisterCommands() = 0;

    /// Registers a template built by the definition, which the manager owns from now on, and
    /// answers its index. A second template of the same name keeps the first (the new
    /// definition is deleted) and answers its index; a null definition answers -1.
    int AddTaskTemplate(const std::string &name, std::unique_ptr<ITaskDefinition> definition);
    /// Defines every template not yet defined, in registration order, then instantiates the
    /// main task.
    void PrepateTasks();
    /// Makes SendEvent reach another manager, which must outlive this one's dispatches.
    void AddLinkedManager(CTaskManager *manager) { m_oLinkedManagers.push_back(manager); }

private:
    int registerCommand(std::unique_ptr<CBaseCommand> command);
    /// The template of that name, defined; null (reported) when none or while it is being
    /// defined.
    CTask *definedTemplate(const std::string &name);
    void defineTemplate(CTask &templateTask);
    void checkDefinedTemplate(const CTask &templateTask);
    bool isRunning() const;

    std::unique_ptr<CTask> m_pMainTask;
    std::vector<std::unique_ptr<CTask>> m_oTemplates;
    std::vector<std::unique_ptr<ITaskDefinition>> m_oDefinitions;
    std::vector<std::unique_ptr<CBaseCommand>> m_oCommands;
    std::unordered_map<std::string, CBaseCommand *> m_oCommandRegistry;
    void *m_pDataObject = nullptr;
    std::string m_sMainTaskName;
    std::vector<CTaskManager *> m_oLinkedManagers;
    CTaskEvent m_oCurrentEvent;
    // Templates whose Define is running, to refuse a template that contains itself.
    std::vector<const CTask *> m_oTemplatesBeingDefined;
    DiagnosticHandler m_fnDiagnostic;
    std::unordered_set<std::string> m_oReportedMessages;
};
