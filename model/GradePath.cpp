// Morvane model library.
// A grade path: the run of a pattern's points from one point to another along a contour.
#include "model/GradePath.h"

#include "model/Pattern.h"

#include <memory>

CGradePath::CGradePath() = default;

CGradePath::~CGradePath() = default;

int CGradePath::AddSegment(CPattern *pattern, int polyline, int start, int end, bool reversed)
{
    return m_oSegments.AddOwned(
        std::make_unique<CPathSegment>(pattern, polyline, start, end, reversed));
}

void CGradePath::Append(const IGradePath &other)
{
    for (int i = 0; i < other.GetSegmentCount(); ++i) {
        const ISegmentPath *segment = other.GetSegmentAt(i);
        // A reversed segment starts at its larger index.
        const int low = segment->GetMinIndex();
        const int high = segment->GetMaxIndex();
        const bool reversed = segment->IsReversed();
        AddSegment(segment->GetPattern(), segment->GetPolylineIndex(), reversed ? high : low,
                   reversed ? low : high, reversed);
    }
    UpdateGradePoints();
}

void CGradePath::Clear()
{
    m_oSegments.RemoveAll();
    m_oGradePoints.RemoveAll();
}

void CGradePath::RemoveAt(int i)
{
    m_oSegments.DeleteAt(i);
}

void CGradePath::RemoveEmptySegments()
{
    for (int i = GetSegmentCount() - 1; i >= 0; --i) {
        const CPathSegment *segment = m_oSegments.GetAt(i);
        if (segment->GetMinIndex() == segment->GetMaxIndex())
            m_oSegments.DeleteAt(i);
    }
}

void CGradePath::SplitToGradePoints()
{
    COwningCollection<CPathSegment> pieces;
    for (const CPathSegment *segment : m_oSegments)
        segment->SplitAtPoints(pieces);
    m_oSegments.RemoveAll();
    while (pieces.GetCount() > 0)
        m_oSegments.AddOwned(pieces.TakeAt(0));
}

void CGradePath::UpdateGradePoints()
{
    m_oGradePoints.RemoveAll();
    std::vector<PATTERNDPOINT> points;
    GetPoints(points, nullptr);
    for (const PATTERNDPOINT &point : points) {
        if (point.pointIndex < 0)
            continue;
        CBasePoint *basePoint = point.pattern->GetBasePointAt(point.pointIndex);
        if (basePoint->GetGradeType() == GRADE_POINT_GRADE)
            m_oGradePoints.Add(basePoint);
    }
}

int CGradePath::GetGradePlaceCount(const IGradeSize *size)
{
    GetPoints(m_aPointCache, size);
    return static_cast<int>(m_aPointCache.size());
}

void CGradePath::GetGradePlaceAt(const IGradeSize *, int i, double &x, double &y) const
{
    const DPOINT &position = m_aPointCache[static_cast<size_t>(i)].position;
    x = position.x;
    y = position.y;
}

bool CGradePath::GetPointAt(int i, CPattern *&pattern, int &polyline, int &vertex,
                            const IGradeSize *size) const
{
    int first = 0;
    for (const CPathSegment *segment : m_oSegments) {
        std::vector<PATTERNDPOINT> points;
        segment->GetPoints(points, size);
        const int count = static_cast<int>(points.size());
        if (i < first + count) {
            pattern = segment->GetPattern();
            polyline = segment->GetPolylineIndex();
            vertex = points[static_cast<size_t>(i - first)].vertex;
            return true;
        }
        first += count;
    }
    return false;
}

bool CGradePath::ExistsInPath(const CBasePoint *point) const
{
    return m_oGradePoints.Find(point) >= 0;
}

bool CGradePath::ExistsOnOfInPath(const CPtrCollection<CBasePoint> &points) const
{
    for (const CBasePoint *point : points) {
        if (ExistsInPath(point))
            return true;
    }
    return false;
}

double CGradePath::GetPathLength(const IGradeSize *size) const
{
    double length = 0.0;
    for (const CPathSegment *segment : m_oSegments)
        length += segment->GetLength(size);
    return length;
}

