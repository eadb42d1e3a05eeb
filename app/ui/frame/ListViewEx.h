// Morvane main window, view and interaction.
// A report list whose rows carry a value, with its selection and clicks as virtual calls.
#pragma once

#include <cstdint>

#include <QIcon>
#include <QList>
#include "app/ui/frame/GatedTreeWidget.h"

/// The base of the program's report lists (the messages list): rows of columns, single
/// selection, every row carrying a value. The image of a new row comes from GetItemImage and
/// the list's images. Selection changes and clicks reach the virtual calls below; a call that
/// clears its flag refuses a selection change, or keeps the list from acting on a click.
class CListViewEx : public GatedTreeWidget
{
    Q_OBJECT

public:
    explicit CListViewEx(QWidget *parent = nullptr);
    ~CListViewEx() override;

    /// The images that GetItemImage picks from, by index.
    void SetImageList(const QList<QIcon> &images) { m_aImages = images; }
    /// Inserts a row with the text in its first column at index (past the end: last); returns
    /// the row's index.
    int AddItem(int index, const QString &text, uintptr_t data);
    /// The index of the first row with the value; -1 when none.
    int FindItemByData(uintptr_t data) const;
    /// Selects and focuses the row, subject to OnItemSelecting.
    void SelectItem(int index);
    /// The selected row; -1 when none.
    int GetSelectedItem() const;

protected:
    /// The image of a new row, an index into the images or -1 for none; -1 here.
    virtual void GetItemImage(int index, int &image, int &overlay);
    virtual void OnItemSelected(int index, bool selected, bool &flag);
    virtual void OnItemSelecting(int index, bool selecting, bool &flag);
    virtual void OnItemClick(int index, int x, int y, bool &flag);
    virtual void OnItemDblClick(int index, int x, int y, bool &flag);
    virtual void OnItemRClick(int index, int x, int y, bool &flag);

    bool AllowsMove(const QModelIndex &previous, const QModelIndex &next) override;
    void CurrentMoved(const QModelIndex &current, const QModelIndex &previous) override;
    bool Clicked(Click click, const QPoint &point) override;

private:
    QList<QIcon> m_aImages;
};
