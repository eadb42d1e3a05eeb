// Morvane command, task and undo engine.
// A guarded transition of a state chart, with its command and send event.
#include "tasks/TaskTransition.h"

#include "tasks/ICommand.h"
#include "tasks/Task.h"
#include "tasks/TaskEvent.h"
#include "tasks/TaskManager.h"

CTaskTransition::CTaskTransition(CTaskState *owner, std::string event, std::string guard,
                                 std::string target, std::string id)
    : m_sTarget(std::move(target))
    , m_sEvent(std::move(event))
    , m_pOwnerState(owner)
    , m_oConditions(morvane::parseGuard(guard))
    , m_sGuard(std::move(guard))
    , m_sId(std::move(id))
{
}

CTaskTransition::CTaskTransition(const CTaskTransition &other, CTaskState *owner)
    : CTaskTransition(other)
{
    m_pOwnerState = owner;
    m_pTargetState = nullptr;
}

void CTaskTransition::ResolveTarget(CTask &chart)
{
    m_pTargetState = m_sTarget.empty() ? nullptr : chart.FindState(m_sTarget);
}

bool CTaskTransition::IsGuardTrue() const
{
    if (!m_sTarget.empty() && !m_pTargetState)
        return false;
    if (m_pTargetState && !m_pTargetState->CanStart())
        return false;
    CTask &task = readingTask();
    return morvane::evaluateGuard(m_oConditions, task.GetVariableStore(),
                                  task.GetDefinition(), &task, m_sEvent);
}

bool CTaskTransition::Fire(void *data, bool &commandResult)
{
    if (!IsGuardTrue())
        return false;
    CTaskState &source = *m_pOwnerState;
    CTask *chart = source.GetOwnerTask();
    CTask *calledTask = m_pTargetState ? m_pTargetState->AsTask() : nullptr;
    const bool isCall = calledTask && calledTask->GetReturnToCaller();

    if (m_pTargetState && !isCall)
        source.EndState(data);
    commandResult = m_pCommand ? source.ExecuteCommand(*m_pCommand, data) : false;
    if (!m_sSendEvent.empty())
        readingTask().GetTaskManager()->SendEvent(m_sSendEvent, data);
    if (isCall)
        chart->CallSubTask(*calledTask, data);
    else if (m_pTargetState)
        chart->GoToState(*m_pTargetState, data);
    return true;
}

bool CTaskTransition::GetEventState(const std::string &event, void *data,
                                    CUpdateEvent &update) const
{
    if (!IsGuardTrue())
        return false;
    if (!m_pCommand) {
        update.m_bEnabled = true;
        return true;
    }
    update.m_bEnabled = m_pCommand->IsEnabled(&readingTask(), data);
    return m_pCommand->GetName() == event ? update.m_bEnabled : true;
}

CTask &CTaskTransition::readingTask() const
{
    if (CTask *chart = m_pOwnerState->GetOwnerTask())
        return *chart;
    return *m_pOwnerState->AsTask();
}
