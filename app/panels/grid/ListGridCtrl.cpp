// Morvane panels and grids.
// The grid that list-like tables start from: built column by column and row by row.
#include "app/panels/grid/ListGridCtrl.h"

CListGridCtrl::CListGridCtrl(QWidget *parent) : CGridCtrl(0, 0, 0, 0, parent)
{
}

CListGridCtrl::~CListGridCtrl() = default;

int CListGridCtrl::AppendColumn(const std::string &heading, uint32_t format, int width)
{
    const int index = GetColumnCount();
    InsertColumnAt(index, heading, format, width);
    return index;
}

void CListGridCtrl::InsertColumnAt(int index, const std::string &heading, uint32_t format,
                                   int width)
{
    const int col = InsertColumn(heading, format, index == GetColumnCount() ? -1 : index);
    if (col < 0)
        return;
    SetColumnWidth(col, width);
    for (int row = 0; row < GetRowCount(); ++row)
        SetItemData(row, col, 0);
}

int CListGridCtrl::AppendRow(const std::string &text)
{
    const int index = GetRowCount();
    InsertRowAt(index, text);
    return index;
}

void CListGridCtrl::InsertRowAt(int index, const std::string &text)
{
    const int row = InsertRow(text, index == GetRowCount() ? -1 : index);
    if (row < 0)
        return;
    for (int col = 0; col < GetColumnCount(); ++col)
        SetItemData(row, col, 0);
}
