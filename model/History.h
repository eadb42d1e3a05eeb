// Morvane model library.
// The undo history of a grade mask: a list of records with a current position, and groups.
#pragma once

#include "model/HistoryItems.h"

#include <memory>
#include <vector>

class IFormulaCopy;

/// The history as the program drives it.
class IHistory
{
public:
    virtual ~IHistory() = default;

    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void BeginGroup() = 0;
    virtual void EndGroup() = 0;
};

/// The undo history of a grade mask: a linear list of records (CHistoryItem) with a current
/// index, the last record that is done (-1 when nothing can be undone). It has no length limit;
/// recording a change after one or more undos drops the undone records (DiscardRedo, newest
/// first). The history owns its records, and through them every element that a record holds out
/// of its collection.
///
/// How the model records its changes:
/// ```
/// m_oPatterns.InsertAt(i, pattern);                 // insert, then record
/// history.AddInsertion(m_oPatterns, i);
///
/// history.AddRemoval(m_oPatterns, i);               // record, then take out (not delete):
/// m_oPatterns.RemoveAt(i);                          // the history owns the pattern now
///
/// history.AddMove(m_oFormulas, from, to);           // record, then move
/// m_oFormulas.Move(from, to);
///
/// history.AddObjectItem(formula);                   // save the state, then change it
/// formula->SetParamText(0, text);
/// ```
/// Changes that belong together are bracketed by BeginGroup and EndGroup and undone as one;
/// groups nest, and only the outermost EndGroup closes the group (a group in which nothing was
/// recorded leaves no record).
class CHistory : public IHistory
{
public:
    CHistory();
    /// Discards an open group's records as done changes, then clears the history.
    ~CHistory() override;
    CHistory(const CHistory &) = delete;
    CHistory &operator=(const CHistory &) = delete;

    /// Undoes the record at the current index and steps back; nothing at index -1.
    void Undo() override;
    /// Steps forward and redoes that record; nothing when the last record is done.
    void Redo() override;
    void BeginGroup() override;
    /// Closes one level of grouping; the outermost one adds the group's records as one record.
    /// Nothing when no group is open.
    void EndGroup() override;

    /// Records a change: into the open group while grouping, else as the newest record after
    /// dropping the undone ones.
    void AddItem(std::unique_ptr<CHistoryItem> item);
    /// Records the present state of object before it changes (CObjectStateItem).
    void AddObjectItem(IFormulaCopy *object);
    /// Records that the element at index was just inserted into collection.
    template <class T> void AddInsertion(CPtrCollection<T> &collection, int index)
    {
        AddItem(CCollectionChangeItem<T>::MakeInsertion(collection, index));
    }
    /// Records that the element at index is about to be taken out of collection (without
    /// deleting it: an owning collection's element then belongs to the history).
    template <class T> void AddRemoval(CPtrCollection<T> &collection, int index)
    {
        AddItem(CCollectionChangeItem<T>::MakeRemoval(collection, index));
    }
    /// Records that the element at from is about to move to to.
    template <class T> void AddMove(CPtrCollection<T> &collection, int from, int to)
    {
        AddItem(CCollectionChangeItem<T>::MakeMove(collection, from, to));
    }

    bool IsGrouping() const { return m_nGroupDepth > 0; }
    /// Drops every record: the undone ones (DiscardRedo), then the done ones (DiscardUndone).
    void Clear();
    /// Drops the records after the current index, newest first, each told DiscardRedo.
    void DeleteRedoItems();
    /// Drops the records from the current index down to the first, each told DiscardUndone;
    /// the current index becomes -1.
    void DeleteUndoItems();

    /// The number of records (an open group is not one yet).
    int GetItemCount() const { return static_cast<int>(m_aItems.size()); }
    /// The index of the last done record; -1 when nothing can be undone.
    int GetCurrentIndex() const { return m_nCurrentIndex; }

private:
    int m_nCurrentIndex = -1;
    std::vector<std::unique_ptr<CHistoryItem>> m_aItems;
    int m_nGroupDepth = 0;
    std::unique_ptr<CHistoryGroupItem> m_pPendingGroup;
};
