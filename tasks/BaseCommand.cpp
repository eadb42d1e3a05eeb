// Morvane command, task and undo engine.
// The base of every command: name, tool tips, history flags, modify type, task and manager.
#include "tasks/BaseCommand.h"

#include "tasks/ITask.h"
#include "tasks/UndoGroup.h"

bool CBaseCommand::Execute(ITask *task, void *data)
{
    m_pTask = task;
    if (CUndoGroup *group = task ? task->GetUndoGroup() : nullptr)
        return group->ExecuteAndRecord(*this, data);
    return Clone()->OnExecute(data);
}

bool CBaseCommand::IsEnabled(void *)
{
    return true;
}

ICommandAttributes *CBaseCommand::GetAttributes() const
{
    return m_pTask ? m_pTask->GetAttributes() : nullptr;
}

void CBaseCommand::Create(const std::string &name)
{
    m_sName = name;
    m_sUndoToolTip = "Undo " + name;
    m_sRedoToolTip = "Do " + name;
    OnCreate();
}

bool CBaseCommand::IsEnabled(ITask *task, void *data)
{
    m_pTask = task;
    return IsEnabled(data);
}
