// Morvane foundation library.
// Polygons of linked vertices and segments with cached area, orientation and extremes.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/DRect.h"
#include "foundation/PtrCollection.h"
#include "platform/dunmere/Poly.h"

#include <span>

class CCurveShape;
class CShapeSegment;

/// A vertex of a CCurveShape: its position, and the segments leaving and entering it.
class CShapeVertex
{
public:
    CShapeVertex(CCurveShape *shape, double x, double y) : m_oPosition(x, y), m_pShape(shape) {}
    virtual ~CShapeVertex() = default;
    CShapeVertex(const CShapeVertex &) = delete;
    CShapeVertex &operator=(const CShapeVertex &) = delete;

    const CDPoint &GetPosition() const { return m_oPosition; }
    CCurveShape *GetShape() const { return m_pShape; }
    CShapeSegment *GetOutgoing() const { return m_pOutgoing; }
    CShapeSegment *GetIncoming() const { return m_pIncoming; }

private:
    friend class CCurveShape;
    CDPoint m_oPosition;
    CCurveShape *m_pShape;
    CShapeSegment *m_pOutgoing = nullptr;
    CShapeSegment *m_pIncoming = nullptr;
};

/// A segment of a CCurveShape from one vertex to the next, with a flag: 1 for a new shape's
/// closing segment, carried over to each later closing segment, and 1 for every other segment.
class CShapeSegment
{
public:
    CShapeSegment(CCurveShape *shape, CShapeVertex *start, CShapeVertex *end, int flag)
        : m_pStart(start), m_pEnd(end), m_pShape(shape), m_nFlag(flag)
    {}
    virtual ~CShapeSegment() = default;
    CShapeSegment(const CShapeSegment &) = delete;
    CShapeSegment &operator=(const CShapeSegment &) = delete;

    virtual CShapeVertex *GetStart() const { return m_pStart; }
    virtual CShapeVertex *GetEnd() const { return m_pEnd; }
    virtual void SetFlag(int flag) { m_nFlag = flag; }
    virtual int GetFlag() const { return m_nFlag; }
    /// The distance between its end vertices.
    virtual double GetLength() const;

    CCurveShape *GetShape() const { return m_pShape; }

private:
    friend class CCurveShape;
    CShapeVertex *m_pStart;
    CShapeVertex *m_pEnd;
    CCurveShape *m_pShape;
    int m_nFlag;
};

/// A polygon of linked vertices and segments. Segment i runs from vertex i to vertex i + 1; the
/// last one (the closing segment) from the last vertex back to vertex 0, so there are always as
/// many segments as vertices. An open shape leaves its closing segment out of GetSegmentCount
/// and of every walk over the segments (area, inside test, distances, crossings).
///
/// Every change of the vertices resets the caches (area, extreme indexes) and makes the shape
/// closed again: a caller that wants an open shape calls SetClosed(false) after its last change.
/// The bounding rectangle grows with each added vertex; only Clear (and so SetPoints and
/// Reverse) empties it, removals do not shrink it. Vertex and segment indexes must be in range.
///
/// The polygon booleans (CDunmereHelper) read a shape as their input and write their result
/// into one.
class CCurveShape : public IPoly, public IOutPoly
{
public:
    CCurveShape() = default;
    ~CCurveShape() override = default;
    CCurveShape(const CCurveShape &) = delete;
    CCurveShape &operator=(const CCurveShape &) = delete;

