// Morvane panels and grids.
// Cells with a check box: a plain one, and one that asks the grid's owner before it changes.
#pragma once

#include "app/panels/grid/GridCell.h"

#include <QRect>

/// A cell with a check box at its top-left corner, inside the margin, toggled by a click in
/// the box (a click elsewhere in the cell changes nothing). It has no text editor.
class CGridCellCheck : public CGridCell
{
public:
    /// Sets the check and repaints the cell; returns the previous state.
    bool SetCheck(bool check);
    bool GetCheck() const { return m_bChecked; }

    bool HasEditor() const override { return false; }
    QWidget *CreateEditor(QWidget *parent) const override;
    void DrawExtras(QPainter *painter, const QRect &rect) const override;
    void OnClick(const QPoint &point, const QRect &rect) override;

    /// The check box in a cell drawn in rect.
    QRect CheckBoxRect(const QRect &rect) const;

private:
    bool m_bChecked = false;
};

/// The check cell of the property grid: before a click toggles it, the grid's owner is asked
/// with code -100 for the focus cell (a non-zero answer keeps it as it is); after it, with
/// GN_END_EDIT (-106): an answer of -1, or a text the grid does not accept, toggles it back.
class CCustomCellCheck : public CGridCellCheck
{
public:
    void OnClick(const QPoint &point, const QRect &rect) override;
};
