// Morvane panels and grids.
// One of the four default cells of a grid, which give the others their defaults and sizes.
#pragma once

#include "app/panels/grid/GridCell.h"

/// A default cell: its format, colours and margin serve the cells that keep theirs at the
/// default, and it gives the default column width and row height. It is always read-only and
/// takes no user value or state.
class CGridDefaultCell : public CGridCell
{
public:
    /// Format: vertically centred single line without prefixes and with an end ellipsis; the
    /// margin, width and height follow the application font (a space, " XXXXXXXXXXXX " wide,
    /// one and a half lines high).
    CGridDefaultCell();

    void SetData(uintptr_t) override {}
    void SetState(uint32_t) override {}
    uint32_t GetState() const override;
    void SetFormat(uint32_t format) override { m_nOwnFormat = format; }
    uint32_t GetFormat() const override { return m_nOwnFormat; }
    void SetMargin(uint32_t margin) override { m_nOwnMargin = margin; }
    uint32_t GetMargin() const override { return m_nOwnMargin; }

    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    void SetWidth(int width) { m_nWidth = width; }
    void SetHeight(int height) { m_nHeight = height; }

private:
    int m_nWidth;
    int m_nHeight;
    uint32_t m_nOwnFormat;
    uint32_t m_nOwnMargin;
};