    virtual int GetVertexCount() const;
    virtual CShapeVertex *GetVertexAt(int i) const;
    /// Closed: the number of segments; open: one less; 0 for an empty shape.
    virtual int GetSegmentCount() const;
    virtual CShapeSegment *GetSegmentAt(int i) const;
    /// Index i - 1, or the last index for i = 0; v gets that vertex.
    virtual int GetPrevVertex(int i, CShapeVertex *&v) const;
    /// Index i + 1, or 0 after the last index; v gets that vertex.
    virtual int GetNextVertex(int i, CShapeVertex *&v) const;
    /// The previous vertex when direction is 1 on a clockwise shape or 0 on a counter-clockwise
    /// one; the next vertex otherwise.
    virtual int GetNeighbour(int direction, int i, CShapeVertex *&v) const;
    virtual const CDRect &GetBoundingRect() const;
    /// The signed area: positive for counter-clockwise vertex order (y upwards). Cached.
    virtual double GetArea() const;
    /// Indexes of the extreme vertices (the first of equal ones); -1 for an empty shape.
    virtual int GetMaxYIndex() const;
    virtual int GetMinYIndex() const;
    virtual int GetMinXIndex() const;
    virtual int GetMaxXIndex() const;
    /// True when the area is negative.
    virtual bool IsClockwise() const;
    /// 0 outside, 1 inside, 2 on the outline. The point lies on the outline when a segment
    /// crosses its horizontal or vertical line exactly at the point; it is inside when the
    /// rays from it to the right, left, top and bottom each cross the outline an odd number of
    /// times, which is right for concave outlines too.
    virtual int PointInShape(double x, double y) const;
    /// Reverses the orientation keeping vertex 0 first: (0, n-1, ..., 1). Rebuilds the shape
    /// (SetPoints), so it is closed afterwards.
    virtual void Reverse();
    /// Removes the last vertex when it lies within 0.1 of vertex 0 (a shape of one vertex keeps
    /// it).
    virtual void DropDuplicateClosingPoint();
    /// Appends a vertex, relinking the closing segment; returns its index.
    virtual int AddVertex(double x, double y);
    virtual void AddPoint(double x, double y);
    /// Deletes all vertices and segments, empties the rectangle and resets the caches.
    virtual void Clear();
    virtual void AddPoints(std::span<const DPOINT *const> points);
    /// Clear, then AddVertex for each point.
    virtual void SetPoints(std::span<const DPOINT> points);
    /// The rectangle of the vertices after CDPoint::TransformToAbsolute; empty for no vertices.
    virtual CDRect GetTransformedRect(const DPOINT &origin, double angle, bool mirrorY,
                                      bool mirrorX) const;
    /// The smallest distance from the point to a segment; the largest double when there is no
    /// segment.
    virtual double GetDistanceToPoint(double x, double y) const;
    /// The nearest point of the outline (the earlier segment on equal distances) and its
    /// distance; without segments, out is untouched and the largest double is returned.
    virtual double GetNearestPoint(double x, double y, DPOINT &out) const;
    /// CrossesShape and SharesArea.
    virtual bool Overlaps(const CCurveShape &other) const;
    /// True when some segment of other meets some segment of this (no tolerance).
    virtual bool CrossesShape(const CCurveShape &other) const;
    /// True when some vertex of either shape lies in or on the other.
    virtual bool SharesArea(const CCurveShape &other) const;
    /// Removes vertex i: its incoming segment is re-ended at the end of its outgoing segment,
    /// which is deleted with the vertex.
    virtual void RemoveVertex(int i);
    /// Removes both end vertices of segment i (one, when the shape has one vertex).
    virtual void RemoveSegmentVertices(int i);
    /// From the last segment to the first, a segment shorter than minLength loses its start
    /// vertex. A shape smaller than minLength in all may lose every vertex.
    virtual void RemoveShortSegments(double minLength);
    virtual void SetClosed(bool closed);
    virtual bool IsClosed() const;
    /// The turn at vertex i from the direction previous->i to the direction i->next, in
    /// [-pi, pi): +pi/2 at the corners of a counter-clockwise square.
    virtual double GetTurnAngle(int i) const;

    /// GetVertexCount().
    int GetPolyPointCount() const override;
    /// The position of vertex i.
    void GetPolyPoint(int i, double &x, double &y) const override;
    /// Clear().
    void ClearPoly() override;
    /// AddVertex(x, y).
    void AppendPolyPoint(double x, double y) override;

private:
    enum Extreme { MaxY, MinY, MinX, MaxX };

    void ResetCaches();
    int GetExtremeIndex(Extreme extreme) const;
    void ComputeExtremes() const;
    static void EndSegmentAt(CShapeSegment *segment, CShapeVertex *vertex);

    COwningCollection<CShapeVertex> m_oVertices;
    COwningCollection<CShapeSegment> m_oSegments;
    CDRect m_oBoundingRect;
    mutable int m_aExtremes[4] = {-1, -1, -1, -1};
    mutable double m_dArea = 0.0;
    mutable bool m_bAreaValid = false;
    bool m_bClosed = true;
};
