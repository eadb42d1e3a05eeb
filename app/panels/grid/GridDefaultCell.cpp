// Morvane panels and grids.
// One of the four default cells of a grid, which give the others their defaults and sizes.
#include "app/panels/grid/GridDefaultCell.h"

#include "app/panels/grid/GridFormat.h"

#include <QApplication>
#include <QFontMetrics>

CGridDefaultCell::CGridDefaultCell()
    : m_nOwnFormat(DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS)
{
    const QFontMetrics metrics(QApplication::font());
    m_nOwnMargin = uint32_t(metrics.horizontalAdvance(' '));
    m_nWidth = metrics.horizontalAdvance(QStringLiteral(" XXXXXXXXXXXX "));
    m_nHeight = metrics.height() * 3 / 2;
}

uint32_t CGridDefaultCell::GetState() const
{
    return CGridCell::GetState() | CELL_READONLY;
}
