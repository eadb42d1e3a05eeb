// Morvane main window, view and interaction.
// A list whose entries carry a value of the caller's, and can be moved up and down.
#include "app/ui/frame/ItemDataListBox.h"

CItemDataListBox::CItemDataListBox(QWidget *parent) : QListWidget(parent)
{
}

CItemDataListBox::~CItemDataListBox() = default;

int CItemDataListBox::AddItem(const QString &text, uintptr_t data)
{
    auto *entry = new QListWidgetItem(text, this);
    entry->setData(Qt::UserRole, QVariant::fromValue<qulonglong>(data));
    return count() - 1;
}

int CItemDataListBox::GetSelectedData(uintptr_t &data) const
{
    const int selected = currentRow();
    if (selected < 0 || !item(selected)->isSelected())
        return -1;
    data = uintptr_t(item(selected)->data(Qt::UserRole).toULongLong());
    return selected;
}

void CItemDataListBox::SwapItems(int i, int j)
{
    const int selected = currentRow();
    QListWidgetItem *first = item(i);
    QListWidgetItem *second = item(j);
    const QString text = first->text();
    const QVariant data = first->data(Qt::UserRole);
    first->setText(second->text());
    first->setData(Qt::UserRole, second->data(Qt::UserRole));
    second->setText(text);
    second->setData(Qt::UserRole, data);
    if (selected == i)
        setCurrentRow(j);
    else if (selected == j)
        setCurrentRow(i);
}
