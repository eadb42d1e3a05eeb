// Morvane program interaction.
// A multiple selection: focus objects picked together.
#pragma once

#include "app/interaction/FocusObject.h"

class CGradeRegion;

/// The owning list of a multiple selection: removing or deleting an entry deletes it.
using CFocusObjectList = COwningCollection<CFocusObject>;

/// A multiple selection (kind 11): a list of focus objects, each a single object. The base's
/// item and details stay as they were made; the questions below are asked of the entries.
class CMultiFocusObject : public CFocusObject
{
public:
    explicit CMultiFocusObject(CObject *item);
    ~CMultiFocusObject() override;

    /// Appends every entry.
    void AddTo(CPtrCollection<CFocusObject> &collection) override;
    /// The union of the entries' valid rectangles; answers whether it is valid.
    bool GetRect(CDRect &out, const CPtrCollection<IGradeSize> *sizes) const override;
    /// The base copy, then clones of the source's entries in place of its own (when the source
    /// is a multiple selection).
    void CopyFrom(const CFocusObject &source) override;
    /// The base comparison, then the same number of entries, pairwise the same in order.
    bool IsSame(const CFocusObject &other) const override;
    /// The own item, or any entry, refers to the object.
    bool RefersTo(const CObject *object) const override;
    /// Any entry has the class.
    bool HasClass(int selectionClass) const override;
    /// kMultipleClass.
    int GetSelectionClass() const override;
    /// Every entry has the class (true for an empty list).
    bool IsAllOfClass(int selectionClass) const override;
    /// At least one entry, and every entry is from the mask.
    bool IsFromMask() const override;

    /// Appends (ownership passes in).
    void Add(std::unique_ptr<CFocusObject> entry);
    int GetCount() const { return m_oList.GetCount(); }
    CFocusObject *GetAt(int i) const { return m_oList.GetAt(i); }
    /// Removes and deletes entry i.
    void Remove(int i);
    /// The first entry whose item is the key: the item of a focus object of kind 2, 3 or 8, the
    /// detail object of one of kind 9 or 10; -1 when absent and for any other kind.
    int Find(const CFocusObject &key) const;
    /// Appends the pattern of every pattern entry: mask patterns when fromMask, else input
    /// patterns.
    void CollectPatterns(CPtrCollection<CPattern> &out, bool fromMask) const;
    /// Appends the region of every region entry.
    void CollectRegions(CPtrCollection<CGradeRegion> &out) const;

private:
    CFocusObjectList m_oList;
};
