// Morvane command, task and undo engine.
// What an undo history holds: an executed command copy or a whole handed-up group.
#pragma once

#include <memory>
#include <string>

/// How an executed command affects the modified state of the data (see CUndoGroup).
enum COMMAND_MODIFY_TYPE {
    CMT_NO_MODIFY = 0,   ///< nothing
    CMT_MODIFY = 1,      ///< the data counts as modified while the record is applied
    CMT_SAVE_POINT = 2,  ///< the current position becomes the save point
    CMT_NEW_HISTORY = 3, ///< the history is emptied and marked unmodified
};

/// A record of an undo history. Both ICommand and CUndoGroup are records, so a sub-task's whole
/// group can sit as one record in its parent's group.
class IUndoRecord
{
public:
    virtual ~IUndoRecord() = default;

    /// Reverts the record's effect.
    virtual void OnUndo() = 0;
    /// Applies the record's effect again after an undo.
    virtual void OnRedo() = 0;
    /// The registered name; empty for a group.
    virtual std::string GetName() const = 0;
    /// False when consecutive executions of this command are collapsed in a history.
    virtual bool GetRepeatCommand() const = 0;
    /// Tells the record whether its effect is currently applied.
    virtual void SetHasOwnerData(bool hasOwnerData) = 0;
    virtual std::string GetRedoToolTip() const = 0;
    virtual std::string GetUndoToolTip() const = 0;
    /// True for a command, false for a group.
    virtual bool IsCommand() const = 0;
    virtual COMMAND_MODIFY_TYPE GetCommandModifyType() const = 0;
};
