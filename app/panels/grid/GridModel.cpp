// Morvane panels and grids.
// The item model through which the grid's view shows and edits its non-fixed cells.
#include "app/panels/grid/GridModel.h"

#include "app/panels/grid/GridCtrl.h"
#include "app/panels/grid/GridDefaultCell.h"

#include "app/ui/view/ColourRef.h"

GridModel::GridModel(CGridCtrl &grid) : QAbstractTableModel(&grid), m_rGrid(grid)
{
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : std::max(0, m_rGrid.GetRowCount() - m_rGrid.GetFixedRowCount());
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0
                            : std::max(0, m_rGrid.GetColumnCount() - m_rGrid.GetFixedColumnCount());
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row() + m_rGrid.GetFixedRowCount();
    const int col = index.column() + m_rGrid.GetFixedColumnCount();
    const CGridCellBase *cell = m_rGrid.GetCell(row, col);
    if (!cell)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return QString::fromStdString(cell->GetText());
    case Qt::BackgroundRole:
        if (cell->GetBackColour() != kDefaultColour)
            return colourFromRef(cell->GetBackColour());
        return {};
    case Qt::ForegroundRole:
        if (cell->GetTextColour() != kDefaultColour)
            return colourFromRef(cell->GetTextColour());
        return {};
    case Qt::TextAlignmentRole:
        return qtTextFlags(cell->GetFormat()) & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask);
    case Qt::DecorationRole: {
        const int image = cell->GetImage();
        const QList<QIcon> &images = m_rGrid.GetImageList();
        if (image >= 0 && image < images.size())
            return images[image];
        return {};
    }
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole)
        return false;
    m_rGrid.OnEndEditCell(index.row() + m_rGrid.GetFixedRowCount(),
                          index.column() + m_rGrid.GetFixedColumnCount(),
                          value.toString().toStdString());
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    const int row = index.row() + m_rGrid.GetFixedRowCount();
    const int col = index.column() + m_rGrid.GetFixedColumnCount();
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_rGrid.IsCellEditable(row, col))
        flags |= Qt::ItemIsEditable;
    return flags;
}

void GridModel::Reset()
{
    beginResetModel();
    endResetModel();
}

void GridModel::CellChanged(int row, int col)
{
    const QModelIndex changed = index(row - m_rGrid.GetFixedRowCount(),
                                      col - m_rGrid.GetFixedColumnCount());
    if (changed.isValid())
        emit dataChanged(changed, changed);
}
