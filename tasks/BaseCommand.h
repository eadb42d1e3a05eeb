// Morvane command, task and undo engine.
// The base of every command: name, tool tips, history flags, modify type, task and manager.
#pragma once

#include <string>

#include "tasks/ICommand.h"

class CTaskManager;

/// Base implementation of ICommand. A concrete command implements OnExecute and Clone (a new
/// object of its class copied from this one), and usually OnUndo and OnRedo, keeping the undo
/// data of one execution in its own fields: the prototype is never changed by running it.
class CBaseCommand : public ICommand
{
public:
    /// No name, empty tips, added to history, repeating, CMT_NO_MODIFY.
    CBaseCommand() = default;
    CBaseCommand(const CBaseCommand &other) = default;
    CBaseCommand &operator=(const CBaseCommand &other) = default;
    ~CBaseCommand() override = default;

    void OnUndo() override {}
    void OnRedo() override {}
    std::string GetName() const override { return m_sName; }
    bool GetRepeatCommand() const override { return m_bRepeat; }
    void SetHasOwnerData(bool hasOwnerData) override { m_bHasOwnerData = hasOwnerData; }
    std::string GetRedoToolTip() const override { return m_sRedoToolTip; }
    std::string GetUndoToolTip() const override { return m_sUndoToolTip; }
    bool IsCommand() const override { return true; }
    COMMAND_MODIFY_TYPE GetCommandModifyType() const override { return m_eModifyType; }

    /// Remembers the task and lets its current undo group (ITask::GetUndoGroup) run and record
    /// a clone. Without a task, or in a task without any group, the clone runs unrecorded.
    bool Execute(ITask *task, void *data) override;
    /// Always enabled.
    bool IsEnabled(void *data) override;
    bool GetAddToHistory() const override { return m_bAddToHistory; }
    void SetUndoToolTip(const std::string &toolTip) override { m_sUndoToolTip = toolTip; }
    void SetRedoToolTip(const std::string &toolTip) override { m_sRedoToolTip = toolTip; }
    ICommandAttributes *GetAttributes() const override;
    void OnCreate() override {}
    /// Stores the name, sets the undo tip to "Undo <name>" and the redo tip to "Do <name>",
    /// then calls OnCreate.
    void Create(const std::string &name) override;
    bool IsEnabled(ITask *task, void *data) override;

    ITask *GetTask() const { return m_pTask; }
    void SetTask(ITask *task) { m_pTask = task; }
    CTaskManager *GetTaskManager() const { return m_pTaskManager; }
    /// Set by CTaskManager::AddCommand; clones carry it.
    void SetTaskManager(CTaskManager *taskManager) { m_pTaskManager = taskManager; }
    void SetRepeatCommand(bool repeat) { m_bRepeat = repeat; }

protected:
    void SetAddToHistory(bool addToHistory) { m_bAddToHistory = addToHistory; }
    void SetCommandModifyType(COMMAND_MODIFY_TYPE modifyType) { m_eModifyType = modifyType; }
    /// True while this copy's effect is applied (after execution and redo, not after undo).
    bool IsDeleteCommand() const { return m_bHasOwnerData; }
    bool IsCreateCommand() const { return !m_bHasOwnerData; }

private:
    bool m_bHasOwnerData = false;
    std::string m_sUndoToolTip;
    std::string m_sRedoToolTip;
    std::string m_sName;
    ITask *m_pTask = nullptr;
    CTaskManager *m_pTaskManager = nullptr;
    bool m_bAddToHistory = true;
    bool m_bRepeat = true;
    COMMAND_MODIFY_TYPE m_eModifyType = CMT_NO_MODIFY;
};
