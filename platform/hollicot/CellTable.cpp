// Morvane Hollicot formula parser.
// The cell table view over the caller's rows.
#include "platform/hollicot/CellTable.h"

#include "platform/hollicot/ErrorCode.h"

#include <cmath>

namespace hollicot {

void CellTable::attach(CellRows *rows, int sizeCount)
{
    m_rows = rows;
    m_sizeCount = sizeCount;
}

Vec2 *CellTable::cell(int row, int size) const
{
    if (!m_rows || row < 0 || row >= static_cast<int>(m_rows->size()) || size < 0 ||
        size >= m_sizeCount)
        return nullptr;
    return &(*m_rows)[static_cast<std::size_t>(row)][static_cast<std::size_t>(size)];
}

int CellTable::SetCell(int row, int size, double x, double y)
{
    Vec2 *target = cell(row, size);
    if (!target || !std::isfinite(x) || !std::isfinite(y))
        return kBadSetUp;
    *target = {x, y};
    return kOk;
}

int CellTable::GetCell(int row, int size, double &x, double &y) const
{
    const Vec2 *source = cell(row, size);
    if (!source)
        return kBadSetUp;
    x = source->x;
    y = source->y;
    return kOk;
}

} // namespace hollicot
