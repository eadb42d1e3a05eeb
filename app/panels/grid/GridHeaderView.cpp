// Morvane panels and grids.
// The headers of the grid's view, which draw the fixed rows and columns from their cells.
#include "app/panels/grid/GridHeaderView.h"

#include "app/panels/grid/GridCtrl.h"
#include "app/panels/grid/GridDefaultCell.h"

#include "app/ui/view/ColourRef.h"

#include <QPainter>

GridHeaderView::GridHeaderView(Qt::Orientation orientation, CGridCtrl &grid)
    : QHeaderView(orientation, &grid), m_rGrid(grid)
{
    setSectionsClickable(true);
}

QSize GridHeaderView::sizeHint() const
{
    const QSize base = QHeaderView::sizeHint();
    if (orientation() == Qt::Horizontal)
        return QSize(base.width(), m_rGrid.GetFixedHeight());
    return QSize(m_rGrid.GetFixedWidth(), base.height());
}

void GridHeaderView::PaintCell(QPainter *painter, const CGridCtrl &grid, int row, int col,
                               const QRect &rect)
{
    const CGridCellBase *cell = grid.GetCell(row, col);
    if (!cell || rect.isEmpty())
        return;
    const CGridDefaultCell *defaults = cell->FindDefaultCell();
    const uint32_t back = cell->GetBackColour() != kDefaultColour ? cell->GetBackColour()
                                                                  : defaults->GetBackColour();
    const uint32_t text = cell->GetTextColour() != kDefaultColour ? cell->GetTextColour()
                                                                  : defaults->GetTextColour();
    painter->fillRect(rect, colourFromRef(back));
    painter->setPen(grid.palette().color(QPalette::Light));
    painter->drawLine(rect.topLeft(), rect.topRight());
    painter->drawLine(rect.topLeft(), rect.bottomLeft());
    painter->setPen(grid.palette().color(QPalette::Dark));
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    painter->drawLine(rect.topRight(), rect.bottomRight());
    const int margin = int(cell->GetMargin());
    painter->setPen(colourFromRef(text));
    painter->drawText(rect.adjusted(margin, 0, -margin, 0), qtTextFlags(cell->GetFormat()),
                      QString::fromStdString(cell->GetText()));
}

void GridHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    if (orientation() == Qt::Horizontal) {
        const int col = m_rGrid.GetFixedColumnCount() + logicalIndex;
        int top = rect.top();
        for (int row = 0; row < m_rGrid.GetFixedRowCount(); ++row) {
            const int height = m_rGrid.GetRowHeight(row);
            PaintCell(painter, m_rGrid, row, col, QRect(rect.left(), top, rect.width(), height));
            top += height;
        }
    } else {
        const int row = m_rGrid.GetFixedRowCount() + logicalIndex;
        int left = rect.left();
        for (int col = 0; col < m_rGrid.GetFixedColumnCount(); ++col) {
            const int width = m_rGrid.GetColumnWidth(col);
            PaintCell(painter, m_rGrid, row, col, QRect(left, rect.top(), width, rect.height()));
            left += width;
        }
    }
    painter->restore();
}
