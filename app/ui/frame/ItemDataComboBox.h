// Morvane main window, view and interaction.
// A choice list whose entries carry a value of the caller's.
#pragma once

#include <cstdint>

#include <QComboBox>

/// A combo box whose every entry carries a value (an index or an object's address).
class CItemDataComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CItemDataComboBox(QWidget *parent = nullptr);
    ~CItemDataComboBox() override;

    /// Appends an entry; returns its index.
    int AddItem(const QString &text, uintptr_t data);
    /// The index of the selected entry, -1 when none; data is its value when there is one.
    int GetSelectedData(uintptr_t &data) const;
    /// Selects the first entry with the value; with none, selects nothing.
    void SelectByData(uintptr_t data);
};
