// Morvane panels and grids.
// Draws the grid's cells and opens their editors, each as its cell's kind asks.
#pragma once

#include <QStyledItemDelegate>

class CGridCtrl;

/// The delegate of the grid's view: a cell is drawn as Qt draws an item, then the cell adds
/// its extras (a check box); its editor is the one the cell makes; a left click released in a
/// cell goes to the cell's OnClick.
class GridDelegate : public QStyledItemDelegate
{
public:
    explicit GridDelegate(CGridCtrl &grid);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

protected:
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    class CGridCellBase *CellOf(const QModelIndex &index) const;

    CGridCtrl &m_rGrid;
};
