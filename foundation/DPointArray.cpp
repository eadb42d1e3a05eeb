// Morvane foundation library.
// A growable array of points that keeps the rectangle around them.
#include "foundation/DPointArray.h"

#include <cassert>

DPOINT CDPointArray::GetAt(int i) const
{
    assert(i >= 0 && i < GetCount() && "point index out of range");
    return m_aPoints[static_cast<size_t>(i)];
}

void CDPointArray::SetAtGrow(int i, const DPOINT &point)
{
    assert(i >= 0 && "negative point index");
    if (i >= GetCount())
        m_aPoints.resize(static_cast<size_t>(i) + 1);
    m_aPoints[static_cast<size_t>(i)] = point;
    m_oBoundingRect.Include(point.x, point.y);
}

int CDPointArray::Add(const DPOINT &point)
{
    const int index = GetCount();
    SetAtGrow(index, point);
    return index;
}

void CDPointArray::SetSize(int count)
{
    assert(count >= 0 && "negative point count");
    const bool shrinking = count < GetCount();
    m_aPoints.resize(static_cast<size_t>(count));
    if (!shrinking)
        return;
    // The rectangle must not keep the points that were cut off.
    m_oBoundingRect.SetEmpty();
    m_oBoundingRect.IncludePoints(m_aPoints);
}

void CDPointArray::Copy(std::span<const DPOINT> points)
{
    m_aPoints.assign(points.begin(), points.end());
    m_oBoundingRect.SetEmpty();
    m_oBoundingRect.IncludePoints(m_aPoints);
}
