// Morvane command, task and undo engine.
// The engine's entry point: registers commands and task templates, runs the main task.
#include "tasks/TaskManager.h"

#include "tasks/EventDispatchBlock.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/Task.h"

#include <algorithm>
#include <iostream>
#include <unordered_set>

CTaskManager::CTaskManager()
    : m_fnDiagnostic([](const std::string &message) {
          std::cerr << "task definition: " << message << '\n';
      })
{
}

CTaskManager::~CTaskManager()
{
    m_oDefinitions.clear();
    m_pMainTask.reset();
    m_oCommandRegistry.clear();
    m_oCommands.clear();
    m_oTemplates.clear();
}

void CTaskManager::SendEvent(const std::string &name, void *data)
{
    for (CTaskManager *manager : m_oLinkedManagers)
        manager->DispatchEvent(name, data);
}

int CTaskManager::AddCommand(const std::string &name, CCallbackCommand::ExecuteFunction execute,
                             CCallbackCommand::EnabledFunction enabled,
                             COMMAND_MODIFY_TYPE modifyType)
{
    return AddCommand(std::make_unique<CCallbackCommand>(name, std::move(execute),
                                                         std::move(enabled), modifyType));
}

bool CTaskManager::IsCommandNameTaken(const std::string &name) const
{
    return !name.empty() && m_oCommandRegistry.count(name) > 0;
}

CBaseCommand *CTaskManager::GetCommand(const std::string &name) const
{
    const auto found = m_oCommandRegistry.find(name);
    return found == m_oCommandRegistry.end() ? nullptr : found->second;
}

int CTaskManager::FindTask(const std::string &name) const
{
    for (size_t i = 0; i < m_oTemplates.size(); ++i) {
        if (m_oTemplates[i]->GetName() == name)
            return static_cast<int>(i);
    }
    return -1;
}

std::unique_ptr<CTask> CTaskManager::MakeNewTask(const std::string &templateName,
                                                 const std::string &name)
{
    return InstantiateTemplate(templateName, name, nullptr);
}

void CTaskManager::Create(void *data)
{
    m_pDataObject = data;
    RegisterCommands();
    RegisterTaskTemplates();
    PrepateTasks();
}

void CTaskManager::Run()
{
    if (m_pMainTask)
        m_pMainTask->StartState(nullptr);
}

bool CTaskManager::DispatchEvent(const CTaskEvent &event)
{
    if (CEventDispatchBlock::IsActive())
        return false;
    m_oCurrentEvent = event;
    if (!isRunning())
        return false;
    bool absorbed = false;
    bool commandResult = false;
    m_pMainTask->HandleEvent(event.GetName(), event.GetData(), absorbed, commandResult);
    return commandResult;
}

bool CTaskManager::DispatchEvent(const std::string &name, void *data)
{
    return DispatchEvent(CTaskEvent(name, data));
}

bool CTaskManager::CanDispatchEvent(const std::string &name, void *data)
{
    return GetEventState(CTaskEvent(name, data)).m_bCanDispatch;
}

bool CTaskManager::CanExecuteCommand(const std::string &name, void *data)
{
    return CanDispatchEvent(name, data);
}

CUpdateEvent CTaskManager::GetEventState(const CTaskEvent &event)
{
    m_oCurrentEvent = event;
    CUpdateEvent update;
    if (isRunning()) {
        update.m_bCanDispatch =
            m_pMainTask->GetEventState(event.GetName(), event.GetData(), update);
    }
    return update;
}

// Undo and Redo act on the innermost active task only: inside a tool with nothing to undo,
// the steps of the task around it stay as they are until the tool has finished.
void CTaskManager::Undo()
{
    if (isRunning())
        m_pMainTask->GetActiveTask()->Undo();
}

void CTaskManager::Redo()
{
    if (isRunning())
        m_pMainTask->GetActiveTask()->Redo();
}

bool CTaskManager::CanUndo()
{
    return isRunning() && m_pMainTask->GetActiveTask()->CanUndo();
}

bool CTaskManager::CanRedo()
{
    return isRunning() && m_pMainTask->GetActiveTask()->CanRedo();
}

