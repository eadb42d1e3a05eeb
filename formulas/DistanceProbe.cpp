// Morvane formula library.
// A probe that measures, per size, how far along a ray from a point a pattern's outline lies.
#include "formulas/DistanceProbe.h"

#include "formulas/MeasureSize.h"
#include "foundation/DLine.h"
#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/Pattern.h"

#include <cmath>

using namespace morvane;

namespace {

/// A crossing that lies on a segment end within this distance belongs to that end's point.
constexpr double kEndTolerance = 0.01;
/// A quarter turn, as the probe's second line is turned from its ray.
constexpr double kQuarterTurn = 1.5707963267949;

/// The ray as the two lines the probe tests against.
struct Ray
{
    Ray(DPOINT origin, double angle)
    {
        line.SetFromPointAngle(origin.x, origin.y, angle);
        across.SetFromPointAngle(origin.x, origin.y, angle + kQuarterTurn);
    }

    double valueOn(const CDLine &l, DPOINT p) const { return l.a * p.x + l.b * p.y + l.c; }

    /// Where the segment u-v meets the ray's line; false when it does not.
    bool meet(DPOINT u, DPOINT v, DPOINT &at) const
    {
        const int sideU = line.GetSide(u.x, u.y);
        const int sideV = line.GetSide(v.x, v.y);
        if (sideU == 2) {
            at = u;
        } else if (sideV == 2) {
            at = v;
        } else if (sideU != sideV) {
            const double fu = valueOn(line, u);
            const double t = fu / (fu - valueOn(line, v));
            at = {u.x + t * (v.x - u.x), u.y + t * (v.y - u.y)};
        } else {
            return false;
        }
        // Behind the origin is not on the ray.
        return across.GetSide(at.x, at.y) != 1;
    }

    CDLine line;
    CDLine across;
};

} // namespace

CDistanceProbe::CDistanceProbe(IProbeSource &source, bool fromOrigin)
    : m_source(source)
    , m_bFromOrigin(fromOrigin)
{
}

CDistanceProbe::Scan CDistanceProbe::ScanPattern(const CPattern &pattern, const IGradeSize *size,
                                                 DPOINT origin)
{
    const Ray ray(origin, m_source.GetProbeAngle());
    CPtrCollection<CContour> contours;
    pattern.AppendContours(contours, true);
    pattern.AppendContours(contours, false);
    Scan scan;
    for (const CContour *contour : contours) {
        Crossing candidate;
        contour->GetOutContour(&candidate.outline, &candidate.basePoints, nullptr, size, false,
                               false, false);
        candidate.closed = contour->IsClosed();
        for (size_t k = 0; k + 1 < candidate.outline.size(); ++k) {
            if (!ray.meet(candidate.outline[k], candidate.outline[k + 1], candidate.at) ||
                !m_source.AcceptsCrossing(candidate.at))
                continue;
            candidate.distance = GetDPointDistance(origin, candidate.at);
            candidate.segment = static_cast<int>(k);
            if (!scan.found || candidate.distance < scan.nearest.distance)
                scan.nearest = candidate;
            if (!scan.found || candidate.distance > scan.farthest.distance)
                scan.farthest = candidate;
            scan.found = true;
        }
    }
    return scan;
}

static bool isGradePoint(const CBasePoint *point)
{
    return point != nullptr && point->GetGradeType() == GRADE_POINT_GRADE;
}

// The grade points on either side of the crossing's segment: the segment end it lies on when
// that end is a grade point, else the nearest grade point each way along the outline.
void CDistanceProbe::AddCrossingPoints(const Crossing &crossing)
{
    const int count = static_cast<int>(crossing.outline.size());
    for (const int end : {crossing.segment, crossing.segment + 1}) {
        CBasePoint *point = crossing.basePoints.GetAt(end);
        if (isGradePoint(point) &&
            GetDPointDistance(crossing.at, crossing.outline[static_cast<size_t>(end)]) <=
                kEndTolerance) {
            m_oCrossingPoints.Add(point);
            return;
        }
    }
    for (const int step : {-1, 1}) {
        int position = step < 0 ? crossing.segment : crossing.segment + 1;
        for (int walked = 0; walked < count; ++walked) {
            if (isGradePoint(crossing.basePoints.GetAt(position))) {
                m_oCrossingPoints.Add(crossing.basePoints.GetAt(position));
                break;
            }
            position += step;
            if (position < 0 || position >= count) {
                if (!crossing.closed)
                    break;
                position = (position + count) % count;
            }
        }
    }
}

void CDistanceProbe::ComputeBase()
{
    m_bBaseDone = true;
    CPtrCollection<CPattern> patterns;
    m_source.GetProbePatterns(patterns);
    const DPOINT origin = m_source.GetProbeOrigin(nullptr);
    Scan kept;
    for (const CPattern *pattern : patterns) {
        if (pattern == nullptr)
            continue;
        Scan scan = ScanPattern(*pattern, nullptr, origin);
        if (!scan.found || (kept.found && scan.farthest.distance <= kept.farthest.distance))
            continue;
        kept = std::move(scan);
        m_pPattern = pattern;
    }
    if (!kept.found)
        return;
    if (!m_bFromOrigin)
        AddCrossingPoints(kept.nearest);
    AddCrossingPoints(kept.farthest);
    m_oCache[{}] = {m_bFromOrigin ? 0.0 : kept.nearest.distance, kept.farthest.distance};
}

CDistanceProbe::Distances CDistanceProbe::GetDistances(int table, int size)
{
    if (!m_bBaseDone)
        ComputeBase();
    if (m_pPattern == nullptr)
        return {};
    const MeasureSize asked(table, size);
    const GradeSizeKey key = asked.isBase() ? GradeSizeKey{} : GradeSizeKey{table, size};
    const auto cached = m_oCache.find(key);
    if (cached != m_oCache.end())
        return cached->second;
    const Scan scan = ScanPattern(*m_pPattern, asked.get(), m_source.GetProbeOrigin(asked.get()));
    Distances distances;
    if (scan.found)
        distances = {m_bFromOrigin ? 0.0 : scan.nearest.distance, scan.farthest.distance};
    m_oCache[key] = distances;
    return distances;
}

DPOINT CDistanceProbe::Bound(int table, int size, bool far)
{
    const Distances distances = GetDistances(table, size);
    const double along = far ? distances.farthest : distances.nearest;
    const double angle = m_source.GetProbeAngle();
    const DPOINT origin = m_source.GetProbeOrigin(MeasureSize(table, size).get());
    return {origin.x + along * std::cos(angle), origin.y + along * std::sin(angle)};
}

DPOINT CDistanceProbe::GetFirstBound(int table, int size)
{
    return Bound(table, size, false);
}

DPOINT CDistanceProbe::GetSecondBound(int table, int size)
{
    return Bound(table, size, true);
}

bool CDistanceProbe::IsCrossingPoint(const CBasePoint *point)
{
    if (!m_bBaseDone)
        ComputeBase();
    return point != nullptr && m_oCrossingPoints.Find(point) >= 0;
}

void CDistanceProbe::Reset()
{
    m_bBaseDone = false;
    m_pPattern = nullptr;
    m_oCrossingPoints.RemoveAll();
    m_oCache.clear();
}
