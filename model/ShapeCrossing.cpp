// Morvane model library.
// Where two neighbouring lines of a contour meet, also where they would meet when prolonged.
#include "model/ShapeCrossing.h"

#include "foundation/DRect.h"
#include "foundation/Geometry.h"
#include "foundation/SegmentShape.h"

#include <vector>

using namespace morvane;

namespace {

constexpr double kMeetTolerance = 0.001;
constexpr double kProlongation = 100.0;

/// A segment with its index in its shape.
struct IndexedSegment
{
    DPOINT start;
    DPOINT end;
    int index;
};

} // namespace

static CDRect grownRect(std::span<const DPOINT> points)
{
    CDRect rect;
    rect.IncludePoints(points);
    rect.Inflate(kMeetTolerance, kMeetTolerance, kMeetTolerance, kMeetTolerance);
    return rect;
}

static std::vector<IndexedSegment> segmentsOf(std::span<const DPOINT> points)
{
    std::vector<IndexedSegment> segments;
    for (size_t i = 0; i + 1 < points.size(); ++i)
        segments.push_back({points[i], points[i + 1], static_cast<int>(i)});
    return segments;
}

// The prolongation at one end; none for fewer than two points.
static std::vector<IndexedSegment> prolongationOf(std::span<const DPOINT> points, bool atStart)
{
    if (points.size() < 2)
        return {};
    const DPOINT &endPoint = atStart ? points.front() : points.back();
    const DPOINT &neighbour = atStart ? points[1] : points[points.size() - 2];
    IndexedSegment segment{};
    segment.index =
        ExtendEnd(points, atStart, GetDPointDistance(endPoint, neighbour) + kProlongation,
                  segment.start, segment.end);
    return {segment};
}

// The first pair, second's segments outside and first's inside, that meets.
static bool findMeeting(const std::vector<IndexedSegment> &first,
                        const std::vector<IndexedSegment> &second, ShapeCrossing &crossing)
{
    for (const IndexedSegment &b : second) {
        for (const IndexedSegment &a : first) {
            double x = 0.0;
            double y = 0.0;
            if (IntersectSegments(a.start, a.end, b.start, b.end, x, y, kMeetTolerance)) {
                crossing = {{x, y}, a.index, b.index};
                return true;
            }
        }
    }
    return false;
}

// Step 1: only second's segments near the first shape are tried.
static bool findDirectMeeting(std::span<const DPOINT> first, std::span<const DPOINT> second,
                              ShapeCrossing &crossing)
{
    const CDRect firstRect = grownRect(first);
    if (first.size() < 2 || second.size() < 2 || !firstRect.Intersects(grownRect(second)))
        return false;
    std::vector<IndexedSegment> nearSegments;
    for (const IndexedSegment &segment : segmentsOf(second)) {
        const DPOINT ends[] = {segment.start, segment.end};
        if (grownRect(ends).Intersects(firstRect))
            nearSegments.push_back(segment);
    }
    return findMeeting(segmentsOf(first), nearSegments, crossing);
}

static bool findAnyMeeting(std::span<const DPOINT> first, std::span<const DPOINT> second,
                           ShapeCrossing &crossing)
{
    if (findDirectMeeting(first, second, crossing))
        return true;
    const auto firstSegments = segmentsOf(first);
    const auto secondSegments = segmentsOf(second);
    for (bool atStart : {true, false}) {
        if (findMeeting(firstSegments, prolongationOf(second, atStart), crossing))
            return true;
    }
    for (bool atStart : {true, false}) {
        if (findMeeting(prolongationOf(first, atStart), secondSegments, crossing))
            return true;
    }
    for (bool firstAtStart : {true, false}) {
        for (bool secondAtStart : {true, false}) {
            if (findMeeting(prolongationOf(first, firstAtStart),
                            prolongationOf(second, secondAtStart), crossing))
                return true;
        }
    }
    return false;
}

