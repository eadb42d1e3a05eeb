// Morvane foundation library.
// An axis-parallel rectangle of doubles, used as bounding box.
#pragma once

#include "foundation/DPoint.h"

#include <span>

/// A rectangle (minX, minY, maxX, maxY). The empty rectangle is (0, 0, -1, -1); a rectangle is
/// valid when minX <= maxX and minY <= maxY.
struct CDRect
{
    CDRect() = default;
    CDRect(double minX, double minY, double maxX, double maxY)
        : minX(minX), minY(minY), maxX(maxX), maxY(maxY)
    {}

    void Set(double newMinX, double newMinY, double newMaxX, double newMaxY);
    void SetEmpty();
    bool IsValid() const;

    /// Widens the rectangle to hold (px, py); an invalid rectangle becomes that point.
    void Include(double px, double py);
    void IncludePoints(std::span<const DPOINT> points);
    /// Includes the (minX, minY) and (maxX, maxY) corners of other; an invalid (empty) other
    /// changes nothing.
    void Union(const CDRect &other);

    DPOINT GetCenter() const;
    double GetWidth() const { return maxX - minX; }
    double GetHeight() const { return maxY - minY; }
    double GetMinX() const { return minX; }
    double GetMinY() const { return minY; }
    double GetMaxX() const { return maxX; }
    double GetMaxY() const { return maxY; }

    /// Half-open test: minX <= x < maxX and minY <= y < maxY, so the right and top edges (and a
    /// rectangle of one point) contain nothing.
    bool Contains(double px, double py) const;
    /// True when the rectangles overlap or touch.
    bool Intersects(const CDRect &other) const;
    /// Moves each edge outwards by the given amount (inwards for a negative one).
    void Inflate(double left, double bottom, double right, double top);

    bool operator==(const CDRect &) const = default;

    double minX = 0.0;
    double minY = 0.0;
    double maxX = -1.0;
    double maxY = -1.0;
};
