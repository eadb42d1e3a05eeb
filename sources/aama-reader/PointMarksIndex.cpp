// Morvane AAMA DXF reader.
// A search for what the points near a position make of it, in time that does not grow with how
// many points share one position.
#include "sources/aama-reader/PointMarksIndex.h"

#include "sources/aama-reader/NearIndex.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace morvane {

namespace {

// Of two places in file order, the later one; either may be none (the largest value).
std::size_t later(std::size_t a, std::size_t b)
{
    constexpr std::size_t none = static_cast<std::size_t>(-1);
    if (a == none)
        return b;
    if (b == none)
        return a;
    return std::max(a, b);
}

} // namespace

void PointMarksIndex::Deciding::Add(const Deciding &other)
{
    for (std::size_t kind = 0; kind < kKindCount; ++kind)
        latestOfKind[kind] = later(latestOfKind[kind], other.latestOfKind[kind]);
    latest = later(latest, other.latest);
    firstRuled = std::min(firstRuled, other.firstRuled);
}

void PointMarksIndex::Deciding::AddPoint(std::size_t place, std::size_t kind, bool ruled)
{
    if (kind != kNone)
        latestOfKind[kind] = later(latestOfKind[kind], place);
    latest = later(latest, place);
    if (ruled)
        firstRuled = std::min(firstRuled, place);
}

PointMarksIndex::PointMarksIndex(std::span<const CAamaPoint *const> points)
    : m_points(points)
    , m_grid(2 * points.size())
{
    // The points by bucket, in file order within each (a counting sort): first the count of
    // each bucket, then where each bucket ends, filled from its end.
    m_bucketStart.assign(m_grid.bucketCount() + 1, 0);
    std::vector<std::size_t> bucketOfPoint(points.size(), kNone);
    for (std::size_t place = 0; place < points.size(); ++place) {
        const CAamaPoint &point = *points[place];
        // A point off the finite plane is near nothing.
        if (!std::isfinite(point.m_dX) || !std::isfinite(point.m_dY))
            continue;
        bucketOfPoint[place] = m_grid.bucketOf(point.m_dX, point.m_dY);
        ++m_bucketStart[bucketOfPoint[place]];
    }
    for (std::size_t bucket = 1; bucket < m_bucketStart.size(); ++bucket)
        m_bucketStart[bucket] += m_bucketStart[bucket - 1];
    std::vector<std::size_t> byBucket(m_bucketStart.back());
    for (std::size_t place = points.size(); place-- > 0;) {
        if (bucketOfPoint[place] != kNone)
            byBucket[--m_bucketStart[bucketOfPoint[place]]] = place;
    }

    // The points of one position become one site; a bucket's sites stand together.
    m_sites.reserve(byBucket.size());
    for (std::size_t bucket = 0; bucket + 1 < m_bucketStart.size(); ++bucket) {
        const std::size_t firstSite = m_sites.size();
        for (std::size_t i = m_bucketStart[bucket]; i < m_bucketStart[bucket + 1]; ++i) {
            const std::size_t place = byBucket[i];
            const CAamaPoint &point = *points[place];
            auto site = std::find_if(m_sites.begin() + std::ptrdiff_t(firstSite), m_sites.end(),
                                     [&](const Site &s) {
                                         return s.x == point.m_dX && s.y == point.m_dY;
                                     });
            if (site == m_sites.end())
                site = m_sites.insert(m_sites.end(), Site{point.m_dX, point.m_dY, {}, {}});
            const int ruleNumber = point.RuleNumber();
            site->deciding.AddPoint(place, KindOf(point.m_nLayer), ruleNumber >= 0);
            AamaPointMarks &marks = site->marks;
            if (marks.ruleNumber < 0)
                marks.ruleNumber = ruleNumber;
            marks.pointFlags = point.ApplyKind(marks.pointFlags, marks.notchVector);
        }
        m_bucketStart[bucket] = firstSite;
    }
    m_bucketStart.back() = m_sites.size();
}

AamaPointMarks PointMarksIndex::MarksAt(double x, double y) const
{
    if (m_sites.empty())
        return {};
    // Nearly always a single site is near; what several decide together is merged.
    const Site *found = nullptr;
    std::optional<Deciding> merged;
    m_grid.nearBuckets(x, y, [&](std::size_t bucket) {
        for (std::size_t i = m_bucketStart[bucket]; i < m_bucketStart[bucket + 1]; ++i) {
            const Site &site = m_sites[i];
            if (!isNear(site.x, site.y, x, y))
                continue;
            if (!found) {
                found = &site;
                continue;
            }
            if (!merged)
                merged = found->deciding;
            merged->Add(site.deciding);
        }
    });
    if (merged)
        return MarksOf(*merged);
    return found ? found->marks : AamaPointMarks();
}

AamaPointMarks PointMarksIndex::MarksOf(const Deciding &deciding) const
{
    // Every kind sets or clears a fixed set of flag bits and keeps the others, so each bit ends
    // as the latest point that touches it leaves it: applying the latest point of each kind, in
    // file order, gives the flags that all the points give. The notch vector is the latest
    // notch's.
    AamaPointMarks marks;
    std::array<std::size_t, kKindCount> latest = deciding.latestOfKind;
    std::sort(latest.begin(), latest.end());
    for (const std::size_t place : latest) {
        if (place == kNone)
            break;
        marks.pointFlags = m_points[place]->ApplyKind(marks.pointFlags, marks.notchVector);
    }
    // Each point in turn sets the rule number until one of 0 or more is set.
    const std::size_t ruled = deciding.firstRuled != kNone ? deciding.firstRuled : deciding.latest;
    if (ruled != kNone)
        marks.ruleNumber = m_points[ruled]->RuleNumber();
    return marks;
}

std::size_t PointMarksIndex::KindOf(int layer)
{
    switch (layer) {
    case kAamaTurnPointLayer:
        return 0;
    case kAamaCurvePointLayer:
        return 1;
    case kAamaNotchLayer:
        return 2;
    case kAamaStripeLayer:
        return 3;
    case kAamaPlaidLayer:
        return 4;
    case kAamaDrillHoleLayer:
        return 5;
    default:
        return kNone;
    }
}

} // namespace morvane
