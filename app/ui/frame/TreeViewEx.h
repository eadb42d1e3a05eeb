// Morvane main window, view and interaction.
// A tree whose items carry a value and a type, found by value, with its events as virtual calls.
#pragma once

#include <cstdint>

#include "app/ui/frame/GatedTreeWidget.h"

/// Where a point lies against a tree item.
enum TREE_HIT : uint32_t {
    TVHT_NOWHERE = 0x01,
    TVHT_ONITEMICON = 0x02,
    TVHT_ONITEMLABEL = 0x04,
    TVHT_ONITEMINDENT = 0x08,
};

/// The base of the program's trees (the project tree): one column, single selection, every
/// item carrying a value (an index or an object's address) and a type (-1 for none). Lookups by
/// value walk the tree in display order, so an item is always found before the items below it
/// that carry the same value. Selection changes, clicks, deletions and item painting reach the
/// virtual calls below; a call that clears its flag refuses a selection change, or keeps the
/// tree from acting on a click.
class CTreeViewEx : public GatedTreeWidget
{
    Q_OBJECT

public:
    explicit CTreeViewEx(QWidget *parent = nullptr);
    ~CTreeViewEx() override;

    /// InsertItemAt, and the item's type.
    QTreeWidgetItem *AddItem(QTreeWidgetItem *parent, const QString &text, uintptr_t data,
                             int type, int position);
    /// A new item under parent (null: at the top): position below 0 last, 0 first, n after the
    /// n-th child (the last when there are fewer).
    QTreeWidgetItem *InsertItemAt(QTreeWidgetItem *parent, const QString &text, uintptr_t data,
                                  int position);
    /// The item's type; -1 when it has none.
    static int GetItemType(const QTreeWidgetItem *item);
    static uintptr_t GetItemData(const QTreeWidgetItem *item);

    /// The first item in display order with the value; null when none (or the tree is empty).
    QTreeWidgetItem *FindItemByData(uintptr_t data) const;
    /// The first item in display order with the value and the type; null when none.
    QTreeWidgetItem *FindItemByDataAndType(uintptr_t data, int type) const;
    /// The nearest of the item's parents with the value; null when none.
    static QTreeWidgetItem *FindAncestorByData(QTreeWidgetItem *item, uintptr_t data);
    static QTreeWidgetItem *FindDirectChildByData(QTreeWidgetItem *item, uintptr_t data);
    /// FindDirectChildByData; failing that, each child's children in turn, depth levels deep.
    static QTreeWidgetItem *FindChildByData(QTreeWidgetItem *item, uintptr_t data, int depth);
    /// Depth first: each child's subtree is searched before the child itself.
    static QTreeWidgetItem *FindDescendantByData(QTreeWidgetItem *item, uintptr_t data);

    /// Deletes the item and its subtree, calling OnItemDeleting for each of them, lowest first.
    void DeleteItem(QTreeWidgetItem *item);
    /// Selects the item (null: none), subject to OnItemSelecting.
    void SelectItem(QTreeWidgetItem *item);
    QTreeWidgetItem *GetSelectedItem() const;
    /// Where point (in the viewport) lies against item.
    uint32_t HitTest(const QPoint &point, QTreeWidgetItem *&item) const;

protected:
    virtual void OnItemSelected(QTreeWidgetItem *item, bool selected, bool &flag);
    virtual void OnItemSelecting(QTreeWidgetItem *item, bool selecting, bool &flag);
    virtual void OnItemClick(QTreeWidgetItem *item, const QPoint &point, uint32_t hit, bool &flag);
    virtual void OnItemDblClick(QTreeWidgetItem *item, const QPoint &point, uint32_t hit,
                                bool &flag);
    virtual void OnItemRClick(QTreeWidgetItem *item, const QPoint &point, uint32_t hit,
                              bool &flag);
    virtual void OnItemDeleting(QTreeWidgetItem *item, bool &flag);
    /// Paints over an item after the tree painted it; nothing here.
    virtual void OnCustomDrawItem(QPainter *painter, const QStyleOptionViewItem &option,
                                  QTreeWidgetItem *item);

    bool AllowsMove(const QModelIndex &previous, const QModelIndex &next) override;
    void CurrentMoved(const QModelIndex &current, const QModelIndex &previous) override;
    bool Clicked(Click click, const QPoint &point) override;

private:
    class ItemDelegate;
    template <class Matches>
    QTreeWidgetItem *FindInOrder(Matches matches) const;
};
