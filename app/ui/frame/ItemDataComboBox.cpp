// Morvane main window, view and interaction.
// A choice list whose entries carry a value of the caller's.
#include "app/ui/frame/ItemDataComboBox.h"

CItemDataComboBox::CItemDataComboBox(QWidget *parent) : QComboBox(parent)
{
}

CItemDataComboBox::~CItemDataComboBox() = default;

int CItemDataComboBox::AddItem(const QString &text, uintptr_t data)
{
    addItem(text, QVariant::fromValue<qulonglong>(data));
    return count() - 1;
}

int CItemDataComboBox::GetSelectedData(uintptr_t &data) const
{
    const int selected = currentIndex();
    if (selected >= 0)
        data = uintptr_t(itemData(selected).toULongLong());
    return selected;
}

void CItemDataComboBox::SelectByData(uintptr_t data)
{
    setCurrentIndex(findData(QVariant::fromValue<qulonglong>(data)));
}
