// Morvane foundation library.
// An axis-parallel rectangle of doubles, used as bounding box.
#include "foundation/DRect.h"

#include <algorithm>

void CDRect::Set(double newMinX, double newMinY, double newMaxX, double newMaxY)
{
    minX = newMinX;
    minY = newMinY;
    maxX = newMaxX;
    maxY = newMaxY;
}

void CDRect::SetEmpty()
{
    Set(0.0, 0.0, -1.0, -1.0);
}

bool CDRect::IsValid() const
{
    return minX <= maxX && minY <= maxY;
}

void CDRect::Include(double px, double py)
{
    if (!IsValid()) {
        Set(px, py, px, py);
        return;
    }
    minX = std::min(minX, px);
    minY = std::min(minY, py);
    maxX = std::max(maxX, px);
    maxY = std::max(maxY, py);
}

void CDRect::IncludePoints(std::span<const DPOINT> points)
{
    for (const auto &point : points)
        Include(point.x, point.y);
}

void CDRect::Union(const CDRect &other)
{
    // The corners of an empty rectangle are no points: including them would pull the
    // rectangle towards (0, 0).
    if (!other.IsValid())
        return;
    Include(other.minX, other.minY);
    Include(other.maxX, other.maxY);
}

DPOINT CDRect::GetCenter() const
{
    return {(minX + maxX) * 0.5, (minY + maxY) * 0.5};
}

bool CDRect::Contains(double px, double py) const
{
    return minX <= px && px < maxX && minY <= py && py < maxY;
}

bool CDRect::Intersects(const CDRect &other) const
{
    return std::min(maxX, other.maxX) - std::max(minX, other.minX) >= 0.0
           && std::min(maxY, other.maxY) - std::max(minY, other.minY) >= 0.0;
}

void CDRect::Inflate(double left, double bottom, double right, double top)
{
    minX -= left;
    minY -= bottom;
    maxX += right;
    maxY += top;
}
