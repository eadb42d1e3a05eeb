// Morvane command, task and undo engine.
// A task's undo history: executed command copies, a current position, a save point.
#include "tasks/UndoGroup.h"

#include "tasks/ICommand.h"
#include "tasks/ITaskDefinition.h"
#include "tasks/Task.h"

#include <cassert>

// Save point of a history whose saved state was dropped with the redo side: no position
// reaches it again, so the data stays modified until the next save.
static constexpr int kUnreachableSavePoint = -2;

CUndoGroup::CUndoGroup(CTask *owner) : m_pOwnerTask(owner) {}

CUndoGroup::~CUndoGroup()
{
    deleteRecordsFrom(0);
}

void CUndoGroup::OnUndo()
{
    while (CanUndoOne())
        UndoOne();
}

void CUndoGroup::OnRedo()
{
    while (CanRedoOne())
        RedoOne();
}

std::string CUndoGroup::GetRedoToolTip() const
{
    if (!m_pOwnerTask || !m_pOwnerTask->IsUndoEnabled() || !CanRedoOne())
        return "Redo";
    return recordToolTip(*m_oRecords[m_nCurrent + 1], false);
}

std::string CUndoGroup::GetUndoToolTip() const
{
    if (!m_pOwnerTask || !m_pOwnerTask->IsUndoEnabled() || !CanUndoOne())
        return "Undo";
    return recordToolTip(*m_oRecords[m_nCurrent], true);
}

COMMAND_MODIFY_TYPE CUndoGroup::GetCommandModifyType() const
{
    return newestModifyingRecord(m_nCurrent) >= 0 ? CMT_MODIFY : CMT_NO_MODIFY;
}

int CUndoGroup::AddRecord(std::unique_ptr<IUndoRecord> record)
{
    const bool wasModified = IsModified();
    TruncateRedo();
    const COMMAND_MODIFY_TYPE modifyType = record->GetCommandModifyType();
    m_oRecords.push_back(std::move(record));
    m_nCurrent = GetCount() - 1;
    applyModifyType(modifyType);
    notifyHistoryChanged();
    notifyModifiedChanged(wasModified);
    return m_nCurrent;
}

static bool isRepeatBreaker(const IUndoRecord &record, const std::string &name)
{
    return !record.GetRepeatCommand() && record.GetName() == name;
}

bool CUndoGroup::ExecuteAndRecord(const ICommand &prototype, void *data)
{
    const bool wasModified = IsModified();
    std::unique_ptr<ICommand> copy = prototype.Clone();
    const std::weak_ptr<const bool> groupAlive = m_pLifetime;
    const bool succeeded = copy->OnExecute(data);
    if (groupAlive.expired())
        return succeeded;
    if (succeeded) {
        const COMMAND_MODIFY_TYPE modifyType = copy->GetCommandModifyType();
        if (!prototype.GetAddToHistory() && modifyType == CMT_MODIFY)
            Reset(true);
        if (prototype.GetAddToHistory()) {
            TruncateRedo();
            // Of a run of one non-repeating command, keep the first and the latest copy.
            const std::string name = copy->GetName();
            if (GetCount() >= 2 && !copy->GetRepeatCommand()
                && isRepeatBreaker(*m_oRecords[GetCount() - 1], name)
                && isRepeatBreaker(*m_oRecords[GetCount() - 2], name))
                deleteRecordsFrom(GetCount() - 1);
            copy->SetHasOwnerData(true);
            m_oRecords.push_back(std::move(copy));
            m_nCurrent = GetCount() - 1;
            notifyHistoryChanged();
        }
        applyModifyType(modifyType);
    }
    notifyModifiedChanged(wasModified);
    return succeeded;
}

void CUndoGroup::Reset(bool modified)
{
    deleteRecordsFrom(0);
    m_nSavePoint = -1;
    m_bModified = modified;
}

bool CUndoGroup::IsModified() const
{
    const int newest = newestModifyingRecord(m_nCurrent);
    if (newest < 0 && m_nSavePoint == -1)
        return m_bModified;
    // Also when every modifying record is undone but the save came after one of them: the
    // saved data then differs from the data as it is now.
    return newest != m_nSavePoint;
}

void CUndoGroup::TruncateRedo()
{
    deleteRecordsFrom(m_nCurrent + 1);
}

void CUndoGroup::UndoOne()
{
    assert(CanUndoOne() && "nothing to undo");
    const bool wasModified = IsModified();
    IUndoRecord &record = *m_oRecords[m_nCurrent];
    record.OnUndo();
    record.SetHasOwnerData(false);
    --m_nCurrent;
    notifyHistoryChanged();
    notifyModifiedChanged(wasModified);
}

void CUndoGroup::RedoOne()
{
    assert(CanRedoOne() && "nothing to redo");
    const bool wasModified = IsModified();
    ++m_nCurrent;
    IUndoRecord &record = *m_oRecords[m_nCurrent];
    record.OnRedo();
    record.SetHasOwnerData(true);
    notifyHistoryChanged();
    notifyModifiedChanged(wasModified);
}

int CUndoGroup::newestModifyingRecord(int index) const
{
    for (int i = index; i >= 0; --i) {
        if (m_oRecords[i]->GetCommandModifyType() == CMT_MODIFY)
            return i;
    }
    return -1;
}

void CUndoGroup::deleteRecordsFrom(int index)
{
    if (m_nSavePoint >= index)
        m_nSavePoint = kUnreachableSavePoint;
    while (GetCount() > index)
        m_oRecords.pop_back();
    if (m_nCurrent >= index)
        m_nCurrent = index - 1;
}

void CUndoGroup::applyModifyType(COMMAND_MODIFY_TYPE modifyType)
{
    switch (modifyType) {
    case CMT_NO_MODIFY:
    case CMT_MODIFY:
        return;
    case CMT_SAVE_POINT:
        m_nSavePoint = newestModifyingRecord(m_nCurrent);
        if (m_nSavePoint < 0)
            m_bModified = false;
        return;
    case CMT_NEW_HISTORY:
        Reset(false);
        return;
    }
    assert(false && "unknown modify type");
}

void CUndoGroup::notifyHistoryChanged() const
{
    if (m_pOwnerTask)
        m_pOwnerTask->GetDefinition()->OnUndoHistoryChanged(m_pOwnerTask);
}

void CUndoGroup::notifyModifiedChanged(bool wasModified) const
{
    if (m_pOwnerTask && IsModified() != wasModified)
        m_pOwnerTask->GetDefinition()->OnModifiedChanged(m_pOwnerTask);
}

std::string CUndoGroup::recordToolTip(const IUndoRecord &record, bool undo) const
{
    if (record.IsCommand())
        return undo ? record.GetUndoToolTip() : record.GetRedoToolTip();
    const auto *group = dynamic_cast<const CUndoGroup *>(&record);
    const CTask *task = group ? group->GetOwnerTask() : nullptr;
    if (!task)
        return undo ? "Undo" : "Redo";
    return undo ? task->GetUndoToolTip() : task->GetRedoToolTip();
}
