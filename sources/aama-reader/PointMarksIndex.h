// Morvane AAMA DXF reader.
// A search for what the points near a position make of it, in time that does not grow with how
// many points share one position.
#pragma once

#include "sources/aama-reader/AamaEntities.h"
#include "sources/aama-reader/NearIndex.h"

#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace morvane {

/// What the points lying on one position make of it, taken in file order: the point flags
/// start at 1 and change with the layer of each point (CAamaPoint::ApplyKind), the rule number
/// is that of the first point with one of 0 or more (else that of the last point; -1 without
/// points), and the notch vector is that of the last notch ((0, 0) without one).
struct AamaPointMarks
{
    int pointFlags = 1;
    int ruleNumber = -1;
    double notchVector[2] = {0.0, 0.0};
};

/// The points of a block, searched for the marks they give a position. Only the latest point of
/// each kind, the latest point and the first point with a rule number of 0 or more decide the
/// marks, so the index keeps just those for each position that points lie on, in a hashed grid:
/// a search costs the number of distinct positions close to it, however many points lie on
/// each, and the index takes memory in proportion to the number of points. Each position keeps
/// its marks, so a search that finds a single position only looks them up.
class PointMarksIndex
{
public:
    /// An index without points.
    PointMarksIndex() = default;
    /// points in file order; they must outlive the index, and their rule labels must be final.
    explicit PointMarksIndex(std::span<const CAamaPoint *const> points);

    /// The marks of the points near (x, y); those of a position without points when none is.
    AamaPointMarks MarksAt(double x, double y) const;

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    /// Turn point, curve point, notch, stripe, plaid and drill hole.
    static constexpr std::size_t kKindCount = 6;

    /// Of a set of points, by their place in file order (kNone for none): the latest of each
    /// kind, the latest of all and the first one with a rule number of 0 or more.
    struct Deciding
    {
        std::array<std::size_t, kKindCount> latestOfKind;
        std::size_t latest = kNone;
        std::size_t firstRuled = kNone;

        Deciding() { latestOfKind.fill(kNone); }
        void Add(const Deciding &other);
        /// Adds the point at place, of kind (kNone for a point that keeps the flags).
        void AddPoint(std::size_t place, std::size_t kind, bool ruled);
    };

    /// One position that points lie on, what they decide and the marks they give, folded in
    /// file order.
    struct Site
    {
        double x;
        double y;
        Deciding deciding;
        AamaPointMarks marks;
    };

    /// The slot of a point's layer among the kinds; kNone for a layer that keeps the flags.
    static std::size_t KindOf(int layer);
    /// The marks that the points of several sites give, from what they decide.
    AamaPointMarks MarksOf(const Deciding &deciding) const;

    std::span<const CAamaPoint *const> m_points;
    NearGrid m_grid;
    /// The sites by bucket, and where those of each bucket start, with the end after the last.
    std::vector<Site> m_sites;
    std::vector<std::size_t> m_bucketStart;
};

} // namespace morvane