void CGradePath::GetPoints(std::vector<PATTERNDPOINT> &out, const IGradeSize *size) const
{
    out.clear();
    for (const CPathSegment *segment : m_oSegments)
        segment->GetPoints(out, size);
}

void CGradePath::GetShape(std::vector<DPOINT> &out, const IGradeSize *size) const
{
    out.clear();
    for (const CPathSegment *segment : m_oSegments)
        segment->GetShape(out, size);
}

CPattern *CGradePath::GetPattern() const
{
    for (const CPathSegment *segment : m_oSegments) {
        if (segment->GetPattern() != nullptr)
            return segment->GetPattern();
    }
    return nullptr;
}

void CGradePath::AppendGradePoints(CPtrCollection<CBasePoint> &out) const
{
    out.Append(m_oGradePoints);
}

CBasePoint *CGradePath::GetFirstPoint() const
{
    return GetSegmentCount() == 0 ? nullptr : m_oSegments.GetFirst()->GetStartPoint();
}

CBasePoint *CGradePath::GetLastPoint() const
{
    return GetSegmentCount() == 0 ? nullptr : m_oSegments.GetLast()->GetEndPoint();
}

// The position of point in the polyline next to position from (the walk's next step), or else
// its first position: a closed polyline holds its first point again at its end.
static int positionNextTo(const CPolyline &polyline, const CBasePoint *point, int from)
{
    if (from + 1 < polyline.GetPointCount() && polyline.GetBasePointAt(from + 1) == point)
        return from + 1;
    if (from >= 1 && polyline.GetBasePointAt(from - 1) == point)
        return from - 1;
    return polyline.FindBasePoint(point);
}

bool CGradePath::FillFromContour(CContour &contour, CBasePoint *start, CBasePoint *end,
                                 bool reverse)
{
    const bool clockwise = contour.IsClosed() && contour.IsClockwise();
    const bool backward = reverse != clockwise;
    CPtrCollection<CBasePoint> points;
    CPtrCollection<IContourLine> lines;
    contour.GetPath(start, end, backward, &points, &lines);
    CPattern *pattern = start->GetParent();
    const CPolyline *previousLine = nullptr;
    for (int i = 0; i < points.GetCount(); ++i) {
        const IContourLine *line = lines.GetAt(i);
        CPolyline *polyline = line->GetPolyline();
        const CBasePoint *point = points.GetAt(i);
        const bool reversed = backward != line->IsBackward();
        CPathSegment *open = GetSegmentCount() > 0 ? m_oSegments.GetLast() : nullptr;
        if (polyline != previousLine || open == nullptr) {
            const int index = polyline->FindBasePoint(point);
            AddSegment(pattern, pattern->FindPolyline(polyline), index, index, reversed);
        } else if (point == points.GetAt(i - 1)) {
            // The walk crossed the joint of a closed polyline: on from its other end.
            const int index = open->GetEndIndex() == 0 ? polyline->GetPointCount() - 1 : 0;
            AddSegment(pattern, pattern->FindPolyline(polyline), index, index, reversed);
        } else {
            open->SetEndIndex(positionNextTo(*polyline, point, open->GetEndIndex()));
        }
        previousLine = polyline;
    }
    return GetSegmentCount() > 0;
}

void CGradePath::FillPath(CBasePoint *start, CBasePoint *end, bool reverse)
{
    Clear();
    CPattern *pattern = start != nullptr ? start->GetParent() : nullptr;
    if (pattern == nullptr || end == nullptr)
        return;
    for (int i = 0; i < pattern->GetContourCount(); ++i) {
        Clear();
        if (FillFromContour(*pattern->GetContourAt(i), start, end, reverse))
            break;
    }
    RemoveEmptySegments();
    SplitToGradePoints();
    RemoveEmptySegments();
    UpdateGradePoints();
}

void CGradePath::AppendPaths(CBasePoint *start, CBasePoint *end,
                             COwningCollection<IGradePath> &paths)
{
    for (const bool reverse : {true, false}) {
        auto path = std::make_unique<CGradePath>();
        path->FillPath(start, end, reverse);
        if (path->GetSegmentCount() > 0)
            paths.AddOwned(std::move(path));
    }
}
