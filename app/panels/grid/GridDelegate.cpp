// Morvane panels and grids.
// Draws the grid's cells and opens their editors, each as its cell's kind asks.
#include "app/panels/grid/GridDelegate.h"

#include "app/panels/grid/GridCtrl.h"

#include <QMouseEvent>

GridDelegate::GridDelegate(CGridCtrl &grid) : QStyledItemDelegate(&grid), m_rGrid(grid)
{
}

CGridCellBase *GridDelegate::CellOf(const QModelIndex &index) const
{
    return m_rGrid.GetCell(index.row() + m_rGrid.GetFixedRowCount(),
                           index.column() + m_rGrid.GetFixedColumnCount());
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (const CGridCellBase *cell = CellOf(index))
        cell->DrawExtras(painter, option.rect);
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                    const QModelIndex &index) const
{
    const CGridCellBase *cell = CellOf(index);
    return cell ? cell->CreateEditor(parent) : nullptr;
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (const CGridCellBase *cell = CellOf(index))
        cell->SetEditorText(editor, cell->GetText());
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                const QModelIndex &index) const
{
    if (const CGridCellBase *cell = CellOf(index))
        model->setData(index, QString::fromStdString(cell->GetEditorText(editor)));
}

bool GridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model,
                               const QStyleOptionViewItem &option, const QModelIndex &index)
{
    CGridCellBase *cell = CellOf(index);
    if (cell && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        cell->OnClick(static_cast<QMouseEvent *>(event)->position().toPoint(), option.rect);
    }
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}
