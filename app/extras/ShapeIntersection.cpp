// Morvane program foundation extras.
// Where two curves meet, also where they would meet if prolonged at their ends.
#include "app/extras/ShapeIntersection.h"

#include "foundation/Geometry.h"
#include "foundation/SegmentShape.h"

#include <optional>
#include <vector>

namespace {

using Points = std::vector<DPOINT>;

constexpr double kMeetTolerance = 0.001;

// A meeting point and the length along each curve up to it.
struct Meeting
{
    DPOINT point;
    double firstLength = 0.0;
    double secondLength = 0.0;
};

// Where a segment meets a polyline first, walking the polyline from its start.
struct ListMeeting
{
    DPOINT point;
    double length = 0.0;
};

// A polyline's end segment prolonged: from the end point to the point beyond it.
struct Extension
{
    DPOINT end;
    DPOINT extended;
    bool atStart = false;
};

std::optional<ListMeeting> meetSegmentWithList(const DPOINT &a, const DPOINT &b,
                                               const Points &list)
{
    double length = 0.0;
    for (size_t i = 0; i + 1 < list.size(); ++i) {
        double x = 0.0;
        double y = 0.0;
        if (IntersectSegments(a, b, list[i], list[i + 1], x, y, kMeetTolerance)) {
            const DPOINT point{x, y};
            return ListMeeting{point, length + GetDPointDistance(list[i], point)};
        }
        length += GetDPointDistance(list[i], list[i + 1]);
    }
    return std::nullopt;
}

std::optional<Meeting> meetLists(const Points &first, const Points &second)
{
    double firstLength = 0.0;
    for (size_t i = 0; i + 1 < first.size(); ++i) {
        if (const auto found = meetSegmentWithList(first[i], first[i + 1], second)) {
            return Meeting{found->point, firstLength + GetDPointDistance(first[i], found->point),
                           found->length};
        }
        firstLength += GetDPointDistance(first[i], first[i + 1]);
    }
    return std::nullopt;
}

std::optional<Extension> extensionOf(const Points &points, bool atStart, double length)
{
    Extension extension;
    extension.atStart = atStart;
    if (points.size() < 2)
        return std::nullopt;
    ExtendEnd(points, atStart, length, extension.end, extension.extended);
    return extension;
}

// The length along a curve to a point on one of its extensions.
double lengthOnExtension(const Extension &extension, const Points &points, const DPOINT &point)
{
    const double beyond = GetDPointDistance(extension.end, point);
    return extension.atStart ? -beyond : CSegmentShape(points).GetLength() + beyond;
}

std::optional<Meeting> meetExtensionWithList(const Extension &extension, const Points &extended,
                                             const Points &other)
{
    const auto found = meetSegmentWithList(extension.end, extension.extended, other);
    if (!found)
        return std::nullopt;
    return Meeting{found->point, lengthOnExtension(extension, extended, found->point),
                   found->length};
}

std::optional<Meeting> meetExtensions(const Extension &first, const Points &firstPoints,
                                      const Extension &second, const Points &secondPoints)
{
    double x = 0.0;
    double y = 0.0;
    if (!IntersectSegments(first.end, first.extended, second.end, second.extended, x, y,
                           kMeetTolerance)) {
        return std::nullopt;
    }
    const DPOINT point{x, y};
    return Meeting{point, lengthOnExtension(first, firstPoints, point),
                   lengthOnExtension(second, secondPoints, point)};
}

Meeting swapped(const Meeting &meeting)
{
    return {meeting.point, meeting.secondLength, meeting.firstLength};
}

std::optional<Meeting> findMeeting(const Points &first, const Points &second, double length)
{
    if (const auto direct = meetLists(first, second))
        return direct;

    const std::optional<Extension> firstEnds[] = {extensionOf(first, true, length),
                                                  extensionOf(first, false, length)};
    const std::optional<Extension> secondEnds[] = {extensionOf(second, true, length),
                                                   extensionOf(second, false, length)};
    for (const auto &end : firstEnds) {
        if (end) {
            if (const auto found = meetExtensionWithList(*end, first, second))
                return found;
        }
    }
    for (const auto &end : secondEnds) {
        if (end) {
            if (const auto found = meetExtensionWithList(*end, second, first))
                return swapped(*found);
        }
    }
    for (const auto &firstEnd : firstEnds) {
        for (const auto &secondEnd : secondEnds) {
            if (!firstEnd || !secondEnd)
                continue;
            if (const auto found = meetExtensions(*firstEnd, first, *secondEnd, second))
                return found;
        }
    }
    return std::nullopt;
}

double parameterAt(const CSegmentShape &curve, double length)
{
    const double start = curve.GetStartParam();
    return curve.GetEndParam() >= start ? start + length : start - length;
}

} // namespace

CShapeIntersection::CShapeIntersection(const CSegmentShape &first, const CSegmentShape &second,
                                       double extension)
    : m_dExtension(extension)
{
    Points firstPoints;
    Points secondPoints;
    first.CopyPoints(firstPoints);
    second.CopyPoints(secondPoints);

    const std::optional<Meeting> meeting = findMeeting(firstPoints, secondPoints, extension);
    if (meeting) {
        m_bFound = true;
        m_oPoint = meeting->point;
    }
    m_dFirstParameter = parameterAt(first, meeting ? meeting->firstLength : 0.0);
    m_dSecondParameter = parameterAt(second, meeting ? meeting->secondLength : 0.0);
}

DPOINT CShapeIntersection::GetPoint(int) const
{
    return m_oPoint;
}
