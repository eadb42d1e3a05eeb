// Morvane panels and grids.
// A cell of a grid by row and column, and a rectangle of cells.
#pragma once

/// A cell by (row, column); (-1, -1) is no cell.
struct CCellID
{
    int row = -1;
    int col = -1;

    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID &) const = default;
    auto operator<=>(const CCellID &) const = default;
};

/// The cells from (minRow, minCol) to (maxRow, maxCol), both corners included.
struct CCellRange
{
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    /// All four at least 0 and each minimum not above its maximum (the grid also checks the
    /// maxima against its counts).
    bool IsValid() const
    {
        return minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0 && minRow <= maxRow &&
               minCol <= maxCol;
    }
    bool InRange(int row, int col) const
    {
        return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    bool operator==(const CCellRange &) const = default;
};
