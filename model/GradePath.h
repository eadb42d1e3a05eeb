// Morvane model library.
// A grade path: the run of a pattern's points from one point to another along a contour.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"
#include "model/PathSegment.h"

#include <vector>

class CBasePoint;
class CContour;
class CPattern;
class IGradeSize;

/// A grade path as the formulas read it: its segments, its points and its length per size. A
/// null size is the base size throughout.
class IGradePath
{
public:
    virtual ~IGradePath() = default;

    /// Fills the path's point cache with GetPoints for the size; returns its count.
    virtual int GetGradePlaceCount(const IGradeSize *size) = 0;
    /// The position of entry i of the cache the last GetGradePlaceCount filled (the size is
    /// not used); i must be below that count.
    virtual void GetGradePlaceAt(const IGradeSize *size, int i, double &x, double &y) const = 0;
    /// Point number i of the path, counting each segment's points on their own (a junction
    /// counts once in each segment): its pattern, polyline and vertex index. False when the
    /// path has fewer points.
    virtual bool GetPointAt(int i, CPattern *&pattern, int &polyline, int &vertex,
                            const IGradeSize *size) const = 0;
    /// Whether the point is one of the path's grade points.
    virtual bool ExistsInPath(const CBasePoint *point) const = 0;
    /// The sum of the segments' lengths; 0 without segments.
    virtual double GetPathLength(const IGradeSize *size) const = 0;
    /// Segment i (unchecked).
    virtual ISegmentPath *GetSegmentAt(int i) const = 0;
    virtual int GetSegmentCount() const = 0;
    /// Replaces out by the path's points for the size, each junction of two segments once.
    virtual void GetPoints(std::vector<PATTERNDPOINT> &out, const IGradeSize *size) const = 0;
    /// Replaces out by the segments' shapes one after the other, each junction twice.
    virtual void GetShape(std::vector<DPOINT> &out, const IGradeSize *size) const = 0;
    /// Makes the path from start to end along the first contour of start's pattern that joins
    /// them, walking one way round (reverse) or the other; see CGradePath.
    virtual void FillPath(CBasePoint *start, CBasePoint *end, bool reverse) = 0;
    /// The pattern of the first segment that has one; null when none.
    virtual CPattern *GetPattern() const = 0;
    /// Appends the path's grade points, in path order.
    virtual void AppendGradePoints(CPtrCollection<CBasePoint> &out) const = 0;
    /// The start point of the first segment; null without segments.
    virtual CBasePoint *GetFirstPoint() const = 0;
    /// The end point of the last segment; null without segments.
    virtual CBasePoint *GetLastPoint() const = 0;
    /// Whether any of the points is one of the path's grade points.
    virtual bool ExistsOnOfInPath(const CPtrCollection<CBasePoint> &points) const = 0;
};

/// A grade path: segments along the polylines of one pattern, from one point to another, one
/// segment per step from a polyline point to the next, and the grade points (type 1) on the way.
/// Paths are built by the formulas that need them (FillPath) and never stored.
class CGradePath : public IGradePath
{
public:
    CGradePath();
    ~CGradePath() override;
    CGradePath(const CGradePath &) = delete;
    CGradePath &operator=(const CGradePath &) = delete;

    int GetGradePlaceCount(const IGradeSize *size) override;
    void GetGradePlaceAt(const IGradeSize *size, int i, double &x, double &y) const override;
    bool GetPointAt(int i, CPattern *&pattern, int &polyline, int &vertex,
                    const IGradeSize *size) const override;
    bool ExistsInPath(const CBasePoint *point) const override;
    double GetPathLength(const IGradeSize *size) const override;
    CPathSegment *GetSegmentAt(int i) const override { return m_oSegments.GetAt(i); }
    int GetSegmentCount() const override { return m_oSegments.GetCount(); }
    void GetPoints(std::vector<PATTERNDPOINT> &out, const IGradeSize *size) const override;
    void GetShape(std::vector<DPOINT> &out, const IGradeSize *size) const override;
    /// Clears the path, then tries each contour of start's pattern in order, walking from
    /// start to end the way reverse gives (on a closed contour: against the contour's own
    /// orientation when reverse differs from IsClockwise), and keeps the segments of the first
    /// contour that gives any. A walk across the joint of a closed polyline (its first point
    /// again at its end) goes on from the polyline's other end. Empty segments are dropped, the
    /// rest split into single steps (SplitToGradePoints), and the grade points gathered. A
    /// missing point, or a start point on no pattern, leaves the path empty.
    void FillPath(CBasePoint *start, CBasePoint *end, bool reverse) override;
    CPattern *GetPattern() const override;
    void AppendGradePoints(CPtrCollection<CBasePoint> &out) const override;
    CBasePoint *GetFirstPoint() const override;
    CBasePoint *GetLastPoint() const override;
    bool ExistsOnOfInPath(const CPtrCollection<CBasePoint> &points) const override;

    /// Appends a segment; returns its index.
    int AddSegment(CPattern *pattern, int polyline, int start, int end, bool reversed);
    /// Appends copies of the other path's segments, then UpdateGradePoints.
    void Append(const IGradePath &other);
    /// Deletes every segment and forgets the grade points.
    void Clear();
    /// Deletes segment i.
    void RemoveAt(int i);
    /// Deletes, from the last, every segment whose start and end index are equal.
    void RemoveEmptySegments();
    /// Replaces each segment by its single steps from one polyline point to the next.
    void SplitToGradePoints();
    /// Gathers the grade points (type 1) among the path's base-size points, in path order.
    void UpdateGradePoints();

    /// Builds the path from start to end with reverse true, then with reverse false, and
    /// appends each that has a segment to paths: none, one or two paths, the reverse one first.
    static void AppendPaths(CBasePoint *start, CBasePoint *end,
                            COwningCollection<IGradePath> &paths);

private:
    /// Opens or extends segments along the contour's run from start to end; false when the
    /// contour gives none.
    bool FillFromContour(CContour &contour, CBasePoint *start, CBasePoint *end, bool reverse);

    COwningCollection<CPathSegment> m_oSegments;
    std::vector<PATTERNDPOINT> m_aPointCache;
    CPtrCollection<CBasePoint> m_oGradePoints;
};
