// Morvane program foundation extras.
// What the nearest-shape search asks of the shapes it measures, one interface per kind group.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/DRect.h"

#include <cstdint>

/// A shape with four corners (a grade region's area or outline): referenced as CornerArea or
/// CornerOutline.
class ICornerShape
{
public:
    virtual ~ICornerShape() = default;
    /// The corners A, B, C, D in clockwise order (x to the right, y up): the inside test of
    /// CornerArea takes the inside to lie right of each edge.
    virtual void GetCorners(DPOINT &a, DPOINT &b, DPOINT &c, DPOINT &d) const = 0;
};

/// A shape with sets of points (a line's polyline in one size): referenced as Unseen,
/// Polyline or PointSet.
class IPointSetShape
{
public:
    virtual ~IPointSetShape() = default;
    virtual int GetElementPointCount(int32_t element) const = 0;
    virtual void GetElementPoint(int32_t element, int i, double &x, double &y) const = 0;
    /// A rectangle holding every point of the element, which lets a search pass over a shape
    /// far from its probe without reading its points; false (the default) when the shape has
    /// none to give.
    virtual bool GetElementBounds(int32_t, CDRect &) const { return false; }
    /// Whether every element keeps its points for as long as the shape is referenced, so that a
    /// search may place it once instead of reading it at every probe; false (the default) for a
    /// shape that may change between searches.
    virtual bool IsFixed() const { return false; }
};

/// A shape at positions (a point in one size, a guide): referenced as Position,
/// HorizontalGuide or VerticalGuide.
class IPositionShape
{
public:
    virtual ~IPositionShape() = default;
    virtual void GetElementPosition(int32_t element, double &x, double &y) const = 0;
    /// Whether every element keeps its position for as long as the shape is referenced, so that
    /// a search may place it once instead of reading it at every probe; false (the default) for
    /// a shape that may move between searches.
    virtual bool IsFixed() const { return false; }
};

/// A shape that finds its own point nearest to a probe: referenced as NearestPoint.
class INearestPointShape
{
public:
    virtual ~INearestPointShape() = default;
    virtual void GetNearestPoint(double x, double y, double &nearestX, double &nearestY) const = 0;
};
