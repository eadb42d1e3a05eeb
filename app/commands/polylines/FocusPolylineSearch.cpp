// Morvane editing commands.
// The questions the line-collecting commands ask: whether two lines meet, which line a focus
// object designates, and which line may come next in a contour.
#include "app/commands/polylines/FocusPolylineSearch.h"

#include "app/extras/ShapeIntersection.h"
#include "app/interaction/FocusObject.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "foundation/Geometry.h"
#include "foundation/SegmentShape.h"
#include "model/BasePoint.h"
#include "model/Pattern.h"
#include "model/Polyline.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace morvane {

namespace {

constexpr double kNoGap = 1e10;
constexpr double kEndTolerance = 0.25;

std::vector<DPOINT> baseShape(const CPolyline &line)
{
    std::vector<DPOINT> shape;
    line.GetShapeWithSliderPoints(nullptr, shape, nullptr, false);
    return shape;
}

double distanceToShape(DPOINT p, const std::vector<DPOINT> &shape)
{
    if (shape.size() == 1)
        return GetDPointDistance(p, shape.front());
    double nearest = std::numeric_limits<double>::infinity();
    for (size_t i = 1; i < shape.size(); ++i)
        nearest = std::min(nearest, GetDistanceToSegment(p.x, p.y, shape[i - 1].x, shape[i - 1].y,
                                                         shape[i].x, shape[i].y));
    return nearest;
}

bool endsTouch(DPOINT a, DPOINT b)
{
    return std::hypot(a.x - b.x, a.y - b.y) <= kEndTolerance;
}

} // namespace

double polylineGap(const CPolyline &first, const CPolyline &second)
{
    const std::vector<DPOINT> firstShape = baseShape(first);
    const std::vector<DPOINT> secondShape = baseShape(second);
    const CShapeIntersection meeting(CSegmentShape(firstShape), CSegmentShape(secondShape),
                                     kLinesMeetGap);
    if (!meeting.IsFound())
        return kNoGap;
    const DPOINT place = meeting.GetPoint(0);
    return std::max(distanceToShape(place, firstShape), distanceToShape(place, secondShape));
}

CPolyline *focusPolyline(const CFocusObject &focus)
{
    const auto *pattern = dynamic_cast<const CPattern *>(focus.GetDetailObject());
    const int index = focus.GetLineIndex();
    if (pattern != nullptr && index >= 0 && index < pattern->GetPolylineCount())
        return pattern->GetPatternPolylineAt(index);
    return dynamic_cast<CPolyline *>(focus.GetItem());
}

int findFocusPolyline(const IMaskDocumentAccess &document, const CPolyline *polyline)
{
    for (int i = 0; i < document.GetFocusPolylineCount(); ++i) {
        if (focusPolyline(*document.GetFocusPolylineAt(i)) == polyline)
            return i;
    }
    return -1;
}

int findNextContourLine(const IMaskDocumentAccess &document, const CPattern &pattern, int lineIndex)
{
    if (lineIndex < 0 || lineIndex >= pattern.GetPolylineCount())
        return -1;
    const CPolyline *line = pattern.GetPatternPolylineAt(lineIndex);
    if (line->GetPointCount() == 0)
        return -1;
    const DPOINT e1 = line->GetFirstPoint()->GetAbsPosition();
    const DPOINT e2 = line->GetLastPoint()->GetAbsPosition();
    for (int i = 0; i < pattern.GetPolylineCount(); ++i) {
        const CPolyline *candidate = pattern.GetPatternPolylineAt(i);
        if (i == lineIndex || candidate->GetPointCount() == 0 ||
            findFocusPolyline(document, candidate) >= 0)
            continue;
        const DPOINT q1 = candidate->GetFirstPoint()->GetAbsPosition();
        const DPOINT q2 = candidate->GetLastPoint()->GetAbsPosition();
        if (endsTouch(q1, e1) || endsTouch(q1, e2) || endsTouch(q2, e1) || endsTouch(q2, e2))
            return i;
    }
    return -1;
}

void updateCanSelectNextLine(ITask &task, const IMaskDocumentAccess &document)
{
    bool found = false;
    if (const int count = document.GetFocusPolylineCount(); count > 0) {
        const CFocusObject &last = *document.GetFocusPolylineAt(count - 1);
        const auto *pattern = dynamic_cast<const CPattern *>(last.GetDetailObject());
        found =
            pattern != nullptr && findNextContourLine(document, *pattern, last.GetLineIndex()) >= 0;
    }
    task.GetAttributes()->SetInteger("bCanSelectNextLine", found ? 1 : 0);
}

} // namespace morvane
