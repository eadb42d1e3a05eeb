// Morvane panels and grids.
// Cells with a check box: a plain one, and one that asks the grid's owner before it changes.
#include "app/panels/grid/GridCellCheck.h"

#include "app/panels/grid/GridCtrl.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

void repaint(CGridCtrl *grid)
{
    if (grid)
        grid->viewport()->update();
}

} // namespace

bool CGridCellCheck::SetCheck(bool check)
{
    const bool previous = m_bChecked;
    m_bChecked = check;
    repaint(GetGrid());
    return previous;
}

QWidget *CGridCellCheck::CreateEditor(QWidget *) const
{
    return nullptr;
}

QRect CGridCellCheck::CheckBoxRect(const QRect &rect) const
{
    const int side = QApplication::style()->pixelMetric(QStyle::PM_IndicatorWidth);
    const int margin = int(GetMargin());
    return QRect(rect.left() + margin, rect.top() + (rect.height() - side) / 2, side, side);
}

void CGridCellCheck::DrawExtras(QPainter *painter, const QRect &rect) const
{
    QStyleOptionButton box;
    box.rect = CheckBoxRect(rect);
    box.state = QStyle::State_Enabled | (m_bChecked ? QStyle::State_On : QStyle::State_Off);
    QApplication::style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter);
}

void CGridCellCheck::OnClick(const QPoint &point, const QRect &rect)
{
    if (CheckBoxRect(rect).contains(point))
        SetCheck(!m_bChecked);
}

void CCustomCellCheck::OnClick(const QPoint &point, const QRect &rect)
{
    CGridCtrl *grid = GetGrid();
    if (!grid || !CheckBoxRect(rect).contains(point))
        return;
    const bool previous = GetCheck();
    const CCellID focus = grid->GetFocusCell();
    if (grid->SendNotifyToParent(focus.row, focus.col, GN_SELECTION_CHANGING) != 0)
        return;
    SetCheck(!previous);
    if (grid->SendNotifyToParent(focus.row, focus.col, GN_END_EDIT) == -1 ||
        !grid->ValidateEdit(focus.row, focus.col, GetText()))
        SetCheck(previous);
}
