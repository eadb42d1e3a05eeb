// Morvane model library.
// The stretch of a pattern's outline that lies in a grade region.
#include "foundation/Geometry.h"
#include "model/Contour.h"
#include "model/GradePath.h"
#include "model/GradeRegion.h"
#include "model/Pattern.h"

bool CContour::FindGradePathReg(const IRegion &region, CBasePoint *&start, CBasePoint *&end,
                                bool &direction) const
{
    start = nullptr;
    end = nullptr;
    CPtrCollection<CBasePoint> points;
    GetOutContour(&points, false, false);
    if (IsClosed() && points.GetCount() > 0)
        points.Add(points.GetFirst());
    for (CBasePoint *point : points) {
        const bool inside = region.IsPointInside(point->GetAbsPosition());
        if (start == nullptr) {
            start = inside ? point : nullptr;
        } else if (inside) {
            end = point;
        } else if (end != nullptr) {
            break;
        } else {
            start = nullptr;
        }
    }
    if (start == nullptr || end == nullptr) {
        start = nullptr;
        end = nullptr;
        return false;
    }
    if (!IsClosed())
        return true;
    const DPOINT reference = region.GetPosition();
    const bool endNearer = GetDPointDistance(end->GetAbsPosition(), reference) <
                           GetDPointDistance(start->GetAbsPosition(), reference);
    if (endNearer)
        std::swap(start, end);
    direction = endNearer ? !IsClockwise() : IsClockwise();
    return true;
}

bool CPattern::FindGradePathReg(const IRegion &region, CBasePoint *&start, CBasePoint *&end,
                                bool &direction) const
{
    start = nullptr;
    end = nullptr;
    double longest = 0.0;
    for (int i = 0; i < GetContourCount(); ++i) {
        CBasePoint *first = nullptr;
        CBasePoint *last = nullptr;
        bool reverse = direction;
        if (!GetContourAt(i)->FindGradePathReg(region, first, last, reverse))
            continue;
        CGradePath path;
        path.FillPath(first, last, reverse);
        const double length = path.GetPathLength(nullptr);
        if (start != nullptr && length <= longest)
            continue;
        start = first;
        end = last;
        direction = reverse;
        longest = length;
    }
    return start != nullptr && end != nullptr;
}
