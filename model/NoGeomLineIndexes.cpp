// Morvane model library.
// Which of an input pattern's grade points lie at which shape points of an input polyline.
#include "foundation/DRect.h"
#include "foundation/Geometry.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/NearestPoint.h"
#include "model/NoGeomPolyline.h"

#include <cmath>

using namespace morvane;

static bool isInGrownRect(const CDRect &rect, double growth, const DPOINT &p)
{
    return rect.IsValid() && p.x >= rect.minX - growth && p.x <= rect.maxX + growth &&
           p.y >= rect.minY - growth && p.y <= rect.maxY + growth;
}

// Removes, from the end, every point that slides.
static void removeSliderPoints(CPtrCollection<CBasePoint> &points)
{
    for (int i = points.GetCount() - 1; i >= 0; --i) {
        if (points.GetAt(i)->IsSliderPoint())
            points.RemoveAt(i);
    }
}

// Grade point j at position: it takes the free shape points within the attach distance; a shape
// point that already stands for another grade point is doubled for it (and the search ends);
// near no shape point, it is put at its foot on a segment within the foot distance.
static void attachGradePoint(std::vector<DPOINT> &shape, std::vector<int> &indexes,
                             const CDRect &bounds, const DPOINT &position, int j)
{
    std::vector<int> near;
    if (isInGrownRect(bounds, CNoGeomPolyline::kAttachDistance, position))
        CNoGeomPolyline::FindNearestPoints(shape, position, CNoGeomPolyline::kAttachDistance, near);
    if (near.empty()) {
        if (!isInGrownRect(bounds, CNoGeomPolyline::kFootDistance, position))
            return;
        DPOINT foot;
        double distance = 0.0;
        const int at = CNoGeomPolyline::FindNearestPointOnLine(shape, position, foot, distance);
        if (at < 1 || !(distance < CNoGeomPolyline::kFootDistance))
            return;
        shape.insert(shape.begin() + at, foot);
        indexes.insert(indexes.begin() + at, j);
        return;
    }
    for (int k : near) {
        if (indexes[static_cast<size_t>(k)] == -1) {
            indexes[static_cast<size_t>(k)] = j;
            continue;
        }
        const DPOINT copy = shape[static_cast<size_t>(k)];
        shape.insert(shape.begin() + k, copy);
        indexes.insert(indexes.begin() + k, j);
        return;
    }
}

// Within a run of equal entries only the last keeps its value; a run at the start keeps its
// first entry as well, and a run of two there keeps only the first.
static void removeSequenceOfSamePoints(std::vector<int> &indexes)
{
    if (indexes.size() < 3)
        return;
    const std::vector<int> original = indexes;
    for (size_t i = original.size() - 1; i-- > 0;) {
        if (original[i] < 0 || original[i] != original[i + 1])
            continue;
        indexes[i == 0 ? 1 : i] = -1;
    }
}

void CNoGeomPolyline::SetPointLineIndices(CPolylinePoints &entry) const
{
    std::vector<DPOINT> &shape = entry.shape;
    std::vector<int> &indexes = entry.lineIndexes;
    indexes.assign(shape.size(), -1);
    if (m_pInputPattern == nullptr)
        return;
    CDRect bounds;
    bounds.IncludePoints(shape);
    CPtrCollection<CBasePoint> gradePoints;
    m_pInputPattern->AppendGradePoints(gradePoints);
    removeSliderPoints(gradePoints);
    for (int j = 0; j < gradePoints.GetCount(); ++j) {
        const auto *point = static_cast<const CInputPoint *>(gradePoints.GetAt(j));
        attachGradePoint(shape, indexes, bounds, point->GetPositionForKey(entry.key), j);
    }

    if (entry.key.table < 0 && entry.key.size < 0) {
        m_oLinePoints.RemoveAll();
        int previous = -1;
        for (int index : indexes) {
            if (index < 0 || index == previous)
                continue;
            m_oLinePoints.Add(gradePoints.GetAt(index));
            previous = index;
        }
    } else {
        UpdateLinePointsIfNeeded();
    }
    const CPtrCollection<CBasePoint> &served = ServedPoints();
    for (int &index : indexes) {
        if (index >= 0)
            index = served.Find(gradePoints.GetAt(index));
    }
    removeSequenceOfSamePoints(indexes);
}

int CNoGeomPolyline::FindNearestPoint(std::span<const DPOINT> points, DPOINT target,
                                      double tolerance)
{
    return findNearestPoint(points, target, tolerance);
}

void CNoGeomPolyline::FindNearestPoints(std::span<const DPOINT> points, DPOINT target,
                                        double tolerance, std::vector<int> &out)
{
    for (size_t i = 0; i < points.size(); ++i) {
        const DPOINT &point = points[i];
        if (std::fabs(point.x - target.x) <= tolerance &&
            std::fabs(point.y - target.y) <= tolerance &&
            GetDPointDistance(point, target) <= tolerance)
            out.push_back(static_cast<int>(i));
    }
}

int CNoGeomPolyline::FindNearestPointOnLine(std::span<const DPOINT> points, DPOINT target,
                                            DPOINT &foot, double &distance)
{
    int best = -1;
    DPOINT bestFoot;
    double bestDistance = 0.0;
    for (size_t i = 1; i < points.size(); ++i) {
        const DPOINT &a = points[i - 1];
        const DPOINT &b = points[i];
        const DPOINT candidate = ProjectPointOnSegment(target.x, target.y, a.x, a.y, b.x, b.y);
        const double d = GetDPointDistance(candidate, target);
        const bool nearer = std::fabs(candidate.x - target.x) <= bestDistance &&
                            std::fabs(candidate.y - target.y) <= bestDistance && d < bestDistance;
        if (best >= 0 && !nearer)
            continue;
        best = static_cast<int>(i);
        bestFoot = candidate;
        bestDistance = d;
    }
    if (best < 0)
        return -1;
    foot = bestFoot;
    distance = bestDistance;
    return best;
}
