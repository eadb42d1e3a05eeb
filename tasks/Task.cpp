// Morvane command, task and undo engine.
// A task: a state chart with variables and an undo group, itself a state of its parent's chart.
#include "tasks/Task.h"

#include "tasks/ICommand.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/TaskEvent.h"
#include "tasks/TaskManager.h"
#include "tasks/UndoGroup.h"

#include <string_view>

using morvane::StateKind;
using morvane::UndoAction;

namespace {

/// An undo name that a task answers itself, on its own group, instead of (or before) running
/// the command of that name.
struct UndoName
{
    std::string_view name;
    UndoAction action;
    bool commandRuns;
};

// Run by a sub-task state, on the sub-task's own group.
constexpr UndoName kCurrentTaskUndoNames[] = {
    {"AddCurrentTaskUndo", UndoAction::HandUp, false},
    {"UndoCurrentTask", UndoAction::UndoAll, false},
    {"ClearCurrentUndoTask", UndoAction::Clear, false},
};

// Run by a plain state, on the group of the task whose chart holds the state.
constexpr UndoName kParentTaskUndoNames[] = {
    {"AddParentTaskUndo", UndoAction::HandUp, false},
    {"UndoParentTask", UndoAction::UndoAll, true},
    {"ClearParentUndoTask", UndoAction::Clear, false},
};

template <size_t Count>
const UndoName *findUndoName(const UndoName (&names)[Count], const std::string &name)
{
    for (const UndoName &undoName : names) {
        if (undoName.name == name)
            return &undoName;
    }
    return nullptr;
}

} // namespace

CTask::CTask(const std::string &name, int index, CTaskManager *manager,
             ITaskDefinition *definition)
    : CTaskState(name, StateKind::SubTask, index, nullptr)
    , m_pTaskManager(manager)
    , m_oVariables(this)
    , m_pDefinition(definition)
{
}

CTask::CTask(const CTask &templateTask, const std::string &name, CTask *owner)
    : CTaskState(templateTask, name, owner)
    , m_pTaskManager(templateTask.m_pTaskManager)
    , m_oVariables(this)
    , m_pDefinition(templateTask.m_pDefinition)
    , m_bUndoEnabled(templateTask.m_bUndoEnabled)
    , m_bUseParentUndo(templateTask.m_bUseParentUndo)
    , m_sUndoToolTip(templateTask.m_sUndoToolTip)
    , m_sRedoToolTip(templateTask.m_sRedoToolTip)
    , m_bDefined(templateTask.m_bDefined)
    , m_bReturnToCaller(templateTask.m_bReturnToCaller)
{
    if (!m_bUseParentUndo || !owner) {
        m_pOwnedUndoGroup = std::make_unique<CUndoGroup>(this);
        m_pUndoGroup = m_pOwnedUndoGroup.get();
    }
    for (const CTaskVariable &variable : templateTask.m_oVariables.GetVariables())
        m_oVariables.AddVariable(variable.m_sName, variable.m_sValue, variable.m_nVisibility);

    m_oStates.reserve(templateTask.m_oStates.size());
    for (const auto &state : templateTask.m_oStates) {
        if (state->GetKind() == StateKind::SubTask) {
            const auto &subTask = static_cast<const CTask &>(*state);
            m_oStates.push_back(Instantiate(subTask, subTask.GetName(), this));
        } else
            m_oStates.push_back(std::make_unique<CTaskState>(*state, state->GetName(), this));
    }
    // Targets are looked up once per instance, in the chart that holds each state.
    for (const auto &state : m_oStates) {
        for (CTaskTransition &transition : state->GetTransitions())
            transition.ResolveTarget(*this);
    }
}

CTask::~CTask() = default;

std::unique_ptr<CTask> CTask::Instantiate(const CTask &templateTask, const std::string &name,
                                          CTask *owner)
{
    return std::unique_ptr<CTask>(new CTask(templateTask, name, owner));
}

CUndoGroup *CTask::GetUndoGroup()
{
    for (CTask *task = this; task; task = task->GetOwnerTask()) {
        if (task->m_pUndoGroup)
            return task->m_pUndoGroup;
    }
    return nullptr;
}

CTask *CTask::GetActiveTask()
{
    CTask *task = this;
    while (task->m_pCurrentState && task->m_pCurrentState->AsTask())
        task = task->m_pCurrentState->AsTask();
    return task;
}

void CTask::AddIgnoredEvent(const std::string &state, const std::string &event)
{
    CTaskState *target = state.empty() ? this : findStateOrReport(state, "AddIgnoredEvent");
    if (target)
        target->AddIgnoredEvent(event);
}

void CTask::AddState(const std::string &name, int index)
{
    m_oStates.push_back(std::make_unique<CTaskState>(name, StateKind::Normal, index, this));
}

void CTask::AddFinalState(const std::string &name, int index)
{
    m_oStates.push_back(std::make_unique<CTaskState>(name, StateKind::Final, index, this));
}

