// Morvane model library.
// One stretch of one polyline of a grade path, and the points a path lists.
#include "model/PathSegment.h"

#include "foundation/Geometry.h"
#include "model/Pattern.h"

#include <algorithm>
#include <memory>

CPathSegment::CPathSegment(CPattern *pattern, int polyline, int start, int end, bool reversed)
    : m_pPattern(pattern)
    , m_nPolyline(polyline)
    , m_nStartIndex(start)
    , m_nEndIndex(end)
    , m_bReversed(reversed)
{
}

int CPathSegment::GetMinIndex() const
{
    return std::min(m_nStartIndex, m_nEndIndex);
}

int CPathSegment::GetMaxIndex() const
{
    return std::max(m_nStartIndex, m_nEndIndex);
}

CBasePoint *CPathSegment::GetPolylinePoint(int index) const
{
    if (m_pPattern == nullptr || m_nPolyline < 0 || index < 0)
        return nullptr;
    return m_pPattern->GetPatternPolylineAt(m_nPolyline)->GetBasePointAt(index);
}

CBasePoint *CPathSegment::GetStartPoint() const
{
    return GetPolylinePoint(m_nStartIndex);
}

CBasePoint *CPathSegment::GetEndPoint() const
{
    return GetPolylinePoint(m_nEndIndex);
}

static std::string labelOf(const CBasePoint *point)
{
    return point != nullptr ? point->GetFormatName() : "P?";
}

std::string CPathSegment::GetName() const
{
    return labelOf(GetStartPoint()) + " - " + labelOf(GetEndPoint());
}

bool CPathSegment::GetNextVertex(int current, const std::vector<int> &pointOfVertex,
                                 int &next) const
{
    const int count = static_cast<int>(pointOfVertex.size());
    if (current < 0) {
        const int start = m_bReversed ? GetMaxIndex() : GetMinIndex();
        const auto found = std::find(pointOfVertex.begin(), pointOfVertex.end(), start);
        if (found == pointOfVertex.end())
            return false;
        next = static_cast<int>(found - pointOfVertex.begin());
        return true;
    }
    const int point = pointOfVertex[static_cast<size_t>(current)];
    if (m_bReversed) {
        next = current - 1;
        return point != GetMinIndex() && next >= 0;
    }
    next = current + 1;
    return point != GetMaxIndex() && next < count;
}

std::vector<int> CPathSegment::WalkVertices(const std::vector<int> &pointOfVertex) const
{
    std::vector<int> walk;
    int vertex = -1;
    while (GetNextVertex(vertex, pointOfVertex, vertex))
        walk.push_back(vertex);
    return walk;
}

// A closed polyline holds its first point again at its end, and its shape may list the last
// vertex under the first position: it is taken as the last position, so that a walk can end or
// start there.
void CPathSegment::GetPolylineShape(const IGradeSize *size, std::vector<DPOINT> &shape,
                                    std::vector<int> &pointOfVertex) const
{
    const CPolyline *polyline = m_pPattern->GetPatternPolylineAt(m_nPolyline);
    polyline->GetShape(size, shape, &pointOfVertex);
    const auto lastListed = std::find_if(pointOfVertex.rbegin(), pointOfVertex.rend(),
                                         [](int point) { return point >= 0; });
    const int lastPosition = polyline->GetPointCount() - 1;
    if (lastListed == pointOfVertex.rend() || *lastListed == lastPosition || lastPosition < 1)
        return;
    if (polyline->GetBasePointAt(*lastListed) == polyline->GetBasePointAt(lastPosition))
        *lastListed = lastPosition;
}

int CPathSegment::PatternPointIndex(int polylinePoint) const
{
    if (polylinePoint < 0)
        return -1;
    const CPolyline *polyline = m_pPattern->GetPatternPolylineAt(m_nPolyline);
    return m_pPattern->FindBasePoint(polyline->GetBasePointAt(polylinePoint));
}

double CPathSegment::GetLength(const IGradeSize *size) const
{
    if (m_pPattern == nullptr || m_nPolyline < 0)
        return 0.0;
    std::vector<DPOINT> shape;
    std::vector<int> pointOfVertex;
    GetPolylineShape(size, shape, pointOfVertex);
    const std::vector<int> walk = WalkVertices(pointOfVertex);
    double length = 0.0;
    for (size_t i = 1; i < walk.size(); ++i)
        length += GetDPointDistance(shape[static_cast<size_t>(walk[i - 1])],
                                    shape[static_cast<size_t>(walk[i])]);
    return length;
}

void CPathSegment::GetPoints(std::vector<PATTERNDPOINT> &out, const IGradeSize *size) const
{
    if (m_pPattern == nullptr || m_nPolyline < 0)
        return;
    std::vector<DPOINT> shape;
    std::vector<int> pointOfVertex;
    GetPolylineShape(size, shape, pointOfVertex);
    std::vector<int> walk = WalkVertices(pointOfVertex);
    if (walk.empty())
        return;
    const int first = PatternPointIndex(pointOfVertex[static_cast<size_t>(walk.front())]);
    if (!out.empty() && out.back().pointIndex == first)
        walk.erase(walk.begin());
    for (const int vertex : walk) {
        const size_t at = static_cast<size_t>(vertex);
        out.push_back(
            {m_pPattern, PatternPointIndex(pointOfVertex[at]), shape[at], m_nPolyline, vertex});
    }
}

void CPathSegment::GetShape(std::vector<DPOINT> &out, const IGradeSize *size) const
{
    std::vector<PATTERNDPOINT> points;
    GetPoints(points, size);
    for (const PATTERNDPOINT &point : points)
        out.push_back(point.position);
}

void CPathSegment::SplitAtPoints(COwningCollection<CPathSegment> &out) const
{
    if (m_pPattern == nullptr || m_nPolyline < 0)
        return;
    std::vector<DPOINT> shape;
    std::vector<int> pointOfVertex;
    GetPolylineShape(nullptr, shape, pointOfVertex);
    int pieceStart = -1;
    for (const int vertex : WalkVertices(pointOfVertex)) {
        const int point = pointOfVertex[static_cast<size_t>(vertex)];
        if (point < 0)
            continue;
        if (pieceStart >= 0)
            out.AddOwned(std::make_unique<CPathSegment>(m_pPattern, m_nPolyline, pieceStart, point,
                                                        m_bReversed));
        pieceStart = point;
        if (point == m_nEndIndex)
            break;
    }
}
