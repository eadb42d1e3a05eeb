// Morvane Dunmere polygon booleans.
// Intersection, union and difference of two outlines, on Boost.Geometry.
#include "platform/dunmere/DunmereHelper.h"

#include "platform/dunmere/Poly.h"

// Without this, Boost.Geometry rounds both outlines to an integer grid spanning their extent,
// so a far corner (an unlimited side of a grade region lies 1e10 away) coarsens every result.
#define BOOST_GEOMETRY_NO_ROBUSTNESS
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/multi_polygon.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace bg = boost::geometry;

namespace {

using Point = bg::model::d2::point_xy<double>;
/// Counter-clockwise (y upwards), without a repeated closing point.
using Polygon = bg::model::polygon<Point, false, false>;
using MultiPolygon = bg::model::multi_polygon<Polygon>;

/// Either the polygon of an outline, or why the outline cannot be used.
struct ReadOutline
{
    Polygon polygon;
    std::string error;
};

} // namespace

static bool samePoint(const Point &p, const Point &q)
{
    return p.x() == q.x() && p.y() == q.y();
}

/// Twice the signed area of the triangle (p, q, r).
static double cross(const Point &p, const Point &q, const Point &r)
{
    return (q.x() - p.x()) * (r.y() - p.y()) - (q.y() - p.y()) * (r.x() - p.x());
}

/// Drops repeated vertices (the closing one too) and vertices where the outline turns back on
/// itself (spikes) or runs straight on: neither changes the enclosed area.
static void dropDegenerateVertices(std::vector<Point> &ring)
{
    bool changed = true;
    while (changed && ring.size() >= 3) {
        changed = false;
        for (size_t i = 0; i < ring.size() && ring.size() >= 3; ++i) {
            const Point &previous = ring[(i + ring.size() - 1) % ring.size()];
            const Point &next = ring[(i + 1) % ring.size()];
            if (samePoint(ring[i], next) || cross(previous, ring[i], next) == 0.0) {
                ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(i));
                changed = true;
            }
        }
    }
    if (ring.size() < 3)
        ring.clear();
}

static ReadOutline readOutline(const IPoly &poly, const char *which)
{
    ReadOutline read;
    std::vector<Point> ring;
    for (int i = 0; i < poly.GetPolyPointCount(); ++i) {
        double x = 0.0;
        double y = 0.0;
        poly.GetPolyPoint(i, x, y);
        if (!std::isfinite(x) || !std::isfinite(y)) {
            read.error = std::string("the ") + which + " outline has a vertex that is not a number";
            return read;
        }
        ring.emplace_back(x, y);
    }
    dropDegenerateVertices(ring);
    read.polygon.outer().assign(ring.begin(), ring.end());
    bg::correct(read.polygon);
    if (ring.empty())
        return read;
    std::string reason;
    if (!bg::is_valid(read.polygon, reason))
        read.error = std::string("the ") + which + " outline cannot be used: " + reason;
    return read;
}

/// The result of the operation, or nothing when the operation code is unknown.
static std::optional<MultiPolygon> apply(unsigned long operation, const Polygon &a,
                                         const Polygon &b)
{
    MultiPolygon result;
    switch (operation) {
    case DUNMERE_INTERSECTION:
        bg::intersection(a, b, result);
        return result;
    case DUNMERE_UNION:
        bg::union_(a, b, result);
        return result;
    case DUNMERE_DIFFERENCE:
        bg::difference(a, b, result);
        return result;
    default:
        return std::nullopt;
    }
}

static const Polygon &largestPart(const MultiPolygon &parts)
{
    const Polygon *largest = &parts.front();
    for (const Polygon &part : parts) {
        if (bg::area(part) > bg::area(*largest))
            largest = &part;
    }
    return *largest;
}

// Reads both outlines and applies the operation; nothing, with the reason kept, on failure.
static std::optional<MultiPolygon> compute(unsigned long operation, const IPoly *a, const IPoly *b,
                                           std::string &error)
{
    const ReadOutline first = readOutline(*a, "first");
    if (!first.error.empty()) {
        error = first.error;
        return std::nullopt;
    }
    const ReadOutline second = readOutline(*b, "second");
    if (!second.error.empty()) {
        error = second.error;
        return std::nullopt;
    }
    try {
        std::optional<MultiPolygon> result = apply(operation, first.polygon, second.polygon);
        if (!result)
            error = "unknown polygon operation " + std::to_string(operation);
        return result;
    } catch (const bg::exception &failure) {
        error = std::string("the polygon operation failed: ") + failure.what();
        return std::nullopt;
    }
}

int CDunmereHelper::Dunmere(unsigned long operation, const IPoly *a, const IPoly *b, IOutPoly *out)
{
    out->ClearPoly();
    m_sLastError.clear();
    const std::optional<MultiPolygon> parts = compute(operation, a, b, m_sLastError);
    if (!parts)
        return DUNMERE_NONE;
    if (parts->empty()) {
        m_sLastError = "the result is empty";
        return DUNMERE_NONE;
    }
    const Polygon &part = largestPart(*parts);
    for (const Point &p : part.outer())
        out->AppendPolyPoint(p.x(), p.y());
    int result = DUNMERE_OUTLINE;
    if (parts->size() > 1)
        result |= DUNMERE_LARGEST_PART;
    if (!part.inners().empty())
        result |= DUNMERE_HOLES_LEFT_OUT;
    return result;
}

bool CDunmereHelper::DunmereArea(unsigned long operation, const IPoly *a, const IPoly *b,
                                 double &area)
{
    area = 0.0;
    m_sLastError.clear();
    const std::optional<MultiPolygon> parts = compute(operation, a, b, m_sLastError);
    if (!parts)
        return false;
    area = bg::area(*parts);
    return true;
}
