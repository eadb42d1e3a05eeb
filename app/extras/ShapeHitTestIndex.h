// Morvane program foundation extras.
// The references of a nearest-shape search placed on a grid, so that a search measures only those
// near its probe, and where a hit stops the search.
#pragma once

#include "app/extras/ShapeRef.h"
#include "foundation/DRect.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

/// Which references of a nearest-shape search may be accepted at a probe, and where a search that
/// holds a hit stops.
///
/// A Position, Polyline or PointSet reference of a fixed shape (IsFixed) is placed on a uniform
/// grid with its bounds widened by its tolerance at the search's scale: it can be accepted only at
/// a probe inside them. Every other reference (corners, guides, nearest points, shapes that may
/// move, tolerances that are not a number or reach across the whole scene) is a candidate at every
/// probe. A reference that is no candidate is never accepted, so a search that visits the
/// candidates in order and stops where stopAfter says finds what a visit of every reference finds.
class ShapeHitTestIndex
{
public:
    /// A deque keeps each reference at its address as more are added.
    using References = std::deque<CShapeRef>;

    /// Indexes the references for searches at the scale. The first build after clear reads the
    /// bounds of every fixed shape; a later one only places them for the new scale.
    void build(const References &refs, double scale);
    /// Forgets the index (for references that changed).
    void clear();
    /// Whether build ran for this scale since the last clear.
    bool isBuiltFor(double scale) const { return m_placed && scale == m_scale; }

    /// Fills out with the numbers of the references that may be accepted at the probe, in
    /// ascending order.
    void findCandidates(const DPOINT &probe, std::vector<uint32_t> &out) const;
    /// Where a search that holds a hit of reference i stops: the number of the first later
    /// reference of a greater group; the reference count when there is none.
    uint32_t stopAfter(uint32_t i) const { return m_stops[i]; }

private:
    // The bounds of a reference's fixed shape, with its tolerance before scaling.
    struct Bounds
    {
        CDRect box;
        uint32_t number;
        int32_t tolerance;
    };
    // A reference's bounds widened by its tolerance at the scale.
    struct Placed
    {
        CDRect box;
        uint32_t number;
    };

    void readShapes(const References &refs);
    void findStops(const std::vector<int32_t> &groups);
    void placeAt(double scale);
    void clearGrid();
    void placeOnGrid(const std::vector<Placed> &placed);
    void chooseCells(const std::vector<Placed> &placed);
    size_t columnOf(double x) const;
    size_t rowOf(double y) const;

    bool m_read = false;
    std::vector<uint32_t> m_stops;
    std::vector<Bounds> m_bounds;
    std::vector<uint32_t> m_unbounded;
    double m_sceneSize = 0.0;

    bool m_placed = false;
    double m_scale = 1.0;
    std::vector<uint32_t> m_everywhere;
    CDRect m_area;
    double m_cellWidth = 1.0;
    double m_cellHeight = 1.0;
    size_t m_columns = 0;
    size_t m_rows = 0;
    // The references of cell (column, row) are m_cellItems[m_cellStarts[k] .. m_cellStarts[k + 1])
    // with k = row * m_columns + column, ascending.
    std::vector<size_t> m_cellStarts;
    std::vector<uint32_t> m_cellItems;
};
