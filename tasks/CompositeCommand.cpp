// Morvane command, task and undo engine.
// A command made of sub-steps, whose sub-commands record into one group of their own.
#include "tasks/CompositeCommand.h"

#include "tasks/Task.h"
#include "tasks/TaskManager.h"
#include "tasks/UndoGroup.h"

namespace {

/// Puts a task's own undo group back when a composite command's steps are done, even when a
/// step throws.
class StandInGroupScope
{
public:
    StandInGroupScope(CTask *task, CUndoGroup *standIn)
        : m_task(task), m_saved(task ? task->GetOwnUndoGroup() : nullptr)
    {
        if (m_task)
            m_task->SetOwnUndoGroup(standIn);
    }
    ~StandInGroupScope()
    {
        if (m_task)
            m_task->SetOwnUndoGroup(m_saved);
    }
    StandInGroupScope(const StandInGroupScope &) = delete;
    StandInGroupScope &operator=(const StandInGroupScope &) = delete;

private:
    CTask *m_task;
    CUndoGroup *m_saved;
};

/// Makes a sub-command repeat while the composite runs it, and gives it back its own repeat
/// flag afterwards, even when it throws.
class ForcedRepeatScope
{
public:
    explicit ForcedRepeatScope(CBaseCommand &command)
        : m_command(command), m_saved(command.GetRepeatCommand())
    {
        m_command.SetRepeatCommand(true);
    }
    ~ForcedRepeatScope() { m_command.SetRepeatCommand(m_saved); }
    ForcedRepeatScope(const ForcedRepeatScope &) = delete;
    ForcedRepeatScope &operator=(const ForcedRepeatScope &) = delete;

private:
    CBaseCommand &m_command;
    bool m_saved;
};

} // namespace

CCompositeCommand::CCompositeCommand() = default;

CCompositeCommand::CCompositeCommand(const CCompositeCommand &other) : CBaseCommand(other) {}

CCompositeCommand &CCompositeCommand::operator=(const CCompositeCommand &other)
{
    CBaseCommand::operator=(other);
    return *this;
}

CCompositeCommand::~CCompositeCommand() = default;

void CCompositeCommand::OnUndo()
{
    if (m_pUndoGroup)
        m_pUndoGroup->OnUndo();
}

void CCompositeCommand::OnRedo()
{
    if (m_pUndoGroup)
        m_pUndoGroup->OnRedo();
}

std::string CCompositeCommand::GetRedoToolTip() const
{
    if (m_pUndoGroup && m_pUndoGroup->GetCount() == 1)
        return m_pUndoGroup->GetRedoToolTip();
    return CBaseCommand::GetRedoToolTip();
}

std::string CCompositeCommand::GetUndoToolTip() const
{
    if (m_pUndoGroup && m_pUndoGroup->GetCount() == 1)
        return m_pUndoGroup->GetUndoToolTip();
    return CBaseCommand::GetUndoToolTip();
}

COMMAND_MODIFY_TYPE CCompositeCommand::GetCommandModifyType() const
{
    return m_pUndoGroup ? m_pUndoGroup->GetCommandModifyType() : CMT_NO_MODIFY;
}

bool CCompositeCommand::OnExecute(void *data)
{
    SetRepeatCommand(true);
    auto *task = dynamic_cast<CTask *>(GetTask());
    m_pUndoGroup = std::make_unique<CUndoGroup>(task);
    const StandInGroupScope scope(task, m_pUndoGroup.get());
    bool anySucceeded = false;
    const int count = GetItemCount(data);
    for (int i = 0; i < count; ++i)
        anySucceeded = ExecuteItem(i, data) || anySucceeded;
    return anySucceeded;
}

bool CCompositeCommand::IsEnabled(void *data)
{
    const int count = GetItemCount(data);
    if (count <= 0)
        return false;
    for (int i = 0; i < count; ++i) {
        if (!IsItemEnabled(i, data))
            return false;
    }
    return true;
}

bool CCompositeCommand::ExecuteCommand(const std::string &name, void *data)
{
    CBaseCommand *command = GetTaskManager() ? GetTaskManager()->GetCommand(name) : nullptr;
    if (!command)
        return false;
    const ForcedRepeatScope scope(*command);
    return command->Execute(GetTask(), data);
}

bool CCompositeCommand::IsCommandEnabled(const std::string &name, void *data)
{
    CBaseCommand *command = GetTaskManager() ? GetTaskManager()->GetCommand(name) : nullptr;
    return command && command->IsEnabled(GetTask(), data);
}
