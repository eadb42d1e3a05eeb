// Morvane model library.
// The records of the undo history: collection changes, object states and groups of records.
#pragma once

#include "foundation/PtrCollection.h"

#include <memory>
#include <vector>

class IFormulaCopy;

/// One record of the undo history. Undo reverts the change and Redo repeats it. When a record
/// leaves the history it is told how: DiscardUndone when it can no longer be undone (the change
/// is final), DiscardRedo when it was undone and can no longer be redone (the change is dropped
/// for good). Both do nothing here.
class CHistoryItem
{
public:
    CHistoryItem() = default;
    virtual ~CHistoryItem() = default;
    CHistoryItem(const CHistoryItem &) = delete;
    CHistoryItem &operator=(const CHistoryItem &) = delete;

    virtual void Undo() = 0;
    virtual void Redo() = 0;
    virtual void DiscardUndone();
    virtual void DiscardRedo();
};

/// The kinds of collection change.
enum COLLECTION_CHANGE { CHANGE_INSERTED = 0, CHANGE_REMOVED = 1, CHANGE_MOVED = 2 };

/// An element inserted into, removed from or moved within a collection. Undo and Redo use the
/// collection's non-deleting InsertAt, RemoveAt and Move, so a collection that links its
/// elements (to an event parent) sees every step.
///
/// Ownership: when the collection owns its elements (a COwningCollection), an inserted or
/// removed element is owned by the collection while it is in it and by this record while it
/// is out; the record deletes it when it leaves the history with the element out (an undone
/// insertion discarded from the redo side, a removal discarded from the undo side). Elements of
/// a plain collection are never deleted. Each record decides alone, so an element of an owning
/// collection must not be recorded as removed from one collection and inserted into another
/// (or inserted again into the same one): the removal's record would delete it while a
/// collection holds it. Such a transfer needs a record of its own. T needs a virtual destructor
/// when elements of derived classes are held. Indexes must be valid when the record is made and
/// when it is replayed.
template <class T> class CCollectionChangeItem : public CHistoryItem
{
public:
    /// The element at index was just inserted.
    static std::unique_ptr<CCollectionChangeItem> MakeInsertion(CPtrCollection<T> &collection,
                                                                int index)
    {
        return std::unique_ptr<CCollectionChangeItem>(
            new CCollectionChangeItem(collection, CHANGE_INSERTED, index, -1));
    }
    /// The element at index is about to be removed (without being deleted).
    static std::unique_ptr<CCollectionChangeItem> MakeRemoval(CPtrCollection<T> &collection,
                                                              int index)
    {
        return std::unique_ptr<CCollectionChangeItem>(
            new CCollectionChangeItem(collection, CHANGE_REMOVED, index, -1));
    }
    /// The element at from moves to to (to counts positions after taking it out).
    static std::unique_ptr<CCollectionChangeItem> MakeMove(CPtrCollection<T> &collection, int from,
                                                           int to)
    {
        return std::unique_ptr<CCollectionChangeItem>(
            new CCollectionChangeItem(collection, CHANGE_MOVED, from, to));
    }

    void Undo() override
    {
        switch (m_eKind) {
        case CHANGE_INSERTED:
            m_pCollection->RemoveAt(m_nIndex);
            return;
        case CHANGE_REMOVED:
            m_pCollection->InsertAt(m_nIndex, m_pItem);
            return;
        case CHANGE_MOVED:
            m_pCollection->Move(m_nSecondIndex, m_nIndex);
            return;
        }
    }

    void Redo() override
    {
        switch (m_eKind) {
        case CHANGE_INSERTED:
            m_pCollection->InsertAt(m_nIndex, m_pItem);
            return;
        case CHANGE_REMOVED:
            m_pCollection->RemoveAt(m_nIndex);
            return;
        case CHANGE_MOVED:
            m_pCollection->Move(m_nIndex, m_nSecondIndex);
            return;
        }
    }

    /// A removal that becomes final deletes the removed element (owning collection).
    void DiscardUndone() override
    {
        if (m_eKind == CHANGE_REMOVED)
            DestroyItem();
    }

    /// An undone insertion dropped for good deletes the element (owning collection).
    void DiscardRedo() override
    {
        if (m_eKind == CHANGE_INSERTED)
            DestroyItem();
    }

    COLLECTION_CHANGE GetKind() const { return m_eKind; }

private:
    CCollectionChangeItem(CPtrCollection<T> &collection, COLLECTION_CHANGE kind, int index,
                          int secondIndex)
        : m_pItem(kind == CHANGE_MOVED ? nullptr : collection.GetAt(index))
        , m_bDestroyItem(dynamic_cast<COwningCollection<T> *>(&collection) != nullptr)
        , m_nIndex(index)
        , m_nSecondIndex(secondIndex)
        , m_eKind(kind)
        , m_pCollection(&collection)
    {
    }

    // The collection may be gone by now (its owner deleted before the history is cleared), so
    // the element is deleted directly, never through the collection.
    void DestroyItem()
    {
        if (m_bDestroyItem)
            delete m_pItem;
        m_pItem = nullptr;
    }

    T *m_pItem;
    bool m_bDestroyItem;
    int m_nIndex;
    int m_nSecondIndex;
    COLLECTION_CHANGE m_eKind;
    CPtrCollection<T> *m_pCollection;
};

/// The state of an object before a change. Undo and Redo both exchange the object's present
/// state with the saved one, so they alternate between the two states.
class CObjectStateItem : public CHistoryItem
{
public:
    /// Saves a copy of object's present state; object must outlive the record.
    explicit CObjectStateItem(IFormulaCopy *object);
    ~CObjectStateItem() override;

    void Undo() override;
    void Redo() override;

private:
    void ExchangeState();

    std::unique_ptr<IFormulaCopy> m_pSavedState;
    IFormulaCopy *m_pObject;
};

/// Several records undone and redone as one: undone from last to first, redone from first to
/// last; DiscardUndone passes on from last to first, DiscardRedo from first to last. Owns its
/// records.
class CHistoryGroupItem : public CHistoryItem
{
public:
    void Add(std::unique_ptr<CHistoryItem> item);
    int GetCount() const { return static_cast<int>(m_aItems.size()); }

    void Undo() override;
    void Redo() override;
    void DiscardUndone() override;
    void DiscardRedo() override;

private:
    std::vector<std::unique_ptr<CHistoryItem>> m_aItems;
};
