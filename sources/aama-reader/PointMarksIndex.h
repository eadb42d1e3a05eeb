// Morvane AAMA DXF reader.
// A search for what the points near a position make of it, in time that does not grow with how
// many points share one position.
#pragma once

#include "sources/aama-reader/AamaEntities.h"

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

/// The points that belong to an outline, searched for the marks they give a position. Only the
/// latest point of each kind, the latest point and the first point with a rule number of 0 or
/// more decide the marks, so the index keeps just those for each box of a two-dimensional
/// tree: a search costs about the square root of the number of points at worst, however many
/// of them lie on the position, and the index takes memory in proportion to the number of
/// points.
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
    };

    /// One point: its position, its place in file order, its kind (kNone for a point that
    /// keeps the flags) and whether it has a rule number of 0 or more.
    struct Entry
    {
        double x;
        double y;
        std::size_t place;
        std::size_t kind;
        bool ruled;
    };

    /// A box of the tree over the entries [begin, end). An inner node's first child follows it
    /// in the node list; a leaf has no second child.
    struct Node
    {
        double minX = 0.0;
        double maxX = 0.0;
        double minY = 0.0;
        double maxY = 0.0;
        Deciding deciding;
        std::size_t begin = 0;
        std::size_t end = 0;
        std::size_t second = kNone;
    };

    /// The slot of a point's layer among the kinds; kNone for a layer that keeps the flags.
    static std::size_t KindOf(int layer);
    static void AddEntry(const Entry &entry, Deciding &into);

    std::size_t Build(std::size_t begin, std::size_t end);
    void Collect(std::size_t node, double x, double y, Deciding &into) const;

    std::span<const CAamaPoint *const> m_points;
    std::vector<Entry> m_entries;
    std::vector<Node> m_nodes;
};

} // namespace morvane
