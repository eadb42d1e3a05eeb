// Morvane Hollicot formula parser.
// A run of positions measured by arc length.
#include "platform/hollicot/Polyline.h"

#include "platform/hollicot/VectorMath.h"

#include <algorithm>
#include <limits>

namespace hollicot {

Polyline::Polyline(std::vector<Vec2> vertices, bool closed) : m_vertices(std::move(vertices))
{
    m_arcs.push_back(0);
    const std::size_t segments =
        m_vertices.empty() ? 0 : (closed ? m_vertices.size() : m_vertices.size() - 1);
    for (std::size_t i = 0; i < segments; ++i)
        m_arcs.push_back(m_arcs.back() + hollicot::length(segmentEnd(i) - segmentStart(i)));
}

Vec2 Polyline::pointAt(double arc) const
{
    if (m_vertices.empty())
        return {};
    const auto after = std::upper_bound(m_arcs.begin(), m_arcs.end(), arc);
    if (after == m_arcs.begin())
        return m_vertices.front();
    if (after == m_arcs.end())
        return segmentCount() == 0 ? m_vertices.front() : segmentEnd(segmentCount() - 1);
    const auto i = static_cast<std::size_t>(after - m_arcs.begin() - 1);
    const double span = m_arcs[i + 1] - m_arcs[i];
    const double t = span > 0 ? (arc - m_arcs[i]) / span : 0;
    return segmentStart(i) + t * (segmentEnd(i) - segmentStart(i));
}

double Polyline::nearestArc(Vec2 p) const
{
    double bestDistance = std::numeric_limits<double>::infinity();
    double bestArc = 0;
    for (std::size_t i = 0; i < segmentCount(); ++i) {
        const Vec2 a = segmentStart(i);
        const Vec2 along = segmentEnd(i) - a;
        const double span = dot(along, along);
        const double t = span > 0 ? std::clamp(dot(p - a, along) / span, 0.0, 1.0) : 0.0;
        const double distance = hollicot::length(p - (a + t * along));
        if (distance < bestDistance) {
            bestDistance = distance;
            bestArc = m_arcs[i] + t * (m_arcs[i + 1] - m_arcs[i]);
        }
    }
    return bestArc;
}

} // namespace hollicot
