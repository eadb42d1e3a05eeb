// Morvane main window, view and interaction.
// A report list whose rows carry a value, with its selection and clicks as virtual calls.
#include "app/ui/frame/ListViewEx.h"


namespace {

constexpr int kDataRole = Qt::UserRole;

} // namespace

CListViewEx::CListViewEx(QWidget *parent) : GatedTreeWidget(parent)
{
    setRootIsDecorated(false);
}

CListViewEx::~CListViewEx() = default;

int CListViewEx::AddItem(int index, const QString &text, uintptr_t data)
{
    const int row = std::clamp(index, 0, topLevelItemCount());
    auto *item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, kDataRole, QVariant::fromValue<qulonglong>(data));
    insertTopLevelItem(row, item);
    int image = -1;
    int overlay = -1;
    GetItemImage(row, image, overlay);
    if (image >= 0 && image < m_aImages.size())
        item->setIcon(0, m_aImages[image]);
    return row;
}

int CListViewEx::FindItemByData(uintptr_t data) const
{
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (uintptr_t(topLevelItem(i)->data(0, kDataRole).toULongLong()) == data)
            return i;
    }
    return -1;
}

void CListViewEx::SelectItem(int index)
{
    setCurrentItem(topLevelItem(index));
}

int CListViewEx::GetSelectedItem() const
{
    const QList<QTreeWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

bool CListViewEx::AllowsMove(const QModelIndex &previous, const QModelIndex &next)
{
    bool flag = true;
    if (previous.isValid())
        OnItemSelecting(previous.row(), false, flag);
    if (flag && next.isValid())
        OnItemSelecting(next.row(), true, flag);
    return flag;
}

void CListViewEx::CurrentMoved(const QModelIndex &current, const QModelIndex &previous)
{
    bool flag = true;
    if (previous.isValid())
        OnItemSelected(previous.row(), false, flag);
    if (current.isValid())
        OnItemSelected(current.row(), true, flag);
}

bool CListViewEx::Clicked(Click click, const QPoint &point)
{
    QTreeWidgetItem *item = itemAt(point);
    const int index = item ? indexOfTopLevelItem(item) : -1;
    bool flag = true;
    if (click == Click::Left)
        OnItemClick(index, point.x(), point.y(), flag);
    else if (click == Click::Right)
        OnItemRClick(index, point.x(), point.y(), flag);
    else
        OnItemDblClick(index, point.x(), point.y(), flag);
    return flag;
}

void CListViewEx::GetItemImage(int, int &, int &)
{
}

void CListViewEx::OnItemSelected(int, bool, bool &)
{
}

void CListViewEx::OnItemSelecting(int, bool, bool &)
{
}

void CListViewEx::OnItemClick(int, int, int, bool &)
{
}

void CListViewEx::OnItemDblClick(int, int, int, bool &)
{
}

void CListViewEx::OnItemRClick(int, int, int, bool &)
{
}
