// Morvane model library.
// The outline of a contour: its lines trimmed where they meet and joined, with base points.
#include "model/ContourOutline.h"

#include "foundation/DRect.h"
#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/NearestPoint.h"
#include "model/Polyline.h"
#include "model/ShapeCrossing.h"

#include <algorithm>
#include <vector>

using namespace morvane;

namespace {

/// Entries within this distance of the previous outline position merge into it; base points
/// attach to line points within it.
constexpr double kMergeDistance = 0.5;
/// With attaching at ends, base points this near a line's first or last entry attach there.
constexpr double kEndAttachDistance = 2.0;

/// A line's shape for the size and where it is cut: it enters on segment startIndex (from the
/// previous line's exit point) and leaves on segment endIndex at endPoint.
struct TrimmedLine
{
    const OutlineLine *line;
    std::vector<DPOINT> shape;
    int startIndex;
    int endIndex;
    DPOINT endPoint;

    int lastSegment() const { return static_cast<int>(shape.size()) - 2; }
};

/// One entry of a line's point list.
struct LineEntry
{
    DPOINT point;
    CBasePoint *basePoint = nullptr;
};

} // namespace

static double distance(const DPOINT &a, const DPOINT &b)
{
    return GetDPointDistance(a, b);
}

static bool isInGrownRect(const CDRect &rect, double growth, const DPOINT &p)
{
    return p.x >= rect.minX - growth && p.x <= rect.maxX + growth && p.y >= rect.minY - growth &&
           p.y <= rect.maxY + growth;
}

static std::vector<TrimmedLine> shapeLines(std::span<const OutlineLine> lines,
                                           const IGradeSize *size, bool withSliders)
{
    std::vector<TrimmedLine> trimmed;
    for (const OutlineLine &line : lines) {
        std::vector<DPOINT> shape;
        if (withSliders)
            line.polyline->GetShapeWithSliderPoints(size, shape, nullptr, false);
        else
            line.polyline->GetShape(size, shape, nullptr);
        if (shape.empty())
            continue;
        const DPOINT last = shape.back();
        const int lastSegment = static_cast<int>(shape.size()) - 2;
        trimmed.push_back({&line, std::move(shape), 0, lastSegment, last});
    }
    return trimmed;
}

// The shape in the order the contour runs along the line: from its entry end to its exit end.
static std::vector<DPOINT> runningShape(const TrimmedLine &line)
{
    if (!line.line->backward)
        return line.shape;
    return {line.shape.rbegin(), line.shape.rend()};
}

// A segment index of the running shape as an index of the shape as stored. Segment k of a
// reversed shape of n points is segment n - 2 - k, which also maps the prolongations (-1 and
// n - 1) onto each other.
static int storedSegment(const TrimmedLine &line, int runningSegment)
{
    if (!line.line->backward)
        return runningSegment;
    return static_cast<int>(line.shape.size()) - 2 - runningSegment;
}

// Cuts two neighbouring lines where the first leaves and the second enters; both stay as they
// are when they do not meet.
static void cutAtJoint(TrimmedLine &exiting, TrimmedLine &entering)
{
    ShapeCrossing crossing;
    if (!findJointCrossing(runningShape(exiting), runningShape(entering), crossing))
        return;
    exiting.endIndex = storedSegment(exiting, crossing.firstSegment);
    exiting.endPoint = crossing.point;
    entering.startIndex = storedSegment(entering, crossing.secondSegment);
}

// An open contour's first line starts at the end away from its exit, and its last line leaves
// at the end away from its entry.
static void orientOpenEnds(std::vector<TrimmedLine> &lines)
{
    TrimmedLine &first = lines.front();
    const bool firstRunsForward = distance(first.shape.back(), first.endPoint) <
                                  distance(first.shape.front(), first.endPoint);
    first.startIndex = firstRunsForward ? 0 : first.lastSegment();

    TrimmedLine &last = lines.back();
    const DPOINT &entry = lines[lines.size() - 2].endPoint;
    if (distance(last.shape.front(), entry) > distance(last.shape.back(), entry)) {
        last.endIndex = 0;
        last.endPoint = last.shape.front();
    } else {
        last.endIndex = last.lastSegment();
    }
}

static void trimLines(std::vector<TrimmedLine> &lines, bool closed)
{
    const size_t count = lines.size();
    if (count < 2)
        return;
    const size_t joints = closed ? count : count - 1;
    for (size_t k = 0; k < joints; ++k)
        cutAtJoint(lines[k], lines[(k + 1) % count]);
    if (!closed)
        orientOpenEnds(lines);
}

