// Morvane panels and grids.
// The abstract cell of a grid: its state bits, and what the grid asks of every cell.
#include "app/panels/grid/GridCellBase.h"

#include "app/panels/grid/GridCtrl.h"
#include "app/panels/grid/GridDefaultCell.h"

const CGridDefaultCell *CGridCellBase::FindDefaultCell() const
{
    const CGridCtrl *grid = GetGrid();
    return grid ? grid->GetDefaultCell(IsFixedRow(), IsFixedColumn()) : nullptr;
}

void CGridCellBase::CopyAttributes(const CGridCellBase &other)
{
    if (&other == this)
        return;
    SetGrid(other.GetGrid());
    SetText(other.GetText());
    SetImage(other.GetImage());
    SetData(other.GetData());
    SetState(other.GetState());
    SetFormat(other.GetFormat());
    SetTextColour(other.GetTextColour());
    SetBackColour(other.GetBackColour());
    SetMargin(other.GetMargin());
}

QWidget *CGridCellBase::CreateEditor(QWidget *) const
{
    return nullptr;
}

void CGridCellBase::SetEditorText(QWidget *, const std::string &) const
{
}

std::string CGridCellBase::GetEditorText(const QWidget *) const
{
    return GetText();
}

bool CGridCellBase::AcceptEditedText(const std::string &) const
{
    return true;
}

void CGridCellBase::DrawExtras(QPainter *, const QRect &) const
{
}

void CGridCellBase::OnClick(const QPoint &, const QRect &)
{
}
