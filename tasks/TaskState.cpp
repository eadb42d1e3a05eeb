// Morvane command, task and undo engine.
// A state of a task's chart: its transitions, commands, ignored events and kind.
#include "tasks/TaskState.h"

#include "tasks/ITaskDefinition.h"
#include "tasks/Task.h"
#include "tasks/TaskEvent.h"

#include <cassert>

using morvane::StateKind;

CTaskState::CTaskState(std::string name, StateKind kind, int index, CTask *owner)
    : m_sName(std::move(name)), m_nIndex(index), m_pOwnerTask(owner), m_eKind(kind)
{
}

CTaskState::CTaskState(const CTaskState &other, std::string name, CTask *owner)
    : m_sName(std::move(name))
    , m_oIgnoredEvents(other.m_oIgnoredEvents)
    , m_nIndex(other.m_nIndex)
    , m_pEntryCommand(other.m_pEntryCommand)
    , m_pExitCommand(other.m_pExitCommand)
    , m_pOwnerTask(owner)
    , m_eKind(other.m_eKind)
{
    m_oTransitions.reserve(other.m_oTransitions.size());
    for (const CTaskTransition &transition : other.m_oTransitions)
        m_oTransitions.emplace_back(transition, this);
}

CTaskState::~CTaskState() = default;

bool CTaskState::IsIgnoredEvent(const std::string &event) const
{
    return !m_oIgnoredEvents.empty() && m_oIgnoredEvents.count(event) > 0;
}

CTaskTransition &CTaskState::AddTransition(const std::string &event, const std::string &guard,
                                           const std::string &target, const std::string &id)
{
    if (m_oTransitions.empty() && event.empty() && m_eKind == StateKind::Normal)
        m_eKind = StateKind::Transient;
    return m_oTransitions.emplace_back(this, event, guard, target, id);
}

CTaskTransition *CTaskState::FindTransition(const std::string &id)
{
    for (CTaskTransition &transition : m_oTransitions) {
        if (transition.GetId() == id)
            return &transition;
    }
    return nullptr;
}

bool CTaskState::GetEventState(const std::string &event, void *data, CUpdateEvent &update)
{
    if (update.m_bAbsorbed)
        return false;
    if (IsIgnoredEvent(event)) {
        update.m_bAbsorbed = true;
        return false;
    }
    for (const CTaskTransition &transition : m_oTransitions) {
        if (transition.GetEvent() == event && transition.GetEventState(event, data, update))
            return true;
    }
    return false;
}

void CTaskState::StartState(void *data)
{
    assert(m_pOwnerTask && "a plain state belongs to a task");
    m_bActive = true;
    m_pOwnerTask->GetDefinition()->OnStateEnter(m_pOwnerTask, m_sName, m_nIndex);
    if (m_pEntryCommand)
        ExecuteCommand(*m_pEntryCommand, data);

    switch (m_eKind) {
    case StateKind::Entry:
    case StateKind::Transient:
        takeCompletionTransition(data);
        return;
    case StateKind::Final:
        EndState(data);
        if (m_pOwnerTask->GetReturnToCaller() && m_pOwnerTask->GetOwnerTask())
            m_pOwnerTask->ReturnToCaller(data);
        else
            m_pOwnerTask->RaiseEnd("On" + m_sName, data);
        return;
    case StateKind::Normal:
        return;
    case StateKind::SubTask:
        assert(false && "a sub-task state is entered as a task");
        return;
    }
}

void CTaskState::EndState(void *data)
{
    if (!m_bActive)
        return;
    m_bActive = false;
    if (m_pExitCommand)
        ExecuteCommand(*m_pExitCommand, data);
    m_pOwnerTask->GetDefinition()->OnStateExit(m_pOwnerTask, m_sName, m_nIndex);
}

bool CTaskState::ExecuteCommand(ICommand &command, void *data)
{
    return m_pOwnerTask->RunCommand(command, data);
}

bool CTaskState::HandleEvent(const std::string &event, void *data, bool &absorbed,
                             bool &commandResult)
{
    if (absorbed)
        return false;
    if (IsIgnoredEvent(event)) {
        absorbed = true;
        return false;
    }
    for (CTaskTransition &transition : m_oTransitions) {
        if (transition.GetEvent() == event && transition.Fire(data, commandResult))
            return true;
    }
    return false;
}

void CTaskState::takeCompletionTransition(void *data)
{
    bool commandResult = false;
    CTaskTransition *fallback = nullptr;
    for (CTaskTransition &transition : m_oTransitions) {
        if (transition.GetGuardText().empty()) {
            fallback = &transition;
            continue;
        }
        if (transition.Fire(data, commandResult))
            return;
    }
    if (fallback)
        fallback->Fire(data, commandResult);
}
