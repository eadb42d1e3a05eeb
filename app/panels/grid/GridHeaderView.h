// Morvane panels and grids.
// The headers of the grid's view, which draw the fixed rows and columns from their cells.
#pragma once

#include <QHeaderView>

class CGridCtrl;

/// The horizontal header draws, above each non-fixed column, the cells of every fixed row in
/// that column, one under the other; the vertical header draws, left of each non-fixed row, the
/// cells of every fixed column in that row, side by side. Each cell is filled with its
/// background (the fixed default cell's when it has none), framed raised, and shows its text
/// in its format.
class GridHeaderView : public QHeaderView
{
public:
    GridHeaderView(Qt::Orientation orientation, CGridCtrl &grid);

    QSize sizeHint() const override;
    /// Paints the fixed cell (row, col) of grid over rect.
    static void PaintCell(QPainter *painter, const CGridCtrl &grid, int row, int col,
                          const QRect &rect);

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    CGridCtrl &m_rGrid;
};