TASK_STATUS CTaskManager::GetTaskStatus(const std::string &name) const
{
    if (!isRunning())
        return TS_INACTIVE;
    const CTask *innermost = m_pMainTask->GetActiveTask();
    if (innermost->GetName() == name)
        return TS_ACTIVE;
    for (const CTask *task = innermost->GetOwnerTask(); task; task = task->GetOwnerTask()) {
        if (task->GetName() == name)
            return TS_SUSPENDED;
    }
    return TS_INACTIVE;
}

void CTaskManager::ReportDefinitionError(const std::string &message)
{
    if (m_oReportedMessages.insert(message).second && m_fnDiagnostic)
        m_fnDiagnostic(message);
}

std::unique_ptr<CTask> CTaskManager::InstantiateTemplate(const std::string &templateName,
                                                         const std::string &name, CTask *owner)
{
    CTask *templateTask = definedTemplate(templateName);
    if (!templateTask)
        return nullptr;
    return CTask::Instantiate(*templateTask, name, owner);
}

int CTaskManager::AddTaskTemplate(const std::string &name,
                                  std::unique_ptr<ITaskDefinition> definition)
{
    const int existing = FindTask(name);
    if (existing >= 0)
        return existing;
    if (!definition) {
        ReportDefinitionError("task \"" + name + "\" has no definition");
        return -1;
    }
    m_oTemplates.push_back(std::make_unique<CTask>(name, -1, this, definition.get()));
    m_oDefinitions.push_back(std::move(definition));
    return static_cast<int>(m_oTemplates.size()) - 1;
}

void CTaskManager::PrepateTasks()
{
    // Defining a template can register no further template, so the count holds.
    for (const auto &templateTask : m_oTemplates) {
        if (!templateTask->IsDefined())
            defineTemplate(*templateTask);
    }
    m_pMainTask = MakeNewTask(m_sMainTaskName, m_sMainTaskName);
}

int CTaskManager::registerCommand(std::unique_ptr<CBaseCommand> command)
{
    command->SetTaskManager(this);
    m_oCommandRegistry[command->GetName()] = command.get();
    m_oCommands.push_back(std::move(command));
    return static_cast<int>(m_oCommands.size()) - 1;
}

CTask *CTaskManager::definedTemplate(const std::string &name)
{
    const int index = FindTask(name);
    if (index < 0) {
        ReportDefinitionError("no task template \"" + name + "\"");
        return nullptr;
    }
    CTask *templateTask = m_oTemplates[index].get();
    if (std::find(m_oTemplatesBeingDefined.begin(), m_oTemplatesBeingDefined.end(),
                  templateTask)
        != m_oTemplatesBeingDefined.end()) {
        ReportDefinitionError("task \"" + name + "\" contains itself");
        return nullptr;
    }
    if (!templateTask->IsDefined())
        defineTemplate(*templateTask);
    return templateTask;
}

void CTaskManager::defineTemplate(CTask &templateTask)
{
    templateTask.SetDefined(true);
    m_oTemplatesBeingDefined.push_back(&templateTask);
    templateTask.GetDefinition()->Define(&templateTask);
    templateTask.GetDefinition()->OnDefined(&templateTask);
    m_oTemplatesBeingDefined.pop_back();
    checkDefinedTemplate(templateTask);
}

void CTaskManager::checkDefinedTemplate(const CTask &templateTask)
{
    const std::string prefix = "task \"" + templateTask.GetName() + "\": ";
    if (!templateTask.FindState("Entry"))
        ReportDefinitionError(prefix + "no state \"Entry\"");
    std::unordered_set<std::string> ids;
    for (const auto &state : templateTask.GetStates()) {
        for (const CTaskTransition &transition : state->GetTransitions()) {
            if (!transition.GetTarget().empty() && !templateTask.FindState(transition.GetTarget()))
                ReportDefinitionError(prefix + "transition \"" + transition.GetId()
                                      + "\" leads to no state \"" + transition.GetTarget() + "\"");
            if (!transition.GetId().empty() && !ids.insert(transition.GetId()).second)
                ReportDefinitionError(prefix + "transition id \"" + transition.GetId()
                                      + "\" is used twice");
        }
    }
}

bool CTaskManager::isRunning() const
{
    return m_pMainTask && m_pMainTask->GetCurrentState();
}
