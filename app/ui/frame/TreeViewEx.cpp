// Morvane main window, view and interaction.
// A tree whose items carry a value and a type, found by value, with its events as virtual calls.
#include "app/ui/frame/TreeViewEx.h"

#include <QStyledItemDelegate>
#include <QTreeWidgetItemIterator>

namespace {

constexpr int kDataRole = Qt::UserRole;
constexpr int kTypeRole = Qt::UserRole + 1;

} // namespace

/// Paints each item as the tree does, then lets the tree paint over it.
class CTreeViewEx::ItemDelegate : public QStyledItemDelegate
{
public:
    explicit ItemDelegate(CTreeViewEx *tree) : QStyledItemDelegate(tree), m_tree(tree) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        m_tree->OnCustomDrawItem(painter, option, m_tree->itemFromIndex(index));
    }

private:
    CTreeViewEx *m_tree;
};

CTreeViewEx::CTreeViewEx(QWidget *parent) : GatedTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderHidden(true);
    setItemDelegate(new ItemDelegate(this));
}

CTreeViewEx::~CTreeViewEx() = default;

QTreeWidgetItem *CTreeViewEx::AddItem(QTreeWidgetItem *parent, const QString &text,
                                      uintptr_t data, int type, int position)
{
    QTreeWidgetItem *item = InsertItemAt(parent, text, data, position);
    item->setData(0, kTypeRole, type);
    return item;
}

QTreeWidgetItem *CTreeViewEx::InsertItemAt(QTreeWidgetItem *parent, const QString &text,
                                           uintptr_t data, int position)
{
    QTreeWidgetItem *root = parent ? parent : invisibleRootItem();
    const int children = root->childCount();
    const int index = position < 0 ? children : std::min(position, children);
    auto *item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, kDataRole, QVariant::fromValue<qulonglong>(data));
    root->insertChild(index, item);
    return item;
}

int CTreeViewEx::GetItemType(const QTreeWidgetItem *item)
{
    const QVariant type = item->data(0, kTypeRole);
    return type.isValid() ? type.toInt() : -1;
}

uintptr_t CTreeViewEx::GetItemData(const QTreeWidgetItem *item)
{
    return uintptr_t(item->data(0, kDataRole).toULongLong());
}

template <class Matches>
QTreeWidgetItem *CTreeViewEx::FindInOrder(Matches matches) const
{
    for (QTreeWidgetItemIterator it(const_cast<CTreeViewEx *>(this)); *it; ++it) {
        if (matches(*it))
            return *it;
    }
    return nullptr;
}

QTreeWidgetItem *CTreeViewEx::FindItemByData(uintptr_t data) const
{
    return FindInOrder([data](QTreeWidgetItem *item) { return GetItemData(item) == data; });
}

QTreeWidgetItem *CTreeViewEx::FindItemByDataAndType(uintptr_t data, int type) const
{
    return FindInOrder([data, type](QTreeWidgetItem *item) {
        return GetItemData(item) == data && GetItemType(item) == type;
    });
}

QTreeWidgetItem *CTreeViewEx::FindAncestorByData(QTreeWidgetItem *item, uintptr_t data)
{
    for (QTreeWidgetItem *parent = item->parent(); parent; parent = parent->parent()) {
        if (GetItemData(parent) == data)
            return parent;
    }
    return nullptr;
}

QTreeWidgetItem *CTreeViewEx::FindDirectChildByData(QTreeWidgetItem *item, uintptr_t data)
{
    for (int i = 0; i < item->childCount(); ++i) {
        if (GetItemData(item->child(i)) == data)
            return item->child(i);
    }
    return nullptr;
}

QTreeWidgetItem *CTreeViewEx::FindChildByData(QTreeWidgetItem *item, uintptr_t data, int depth)
{
    if (QTreeWidgetItem *child = FindDirectChildByData(item, data))
        return child;
    if (depth <= 0)
        return nullptr;
    for (int i = 0; i < item->childCount(); ++i) {
        if (QTreeWidgetItem *found = FindChildByData(item->child(i), data, depth - 1))
            return found;
    }
    return nullptr;
}

QTreeWidgetItem *CTreeViewEx::FindDescendantByData(QTreeWidgetItem *item, uintptr_t data)
{
    for (int i = 0; i < item->childCount(); ++i) {
        QTreeWidgetItem *child = item->child(i);
        if (QTreeWidgetItem *found = FindDescendantByData(child, data))
            return found;
        if (GetItemData(child) == data)
            return child;
    }
    return nullptr;
}

void CTreeViewEx::DeleteItem(QTreeWidgetItem *item)
{
    while (item->childCount() > 0)
        DeleteItem(item->child(item->childCount() - 1));
    bool flag = true;
    OnItemDeleting(item, flag);
    delete item;
}

void CTreeViewEx::SelectItem(QTreeWidgetItem *item)
{
    setCurrentItem(item);
}

QTreeWidgetItem *CTreeViewEx::GetSelectedItem() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

uint32_t CTreeViewEx::HitTest(const QPoint &point, QTreeWidgetItem *&item) const
{
    item = itemAt(point);
    if (!item)
        return TVHT_NOWHERE;
    const QRect rect = visualItemRect(item);
    if (point.x() < rect.left())
        return TVHT_ONITEMINDENT;
    const bool hasIcon = !item->icon(0).isNull();
    if (hasIcon && point.x() < rect.left() + iconSize().width())
        return TVHT_ONITEMICON;
    return TVHT_ONITEMLABEL;
}

bool CTreeViewEx::AllowsMove(const QModelIndex &previous, const QModelIndex &next)
{
    bool flag = true;
    if (previous.isValid())
        OnItemSelecting(itemFromIndex(previous), false, flag);
    if (flag && next.isValid())
        OnItemSelecting(itemFromIndex(next), true, flag);
    return flag;
}

void CTreeViewEx::CurrentMoved(const QModelIndex &current, const QModelIndex &previous)
{
    bool flag = true;
    if (previous.isValid())
        OnItemSelected(itemFromIndex(previous), false, flag);
    if (current.isValid())
        OnItemSelected(itemFromIndex(current), true, flag);
}

bool CTreeViewEx::Clicked(Click click, const QPoint &point)
{
    QTreeWidgetItem *item = nullptr;
    const uint32_t hit = HitTest(point, item);
    bool flag = true;
    if (click == Click::Left)
        OnItemClick(item, point, hit, flag);
    else if (click == Click::Right)
        OnItemRClick(item, point, hit, flag);
    else
        OnItemDblClick(item, point, hit, flag);
    return flag;
}

void CTreeViewEx::OnItemSelected(QTreeWidgetItem *, bool, bool &)
{
}

void CTreeViewEx::OnItemSelecting(QTreeWidgetItem *, bool, bool &)
{
}

void CTreeViewEx::OnItemClick(QTreeWidgetItem *, const QPoint &, uint32_t, bool &)
{
}

void CTreeViewEx::OnItemDblClick(QTreeWidgetItem *, const QPoint &, uint32_t, bool &)
{
}

void CTreeViewEx::OnItemRClick(QTreeWidgetItem *, const QPoint &, uint32_t, bool &)
{
}

void CTreeViewEx::OnItemDeleting(QTreeWidgetItem *, bool &)
{
}

void CTreeViewEx::OnCustomDrawItem(QPainter *, const QStyleOptionViewItem &, QTreeWidgetItem *)
{
}
