// Morvane main window, view and interaction.
// A list whose entries carry a value of the caller's, and can be moved up and down.
#pragma once

#include <cstdint>

#include <QListWidget>

/// A list box whose every entry carries a value (an index or an object's address).
class CItemDataListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit CItemDataListBox(QWidget *parent = nullptr);
    ~CItemDataListBox() override;

    /// Appends an entry; returns its index.
    int AddItem(const QString &text, uintptr_t data);
    /// The index of the selected entry, -1 when none; data is its value when there is one.
    int GetSelectedData(uintptr_t &data) const;
    /// Exchanges the texts and values of two entries; the selection moves with its entry.
    void SwapItems(int i, int j);
    bool CanMoveUp(int i) const { return i > 0 && i < count(); }
    void MoveUp(int i) { SwapItems(i, i - 1); }
    bool CanMoveDown(int i) const { return i >= 0 && i < count() - 1; }
    void MoveDown(int i) { SwapItems(i, i + 1); }
};