// Where a line enters: the previous line's exit, or for the first line of an open contour the
// shape end the cut leaves from.
static DPOINT startPointOf(const std::vector<TrimmedLine> &lines, size_t k, bool closed)
{
    if (k > 0 || (closed && lines.size() > 1))
        return lines[(k + lines.size() - 1) % lines.size()].endPoint;
    if (closed)
        return lines[k].endPoint;
    const TrimmedLine &line = lines[k];
    if (line.startIndex < line.endIndex)
        return line.shape.front();
    if (line.startIndex > line.endIndex)
        return line.shape.back();
    return distance(line.shape.back(), line.endPoint) < distance(line.shape.front(), line.endPoint)
               ? line.shape.front()
               : line.shape.back();
}

static std::vector<LineEntry> lineEntries(const TrimmedLine &line, const DPOINT &startPoint)
{
    const int count = static_cast<int>(line.shape.size());
    auto shapePoint = [&](int i) {
        return line.shape[static_cast<size_t>(std::clamp(i, 0, count - 1))];
    };
    std::vector<LineEntry> entries{{startPoint}};
    if (line.startIndex <= line.endIndex) {
        for (int i = line.startIndex + 1; i <= line.endIndex; ++i)
            entries.push_back({shapePoint(i)});
    } else {
        for (int i = line.startIndex; i > line.endIndex; --i)
            entries.push_back({shapePoint(i)});
    }
    // The exit where the lines meet wins over a shape point that would swallow it.
    if (entries.size() > 1 && IsNearPoint(line.endPoint.x, line.endPoint.y, entries.back().point.x,
                                          entries.back().point.y, kMergeDistance))
        entries.back().point = line.endPoint;
    else
        entries.push_back({line.endPoint});
    return entries;
}

static void attachBasePoints(std::vector<LineEntry> &entries, const CPolyline &polyline,
                             const IGradeSize *size, bool withSliders, bool attachAtEnds)
{
    CPtrCollection<CBasePoint> candidates;
    polyline.AppendGradePonts(candidates);
    if (withSliders)
        polyline.AppendTopSliderGradePoints(candidates);
    std::vector<DPOINT> points;
    for (const LineEntry &entry : entries)
        points.push_back(entry.point);
    CDRect rect;
    rect.IncludePoints(points);
    for (CBasePoint *candidate : candidates) {
        const DPOINT p = candidate->GetPosition(size);
        if (attachAtEnds && isInGrownRect(rect, kEndAttachDistance, p)) {
            if (distance(p, points.front()) < kEndAttachDistance) {
                entries.front().basePoint = candidate;
                continue;
            }
            if (distance(p, points.back()) < kEndAttachDistance) {
                entries.back().basePoint = candidate;
                continue;
            }
        }
        if (!isInGrownRect(rect, kMergeDistance, p))
            continue;
        const int nearest = findNearestPoint(points, p, kMergeDistance);
        if (nearest >= 0 && entries[static_cast<size_t>(nearest)].basePoint == nullptr)
            entries[static_cast<size_t>(nearest)].basePoint = candidate;
    }
}

static void mergeEntry(ContourData &outline, const LineEntry &entry, int backward,
                       bool attachAtEnds)
{
    if (outline.m_aPoints.empty()) {
        outline.Append(entry.point, entry.basePoint, backward);
        return;
    }
    CBasePoint *&lastBase = outline.m_aBasePoints.back();
    if (entry.basePoint != nullptr && entry.basePoint == lastBase)
        return;
    const DPOINT &last = outline.m_aPoints.back();
    if (IsNearPoint(entry.point.x, entry.point.y, last.x, last.y, kMergeDistance)) {
        if (entry.basePoint == nullptr)
            return;
        if (lastBase == nullptr) {
            lastBase = entry.basePoint;
            outline.m_aBackwardFlags.back() = backward;
            return;
        }
        if (attachAtEnds)
            return;
    }
    outline.Append(entry.point, entry.basePoint, backward);
}

ContourData morvane::buildContourOutline(std::span<const OutlineLine> lines, bool closed,
                                         const IGradeSize *size, bool withSliders,
                                         bool attachAtEnds)
{
    std::vector<TrimmedLine> trimmed = shapeLines(lines, size, withSliders);
    trimLines(trimmed, closed);
    ContourData outline;
    for (size_t k = 0; k < trimmed.size(); ++k) {
        const TrimmedLine &line = trimmed[k];
        std::vector<LineEntry> entries = lineEntries(line, startPointOf(trimmed, k, closed));
        attachBasePoints(entries, *line.line->polyline, size, withSliders, attachAtEnds);
        const int backward = line.line->backward ? 1 : 0;
        for (const LineEntry &entry : entries)
            mergeEntry(outline, entry, backward, attachAtEnds);
    }
    return outline;
}
