// Morvane Hollicot formula parser.
// The cell table view over the caller's rows.
#pragma once

#include "platform/hollicot/GradeParse.h"

namespace hollicot {

/// Reads and writes the caller's cell rows in place; an index outside the rows or a
/// non-finite value is refused with -14 and changes nothing.
class CellTable : public ICellTable
{
public:
    void attach(CellRows *rows, int sizeCount);
    int SetCell(int row, int size, double x, double y) override;
    int GetCell(int row, int size, double &x, double &y) const override;

private:
    Vec2 *cell(int row, int size) const;

    CellRows *m_rows = nullptr;
    int m_sizeCount = 0;
};

} // namespace hollicot
