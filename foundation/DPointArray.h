// Morvane foundation library.
// A growable array of points that keeps the rectangle around them.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/DRect.h"

#include <span>
#include <vector>

/// An array of points with a bounding rectangle. The rectangle holds every point set with
/// SetAtGrow, Add or Copy; slots that SetSize adds are (0, 0) placeholders, not entered.
class CDPointArray
{
public:
    CDPointArray() = default;
    explicit CDPointArray(std::span<const DPOINT> points) { Copy(points); }

    int GetCount() const { return static_cast<int>(m_aPoints.size()); }
    /// Point i (which must be in range).
    DPOINT GetAt(int i) const;
    void GetAt(DPOINT &out, int i) const { out = GetAt(i); }
    /// Sets point i, growing the array with (0, 0) slots when i is beyond its end, and widens
    /// the rectangle.
    void SetAtGrow(int i, const DPOINT &point);
    /// Appends a point; returns its index.
    int Add(const DPOINT &point);
    /// Sets the count. Shrinking recomputes the rectangle from the points that remain.
    void SetSize(int count);
    /// Replaces all points and recomputes the rectangle.
    void Copy(std::span<const DPOINT> points);

    const std::vector<DPOINT> &GetPoints() const { return m_aPoints; }
    const CDRect &GetBoundingRect() const { return m_oBoundingRect; }

private:
    std::vector<DPOINT> m_aPoints;
    CDRect m_oBoundingRect;
};