void CTask::AddEntryState(const std::string &, int index)
{
    m_oStates.push_back(std::make_unique<CTaskState>("Entry", StateKind::Entry, index, this));
}

void CTask::AddSubTask(const std::string &name, const std::string &templateName, int index)
{
    std::unique_ptr<CTask> subTask = m_pTaskManager->InstantiateTemplate(templateName, name, this);
    if (!subTask)
        return;
    subTask->SetIndex(index);
    m_oStates.push_back(std::move(subTask));
}

void CTask::AddTransition(const std::string &from, const std::string &event,
                          const std::string &guard, const std::string &to, const std::string &id)
{
    CTaskState *state = from.empty() ? this : findStateOrReport(from, "AddTransition");
    if (state)
        state->AddTransition(event, guard, to, id);
}

void CTask::SetTransitionCommand(const std::string &id, const std::string &command)
{
    if (CTaskTransition *transition = findTransitionOrReport(id, "SetTransitionCommand"))
        transition->SetCommand(resolveCommand(command));
}

void CTask::SetStateEntryCommand(const std::string &state, const std::string &command)
{
    if (CTaskState *target = findStateOrReport(state, "SetStateEntryCommand"))
        target->SetEntryCommand(resolveCommand(command));
}

void CTask::SetStateExitCommand(const std::string &state, const std::string &command)
{
    if (CTaskState *target = findStateOrReport(state, "SetStateExitCommand"))
        target->SetExitCommand(resolveCommand(command));
}

void CTask::SetEventCommand(const std::string &state, const std::string &event)
{
    CTaskState *target = findStateOrReport(state, "SetEventCommand");
    if (!target)
        return;
    for (CTaskTransition &transition : target->GetTransitions()) {
        if (transition.GetEvent() == event) {
            transition.SetCommand(resolveCommand(event));
            return;
        }
    }
    report("SetEventCommand: state \"" + state + "\" has no transition on \"" + event + "\"");
}

void CTask::SetTransitionEvent(const std::string &id, const std::string &event)
{
    if (CTaskTransition *transition = findTransitionOrReport(id, "SetTransitionEvent"))
        transition->SetSendEvent(event);
}

void *CTask::GetDataObject() const
{
    return m_pTaskManager->GetDataObject();
}

bool CTask::CanStart()
{
    return m_pDefinition->CanStart(this);
}

bool CTask::Undo()
{
    if (m_pCurrentState && m_pCurrentState->Undo())
        return true;
    CUndoGroup *group = GetUndoGroup();
    if (!m_bUndoEnabled || !group || !group->CanUndoOne())
        return false;
    group->UndoOne();
    return true;
}

bool CTask::Redo()
{
    if (m_pCurrentState && m_pCurrentState->Redo())
        return true;
    CUndoGroup *group = GetUndoGroup();
    if (!m_bUndoEnabled || !group || !group->CanRedoOne())
        return false;
    group->RedoOne();
    return true;
}

bool CTask::CanUndo()
{
    if (m_pCurrentState && m_pCurrentState->CanUndo())
        return true;
    const CUndoGroup *group = GetUndoGroup();
    return m_bUndoEnabled && group && group->CanUndoOne();
}

bool CTask::CanRedo()
{
    if (m_pCurrentState && m_pCurrentState->CanRedo())
        return true;
    const CUndoGroup *group = GetUndoGroup();
    return m_bUndoEnabled && group && group->CanRedoOne();
}

bool CTask::GetEventState(const std::string &event, void *data, CUpdateEvent &update)
{
    if (m_pCurrentState && m_pCurrentState->GetEventState(event, data, update))
        return true;
    return CTaskState::GetEventState(event, data, update);
}

void CTask::StartState(void *data)
{
    SetActive(true);
    if (CTask *parent = GetOwnerTask())
        parent->m_pDefinition->OnStateEnter(parent, GetName(), GetIndex());
    m_pDefinition->OnEnter(this);
    if (ICommand *command = GetEntryCommand())
        ExecuteCommand(*command, data);
    GoToState("Entry", data);
}

void CTask::EndState(void *data)
{
    if (!IsActive())
        return;
    SetActive(false);
    m_pDefinition->OnExit(this);
    if (m_pCurrentState)
        m_pCurrentState->EndState(data);
    if (ICommand *command = GetExitCommand())
        ExecuteCommand(*command, data);
    if (CTask *parent = GetOwnerTask())
        parent->m_pDefinition->OnStateExit(parent, GetName(), GetIndex());
}

bool CTask::ExecuteCommand(ICommand &command, void *data)
{
    CTask *parent = GetOwnerTask();
    if (!m_pUndoGroup && parent)
        return parent->ExecuteCommand(command, data);
    if (const UndoName *undoName = findUndoName(kCurrentTaskUndoNames, command.GetName())) {
        applyUndoAction(undoName->action);
        return true;
    }
    return (parent ? parent : this)->RunCommand(command, data);
}

