// Morvane AAMA DXF reader.
// What the points and "#" labels of a block make of the vertices of its outline.
#include "sources/aama-reader/OutlineMarks.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace morvane {

OutlineMarks::OutlineMarks(std::span<const CAamaVertex> vertices)
    : m_siteOfVertex(vertices.size(), kNone)
{
    // The vertices on the finite plane in order of position, so that those of one position
    // stand together and share a site.
    std::vector<std::size_t> byPosition;
    byPosition.reserve(vertices.size());
    for (std::size_t v = 0; v < vertices.size(); ++v) {
        if (std::isfinite(vertices[v].m_dX) && std::isfinite(vertices[v].m_dY))
            byPosition.push_back(v);
    }
    std::stable_sort(byPosition.begin(), byPosition.end(), [&](std::size_t a, std::size_t b) {
        return std::pair(vertices[a].m_dX, vertices[a].m_dY) <
               std::pair(vertices[b].m_dX, vertices[b].m_dY);
    });
    for (const std::size_t v : byPosition) {
        const CAamaVertex &vertex = vertices[v];
        if (m_sites.empty() || m_sites.back().x != vertex.m_dX || m_sites.back().y != vertex.m_dY)
            m_sites.push_back(Site{vertex.m_dX, vertex.m_dY, {}, nullptr});
        m_siteOfVertex[v] = m_sites.size() - 1;
    }
    m_index.reserve(m_sites.size());
    for (std::size_t site = 0; site < m_sites.size(); ++site)
        m_index.add(m_sites[site].x, m_sites[site].y, site);
    m_index.build();
}

template <typename Visit> void OutlineMarks::ForEachSiteNear(double x, double y, Visit visit)
{
    m_index.forEachNear(x, y, [&](std::size_t site) { visit(m_sites[site]); });
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
