// Morvane command, task and undo engine.
// A command made of sub-steps, whose sub-commands record into one group of their own.
#pragma once

#include <memory>
#include <string>

#include "tasks/BaseCommand.h"

class CUndoGroup;

/// A command that runs several steps, typically registered commands run by name with
/// ExecuteCommand. While it runs, every sub-command records into the composite's own undo
/// group, so the composite is undone and redone as one record.
class CCompositeCommand : public CBaseCommand
{
public:
    CCompositeCommand();
    /// Copies the command's fields, not its group: a copy starts without one.
    CCompositeCommand(const CCompositeCommand &other);
    CCompositeCommand &operator=(const CCompositeCommand &other);
    ~CCompositeCommand() override;

    /// Undoes every record of its group, newest first.
    void OnUndo() override;
    /// Redoes every record of its group, oldest first.
    void OnRedo() override;
    /// With exactly one record in its group, the group's tip; else its own.
    std::string GetRedoToolTip() const override;
    std::string GetUndoToolTip() const override;
    /// CMT_MODIFY when an applied record of its group modifies, else CMT_NO_MODIFY.
    COMMAND_MODIFY_TYPE GetCommandModifyType() const override;
    /// Runs every step in order with a new group standing in as the task's own, and puts the
    /// task's group back afterwards. Answers true when any step succeeded; all steps run.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// False without steps; else true when every step is enabled.
    bool IsEnabled(void *data) override;

    /// Runs the registered command of that name in the composite's task, with its repeat flag
    /// forced on meanwhile. False when no command has that name.
    bool ExecuteCommand(const std::string &name, void *data);
    /// The registered command's IsEnabled in the composite's task; false when none has that
    /// name.
    bool IsCommandEnabled(const std::string &name, void *data);
    /// The group of the last execution; null before the first.
    CUndoGroup *GetUndoGroup() const { return m_pUndoGroup.get(); }

protected:
    virtual int GetItemCount(void *data) = 0;
    virtual bool ExecuteItem(int index, void *data) = 0;
    virtual bool IsItemEnabled(int index, void *data) = 0;

private:
    std::unique_ptr<CUndoGroup> m_pUndoGroup;
};
