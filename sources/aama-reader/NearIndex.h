// Morvane AAMA DXF reader.
// The nearness rule of the format and a search for positions near a given one.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace morvane {

/// The distance below which two coordinates count as equal.
inline constexpr double kAamaNearDistance = 0.001;

/// Two positions are near each other when both |dx| and |dy| are below 0.001 (strictly).
/// A position with a NaN coordinate is near nothing.
inline bool isNear(double x1, double y1, double x2, double y2)
{
    return std::fabs(x1 - x2) < kAamaNearDistance && std::fabs(y1 - y2) < kAamaNearDistance;
}

/// A notch this close to a line of its piece (the outline, a sew line, an internal line) lies on
/// it: files round their coordinates, and put notches on the true curve rather than on the
/// polyline drawn for it.
inline constexpr double kAamaOnLineDistance = 0.05;

/// The point of a segment nearest to a position: how far along the segment it lies (0 at its
/// start, 1 at its end) and its distance from the position.
struct SegmentPlace
{
    double fraction = 0.0;
    double distance = 0.0;
};

/// The point of the segment from (ax, ay) to (bx, by) nearest to (x, y); the start for a segment
/// of no length.
inline SegmentPlace nearestOnSegment(double ax, double ay, double bx, double by, double x,
                                     double y)
{
    const double dx = bx - ax;
    const double dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0.0;
    if (lengthSquared > 0.0)
        t = std::clamp(((x - ax) * dx + (y - ay) * dy) / lengthSquared, 0.0, 1.0);
    return {t, std::hypot(x - (ax + t * dx), y - (ay + t * dy))};
}

/// The plane cut into square cells of sixteen times a distance, hashed into a power-of-two
/// number of buckets: everything within that distance of a position (in x and in y) lies in one
/// of the (one to four) buckets that nearBuckets() gives for it.
class NearGrid
{
public:
    /// A grid of at least count buckets, for the near distance or another one.
    explicit NearGrid(std::size_t count = 0, double distance = kAamaNearDistance);

    std::size_t bucketCount() const { return m_mask + 1; }
    /// The bucket of the cell that holds (x, y); both must be finite.
    std::size_t bucketOf(double x, double y) const { return bucketOfCell(cellOf(x), cellOf(y)); }

    /// Calls visit(bucket) once for each bucket that may hold a position near (x, y); nothing
    /// for a position off the finite plane.
    template <typename Visit> void nearBuckets(double x, double y, Visit visit) const
    {
        if (!std::isfinite(x) || !std::isfinite(y))
            return;
        // A margin of one more distance on each side covers the rounding of the differences.
        const std::int64_t firstX = cellOf(x - 2 * m_distance);
        const std::int64_t lastX = cellOf(x + 2 * m_distance);
        const std::int64_t firstY = cellOf(y - 2 * m_distance);
        const std::int64_t lastY = cellOf(y + 2 * m_distance);
        if (firstX == lastX && firstY == lastY) {
            visit(bucketOfCell(firstX, firstY));
            return;
        }
        std::size_t visited[9];
        std::size_t visitedCount = 0;
        for (std::int64_t cx = firstX; cx <= lastX; ++cx) {
            for (std::int64_t cy = firstY; cy <= lastY; ++cy) {
                const std::size_t bucket = bucketOfCell(cx, cy);
                bool seen = false;
                for (std::size_t i = 0; i < visitedCount; ++i)
                    seen = seen || visited[i] == bucket;
                if (seen)
                    continue;
                if (visitedCount < std::size(visited))
                    visited[visitedCount++] = bucket;
                visit(bucket);
            }
        }
    }

private:
    // Cells beyond this number, on either side, are one: far from any pattern.
    static constexpr double kLastCell = 0x1p40;

    std::int64_t cellOf(double coordinate) const
    {
        const double scaled = coordinate * m_cellsPerUnit;
        const double cell = std::min(std::max(scaled, -kLastCell), kLastCell);
        // The floor: truncation, one less for a negative fraction.
        const auto truncated = static_cast<std::int64_t>(cell);
        return cell < static_cast<double>(truncated) ? truncated - 1 : truncated;
    }

    std::size_t bucketOfCell(std::int64_t cx, std::int64_t cy) const
    {
        const auto hash = static_cast<std::uint64_t>(cx) * 0x9E3779B97F4A7C15u ^
                          static_cast<std::uint64_t>(cy) * 0xC2B2AE3D27D4EB4Fu;
        return static_cast<std::size_t>(hash ^ (hash >> 29)) & m_mask;
    }

    std::size_t m_mask = 0;
    double m_distance;
    // Cells much wider than a search, so that most searches stay within one cell per axis.
    double m_cellsPerUnit;
};

/// Positions, each with a caller's id, searched for those near a given position in time that
/// grows with the number of positions close to it, not with the number of all positions. Add
/// all positions, then call build() once before searching.
class NearIndex
{
public:
    /// An index for positions near each other (isNear()), or within another distance in x and
    /// in y.
    explicit NearIndex(double distance = kAamaNearDistance)
        : m_distance(distance)
    {
    }

    void reserve(std::size_t count) { m_added.reserve(count); }
    void add(double x, double y, std::size_t id);
    void build();

    /// Calls visit(id) for every position near (x, y) (or within the index's distance), once
    /// each, in no particular order.
    template <typename Visit> void forEachNear(double x, double y, Visit visit) const
    {
        if (m_entries.empty())
            return;
        m_grid.nearBuckets(x, y, [&](std::size_t bucket) {
            for (std::size_t i = m_bucketStart[bucket]; i < m_bucketStart[bucket + 1]; ++i) {
                if (std::fabs(m_entries[i].x - x) < m_distance &&
                    std::fabs(m_entries[i].y - y) < m_distance)
                    visit(m_entries[i].id);
            }
        });
    }

private:
    struct Entry
    {
        double x;
        double y;
        std::size_t id;
    };
    /// Positions in order of addition, until build().
    std::vector<Entry> m_added;
    std::vector<Entry> m_entries;
    /// Where the entries of each bucket start in m_entries, and the end after the last.
    std::vector<std::size_t> m_bucketStart;
    double m_distance;
    NearGrid m_grid;
};

} // namespace morvane
