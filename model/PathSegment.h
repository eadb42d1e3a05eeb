// Morvane model library.
// One stretch of one polyline of a grade path, and the points a path lists.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"

#include <string>
#include <vector>

class CBasePoint;
class CPattern;
class IGradeSize;

/// One point of a grade path, as the path lists it.
struct PATTERNDPOINT
{
    CPattern *pattern = nullptr;
    /// The index among the pattern's base points of the point this vertex stands for; -1 for a
    /// vertex of the shape between points.
    int pointIndex = -1;
    /// The position on the mask for the size asked.
    DPOINT position;
    int polyline = -1;
    /// The index of the vertex in the polyline's shape.
    int vertex = -1;
};

/// A stretch of a grade path along one polyline, as the formulas read it. A null size is the
/// base size throughout.
class ISegmentPath
{
public:
    virtual ~ISegmentPath() = default;

    /// Whether the path runs against the polyline's point order (start index above end index).
    virtual bool IsReversed() const = 0;
    /// Steps the walk over the shape's vertices from the start point to the end point, the
    /// vertices between points included. pointOfVertex gives, per vertex, the index in the
    /// polyline of the point it stands for (-1 for none). With current -1, next becomes the
    /// first vertex of the start point (false when there is none); otherwise the vertex after
    /// current in the walk's direction (false when current is the end point's vertex or next
    /// would leave the shape).
    virtual bool GetNextVertex(int current, const std::vector<int> &pointOfVertex,
                               int &next) const = 0;
    /// "<start> - <end>" with the points' labels ("P?" for a missing one).
    virtual std::string GetName() const = 0;
    /// The length along the shape from the start point to the end point for the size; 0 when
    /// the start point has no vertex.
    virtual double GetLength(const IGradeSize *size) const = 0;
    virtual CPattern *GetPattern() const = 0;
    virtual int GetPolylineIndex() const = 0;
    /// The smaller of the start and end index.
    virtual int GetMinIndex() const = 0;
    /// The larger of the start and end index.
    virtual int GetMaxIndex() const = 0;
    virtual void SetEndIndex(int index) = 0;
    /// The polyline's point at the start index; null for a segment without pattern.
    virtual CBasePoint *GetStartPoint() const = 0;
    /// The polyline's point at the end index; null for a segment without pattern.
    virtual CBasePoint *GetEndPoint() const = 0;
};

/// A stretch of a grade path along polyline GetPolylineIndex() of the pattern, from the
/// polyline's point at the start index to the one at the end index. A new segment has no
/// pattern, every index -1 and runs forward. Indexes must be valid for the pattern.
class CPathSegment : public ISegmentPath
{
public:
    CPathSegment() = default;
    CPathSegment(CPattern *pattern, int polyline, int start, int end, bool reversed);

    bool IsReversed() const override { return m_bReversed; }
    bool GetNextVertex(int current, const std::vector<int> &pointOfVertex,
                       int &next) const override;
    std::string GetName() const override;
    double GetLength(const IGradeSize *size) const override;
    CPattern *GetPattern() const override { return m_pPattern; }
    int GetPolylineIndex() const override { return m_nPolyline; }
    int GetMinIndex() const override;
    int GetMaxIndex() const override;
    void SetEndIndex(int index) override { m_nEndIndex = index; }
    CBasePoint *GetStartPoint() const override;
    CBasePoint *GetEndPoint() const override;

    int GetStartIndex() const { return m_nStartIndex; }
    int GetEndIndex() const { return m_nEndIndex; }
    /// Appends the points of the walk for the size. When out's last point stands for the
    /// segment's start point (a junction with the segment before), that point is not repeated.
    /// Nothing without a pattern or polyline.
    void GetPoints(std::vector<PATTERNDPOINT> &out, const IGradeSize *size) const;
    /// Appends the positions of the walk for the size, the start point always included.
    void GetShape(std::vector<DPOINT> &out, const IGradeSize *size) const;
    /// Appends the pieces of this segment from one polyline point to the next (base size), in
    /// path order; a segment without points between its ends gives one piece like itself, an
    /// empty one (start index equal to end index) none.
    void SplitAtPoints(COwningCollection<CPathSegment> &out) const;

private:
    /// The polyline's point at index; null without a pattern or polyline, or for index -1.
    CBasePoint *GetPolylinePoint(int index) const;
    /// The polyline's shape for the size and the polyline point of each vertex.
    void GetPolylineShape(const IGradeSize *size, std::vector<DPOINT> &shape,
                          std::vector<int> &pointOfVertex) const;
    /// The vertices from the start point to the end point, in path order.
    std::vector<int> WalkVertices(const std::vector<int> &pointOfVertex) const;
    /// The pattern's index of the polyline's point at that index; -1 for a negative index.
    int PatternPointIndex(int polylinePoint) const;

    CPattern *m_pPattern = nullptr;
    int m_nPolyline = -1;
    int m_nStartIndex = -1;
    int m_nEndIndex = -1;
    bool m_bReversed = false;
};