bool morvane::findShapeCrossing(std::span<const DPOINT> first, std::span<const DPOINT> second,
                                bool reverseSecond, ShapeCrossing &crossing)
{
    if (!reverseSecond)
        return findAnyMeeting(first, second, crossing);
    const std::vector<DPOINT> reversed(second.rbegin(), second.rend());
    ShapeCrossing found;
    if (!findAnyMeeting(first, reversed, found))
        return false;
    // Segment k of the reversed shape is segment n - 2 - k of the shape as given; this maps the
    // prolongations (-1 and n - 1) onto each other too.
    found.secondSegment = static_cast<int>(second.size()) - 2 - found.secondSegment;
    crossing = found;
    return true;
}

namespace {

/// The meeting that trims the least, among those offered so far.
class LeastTrim
{
public:
    LeastTrim(std::span<const DPOINT> exiting, std::span<const DPOINT> entering)
        : m_exiting(exiting)
        , m_entering(entering)
        , m_exitingLengths(lengthsAlong(exiting))
        , m_enteringLengths(lengthsAlong(entering))
    {
    }

    void offer(const IndexedSegment &onExiting, const IndexedSegment &onEntering)
    {
        double x = 0.0;
        double y = 0.0;
        if (!IntersectSegments(onExiting.start, onExiting.end, onEntering.start, onEntering.end,
                               x, y, kMeetTolerance))
            return;
        const DPOINT point{x, y};
        const double trim = trimmedFromEnd(point, onExiting.index) +
                            trimmedFromStart(point, onEntering.index);
        if (m_found && trim >= m_trim)
            return;
        m_found = true;
        m_trim = trim;
        m_best = {point, onExiting.index, onEntering.index};
    }

    bool found() const { return m_found; }
    const ShapeCrossing &best() const { return m_best; }

private:
    // The length from the first point to each point.
    static std::vector<double> lengthsAlong(std::span<const DPOINT> points)
    {
        std::vector<double> lengths{0.0};
        for (size_t i = 1; i < points.size(); ++i)
            lengths.push_back(lengths.back() + GetDPointDistance(points[i - 1], points[i]));
        return lengths;
    }

    // Along `exiting` from its last point back to point on segment i (the prolongation after
    // the last point when i is the last index).
    double trimmedFromEnd(const DPOINT &point, int i) const
    {
        const auto next = static_cast<size_t>(i + 1);
        if (next >= m_exiting.size())
            return GetDPointDistance(point, m_exiting.back());
        return GetDPointDistance(point, m_exiting[next]) + m_exitingLengths.back() -
               m_exitingLengths[next];
    }

    // Along `entering` from its first point to point on segment i (the prolongation before the
    // first point when i is -1).
    double trimmedFromStart(const DPOINT &point, int i) const
    {
        if (i < 0)
            return GetDPointDistance(point, m_entering.front());
        const auto at = static_cast<size_t>(i);
        return m_enteringLengths[at] + GetDPointDistance(m_entering[at], point);
    }

    std::span<const DPOINT> m_exiting;
    std::span<const DPOINT> m_entering;
    std::vector<double> m_exitingLengths;
    std::vector<double> m_enteringLengths;
    bool m_found = false;
    double m_trim = 0.0;
    ShapeCrossing m_best;
};

} // namespace

static void offerAll(LeastTrim &least, const std::vector<IndexedSegment> &onExiting,
                     const std::vector<IndexedSegment> &onEntering)
{
    for (const IndexedSegment &a : onExiting) {
        for (const IndexedSegment &b : onEntering)
            least.offer(a, b);
    }
}

bool morvane::findJointCrossing(std::span<const DPOINT> exiting, std::span<const DPOINT> entering,
                                ShapeCrossing &crossing)
{
    if (exiting.size() < 2 || entering.size() < 2)
        return false;
    LeastTrim least(exiting, entering);
    const auto exitingSegments = segmentsOf(exiting);
    const auto enteringSegments = segmentsOf(entering);
    const auto exitingProlonged = prolongationOf(exiting, false);
    const auto enteringProlonged = prolongationOf(entering, true);
    if (grownRect(exiting).Intersects(grownRect(entering)))
        offerAll(least, exitingSegments, enteringSegments);
    offerAll(least, exitingSegments, enteringProlonged);
    offerAll(least, exitingProlonged, enteringSegments);
    offerAll(least, exitingProlonged, enteringProlonged);
    if (!least.found())
        return false;
    crossing = least.best();
    return true;
}