bool CTask::HandleEvent(const std::string &event, void *data, bool &absorbed,
                        bool &commandResult)
{
    if (m_pCurrentState && m_pCurrentState->HandleEvent(event, data, absorbed, commandResult))
        return true;
    return CTaskState::HandleEvent(event, data, absorbed, commandResult);
}

bool CTask::RunCommand(ICommand &command, void *data)
{
    if (!command.IsEnabled(this, data))
        return false;
    CTask *owner = nearestTaskWithOwnGroup();
    const UndoName *undoName = findUndoName(kParentTaskUndoNames, command.GetName());
    if (undoName)
        owner->applyUndoAction(undoName->action);
    // A task without a group of its own lets the nearest one act, and the command then runs
    // as usual.
    if (undoName && !undoName->commandRuns && owner == this)
        return false;
    return command.Execute(this, data);
}

void CTask::GoToState(const std::string &name, void *data)
{
    if (CTaskState *state = FindState(name))
        GoToState(*state, data);
}

void CTask::GoToState(CTaskState &state, void *data)
{
    m_pCurrentState = &state;
    state.StartState(data);
}

void CTask::RaiseEnd(const std::string &event, void *data)
{
    bool absorbed = false;
    bool commandResult = false;
    if (CTaskState::HandleEvent(event, data, absorbed, commandResult))
        return;
    if (CTask *parent = GetOwnerTask()) {
        parent->RaiseEnd(event, data);
        return;
    }
    // The rule holds, but a chart that lets an end reach the top is wrong: say so.
    report("nothing takes \"" + event + "\"; the task starts again at \"Entry\"");
    if (m_pCurrentState)
        m_pCurrentState->EndState(data);
    GoToState("Entry", data);
}

void CTask::CallSubTask(CTask &subTask, void *data)
{
    subTask.m_pReturnState = m_pCurrentState;
    m_pCurrentState = &subTask;
    subTask.StartState(data);
}

void CTask::ReturnToCaller(void *data)
{
    SetActive(false);
    m_pDefinition->OnExit(this);
    if (ICommand *command = GetExitCommand())
        ExecuteCommand(*command, data);
    if (CTask *parent = GetOwnerTask())
        parent->m_pCurrentState = m_pReturnState;
}

CTaskState *CTask::FindState(const std::string &name) const
{
    for (const auto &state : m_oStates) {
        if (state->GetName() == name)
            return state.get();
    }
    return nullptr;
}

void CTask::HandUpUndoGroup()
{
    CTask *parent = GetOwnerTask();
    if (!parent || !m_pUndoGroup || m_pUndoGroup != m_pOwnedUndoGroup.get())
        return;
    CUndoGroup *parentGroup = parent->GetUndoGroup();
    // Steps undone inside the task are gone with it: the parent's Redo must not bring them back.
    m_pUndoGroup->TruncateRedo();
    if (m_pUndoGroup->CanUndoOne()) {
        parentGroup->AddRecord(std::move(m_pOwnedUndoGroup));
        m_pOwnedUndoGroup = std::make_unique<CUndoGroup>(this);
        m_pUndoGroup = m_pOwnedUndoGroup.get();
        return;
    }
    if (m_pUndoGroup->IsModified()) {
        const bool parentWasModified = parentGroup->IsModified();
        parentGroup->Reset(true);
        if (parentGroup->IsModified() != parentWasModified)
            parent->m_pDefinition->OnModifiedChanged(parent);
    }
    // Steps undone in this run must not be redone in the next one.
    m_pUndoGroup->Reset(false);
}

CTask *CTask::nearestTaskWithOwnGroup()
{
    CTask *task = this;
    while (!task->m_pUndoGroup && task->GetOwnerTask())
        task = task->GetOwnerTask();
    return task;
}

void CTask::applyUndoAction(UndoAction action)
{
    if (!m_pUndoGroup)
        return;
    switch (action) {
    case UndoAction::HandUp:
        HandUpUndoGroup();
        return;
    case UndoAction::UndoAll:
        m_pUndoGroup->OnUndo();
        m_pUndoGroup->Reset(false);
        return;
    case UndoAction::Clear:
        m_pUndoGroup->Reset(false);
        return;
    }
}

CTaskState *CTask::findStateOrReport(const std::string &name, const char *operation)
{
    CTaskState *state = FindState(name);
    if (!state)
        report(std::string(operation) + ": no state \"" + name + "\"");
    return state;
}

CTaskTransition *CTask::findTransitionOrReport(const std::string &id, const char *operation)
{
    for (const auto &state : m_oStates) {
        if (CTaskTransition *transition = state->FindTransition(id))
            return transition;
    }
    report(std::string(operation) + ": no transition \"" + id + "\"");
    return nullptr;
}

ICommand *CTask::resolveCommand(const std::string &name)
{
    ICommand *command = m_pTaskManager->GetCommand(name);
    if (!command)
        report("command \"" + name + "\" is not registered");
    return command;
}

void CTask::report(const std::string &message) const
{
    m_pTaskManager->ReportDefinitionError("task \"" + GetName() + "\": " + message);
}
