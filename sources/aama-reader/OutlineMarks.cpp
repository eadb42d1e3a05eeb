// Morvane AAMA DXF reader.
// What the points and "#" labels of a block make of the vertices of its outline.
#include "sources/aama-reader/OutlineMarks.h"

#include <algorithm>
#include <cmath>

namespace morvane {

OutlineMarks::OutlineMarks(std::span<const CAamaVertex> vertices)
    : m_siteOfVertex(vertices.size(), kNone)
    , m_grid(2 * vertices.size())
{
    // The vertices by bucket, in order within each (a counting sort): first the count of each
    // bucket, then where each bucket ends, filled from its end.
    m_bucketStart.assign(m_grid.bucketCount() + 1, 0);
    std::vector<std::size_t> bucketOfVertex(vertices.size(), kNone);
    for (std::size_t v = 0; v < vertices.size(); ++v) {
        if (!std::isfinite(vertices[v].m_dX) || !std::isfinite(vertices[v].m_dY))
            continue;
        bucketOfVertex[v] = m_grid.bucketOf(vertices[v].m_dX, vertices[v].m_dY);
        ++m_bucketStart[bucketOfVertex[v]];
    }
    for (std::size_t bucket = 1; bucket < m_bucketStart.size(); ++bucket)
        m_bucketStart[bucket] += m_bucketStart[bucket - 1];
    std::vector<std::size_t> byBucket(m_bucketStart.back());
    for (std::size_t v = vertices.size(); v-- > 0;) {
        if (bucketOfVertex[v] != kNone)
            byBucket[--m_bucketStart[bucketOfVertex[v]]] = v;
    }

    // The vertices of one position share a site; a bucket's sites stand together.
    m_sites.reserve(byBucket.size());
    for (std::size_t bucket = 0; bucket + 1 < m_bucketStart.size(); ++bucket) {
        const std::size_t firstSite = m_sites.size();
        for (std::size_t i = m_bucketStart[bucket]; i < m_bucketStart[bucket + 1]; ++i) {
            const CAamaVertex &vertex = vertices[byBucket[i]];
            const auto first = m_sites.begin() + std::ptrdiff_t(firstSite);
            auto site = std::find_if(first, m_sites.end(), [&](const Site &s) {
                return s.x == vertex.m_dX && s.y == vertex.m_dY;
            });
            if (site == m_sites.end())
                site = m_sites.insert(m_sites.end(), Site{vertex.m_dX, vertex.m_dY, {}, nullptr});
            m_siteOfVertex[byBucket[i]] = std::size_t(site - m_sites.begin());
        }
        m_bucketStart[bucket] = firstSite;
    }
    m_bucketStart.back() = m_sites.size();
}

template <typename Visit> void OutlineMarks::ForEachSiteNear(double x, double y, Visit visit)
{
    if (m_sites.empty())
        return;
    m_grid.nearBuckets(x, y, [&](std::size_t bucket) {
        for (std::size_t i = m_bucketStart[bucket]; i < m_bucketStart[bucket + 1]; ++i) {
            if (isNear(m_sites[i].x, m_sites[i].y, x, y))
                visit(m_sites[i]);
        }
    });
}

void OutlineMarks::AddPoint(const CAamaPoint &point)
{
    const int ruleNumber = point.RuleNumber();
    ForEachSiteNear(point.m_dX, point.m_dY, [&](Site &site) {
        // Each point in turn sets the rule number until one of 0 or more is set.
        if (site.marks.ruleNumber < 0)
            site.marks.ruleNumber = ruleNumber;
        site.marks.pointFlags = point.ApplyKind(site.marks.pointFlags, site.marks.notchVector);
    });
}

void OutlineMarks::AddLabel(const CAamaText &label)
{
    ForEachSiteNear(label.m_dX, label.m_dY, [&](Site &site) { site.label = &label; });
}

std::vector<AamaPointMarks> OutlineMarks::VertexMarks() const
{
    std::vector<AamaPointMarks> marks(m_siteOfVertex.size());
    for (std::size_t v = 0; v < marks.size(); ++v) {
        if (m_siteOfVertex[v] == kNone)
            continue;
        const Site &site = m_sites[m_siteOfVertex[v]];
        marks[v] = site.marks;
        if (marks[v].ruleNumber < 0 && site.label)
            marks[v].ruleNumber = aamaRuleNumber(site.label->m_sText);
    }
    return marks;
}

} // namespace morvane
