// Morvane Hollicot formula parser.
// A run of positions measured by arc length: outlines and paths.
#pragma once

#include "platform/hollicot/GradeParse.h"

#include <vector>

namespace hollicot {

/// Positions joined in order; a closed polyline also joins the last to the first.
class Polyline
{
public:
    Polyline(std::vector<Vec2> vertices, bool closed);

    double length() const { return m_arcs.back(); }
    /// The arc length from the first vertex to vertex i.
    double arcAt(std::size_t i) const { return m_arcs[i]; }
    /// The point at arc length arc, clamped to the ends.
    Vec2 pointAt(double arc) const;
    /// The arc length of the point of the polyline nearest to p.
    double nearestArc(Vec2 p) const;

private:
    std::size_t segmentCount() const { return m_arcs.size() - 1; }
    Vec2 segmentStart(std::size_t i) const { return m_vertices[i]; }
    Vec2 segmentEnd(std::size_t i) const { return m_vertices[(i + 1) % m_vertices.size()]; }

    std::vector<Vec2> m_vertices;
    std::vector<double> m_arcs; ///< per segment end, starting with 0
};

} // namespace hollicot
