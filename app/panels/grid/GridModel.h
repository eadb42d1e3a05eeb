// Morvane panels and grids.
// The item model through which the grid's view shows and edits its non-fixed cells.
#pragma once

#include <QAbstractTableModel>

class CGridCtrl;

/// The non-fixed cells of a CGridCtrl as a table model: model row r is grid row r + the fixed
/// rows, model column c grid column c + the fixed columns. Text, colours, alignment and image
/// come from the cells; an edit goes to CGridCtrl::OnEndEditCell.
class GridModel : public QAbstractTableModel
{
public:
    explicit GridModel(CGridCtrl &grid);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    /// The view shows the grid's table afresh (after rows or columns changed).
    void Reset();
    /// The view shows the cell afresh.
    void CellChanged(int row, int col);

private:
    CGridCtrl &m_rGrid;
};
