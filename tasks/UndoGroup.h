// Morvane command, task and undo engine.
// A task's undo history: executed command copies, a current position, a save point.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "tasks/IUndoRecord.h"

class CTask;
class ICommand;

/// The undo history of one task, and at the same time one undo record, so that a finished
/// sub-task's group can be handed to its parent's group as a single step. The owner task's
/// definition hears OnUndoHistoryChanged after every record, undo and redo, and
/// OnModifiedChanged whenever IsModified() changed.
class CUndoGroup : public IUndoRecord
{
public:
    /// An empty, unmodified group; owner may be null (no notifications, plain tips).
    explicit CUndoGroup(CTask *owner);
    ~CUndoGroup() override;
    CUndoGroup(const CUndoGroup &) = delete;
    CUndoGroup &operator=(const CUndoGroup &) = delete;

    /// Undoes every applied record, newest first.
    void OnUndo() override;
    /// Redoes every undone record, oldest first.
    void OnRedo() override;
    std::string GetName() const override { return {}; }
    bool GetRepeatCommand() const override { return true; }
    void SetHasOwnerData(bool) override {}
    /// The redo tip of the record after the current one when the owner task has undo enabled
    /// and there is one (a command's own tip, a group's owner task tip text); else "Redo".
    std::string GetRedoToolTip() const override;
    /// Likewise for the current record; else "Undo".
    std::string GetUndoToolTip() const override;
    bool IsCommand() const override { return false; }
    /// CMT_MODIFY when an applied record modifies, else CMT_NO_MODIFY.
    COMMAND_MODIFY_TYPE GetCommandModifyType() const override;

    /// Appends a handed-up record after dropping the redo side; the group owns it from now on.
    /// Returns its index.
    int AddRecord(std::unique_ptr<IUndoRecord> record);
    /// Clones the prototype and runs the clone's OnExecute. A successful clone of a command
    /// that is added to history is recorded (dropping the redo side; of a run of the same
    /// non-repeating command only the first and the latest are kept); a successful modifying
    /// command that is not recorded empties the group and leaves it modified. The clone's
    /// modify type then applies (save point, new history). Answers OnExecute's result. When
    /// the command's work deletes the group (an event it dispatches ends the task that holds
    /// it), the clone is not recorded anywhere.
    bool ExecuteAndRecord(const ICommand &prototype, void *data);
    /// Index of the newest applied record; -1 when nothing can be undone.
    int GetCurrentIndex() const { return m_nCurrent; }
    int GetCount() const { return static_cast<int>(m_oRecords.size()); }
    /// Deletes every record; the group then answers IsModified() with the given flag.
    void Reset(bool modified);
    /// Whether the data differs from its state at the last save point.
    bool IsModified() const;
    /// Deletes every record after the current one.
    void TruncateRedo();

    bool CanUndoOne() const { return m_nCurrent >= 0; }
    bool CanRedoOne() const { return m_nCurrent < GetCount() - 1; }
    /// Undoes the current record. Requires CanUndoOne().
    void UndoOne();
    /// Redoes the record after the current one. Requires CanRedoOne().
    void RedoOne();

    CTask *GetOwnerTask() const { return m_pOwnerTask; }

private:
    /// Position of the newest modifying record at or before index; -1 when none.
    int newestModifyingRecord(int index) const;
    void deleteRecordsFrom(int index);
    void applyModifyType(COMMAND_MODIFY_TYPE modifyType);
    void notifyHistoryChanged() const;
    void notifyModifiedChanged(bool wasModified) const;
    std::string recordToolTip(const IUndoRecord &record, bool undo) const;

    std::vector<std::unique_ptr<IUndoRecord>> m_oRecords;
    int m_nCurrent = -1;
    CTask *m_pOwnerTask = nullptr;
    bool m_bModified = false;
    int m_nSavePoint = -1;
    // Expires with the group, so that an execution learns whether its command deleted it.
    std::shared_ptr<const bool> m_pLifetime = std::make_shared<const bool>(true);
};
