// Morvane AAMA DXF reader.
// What the points and "#" labels of a block make of the vertices of its outline, in time that
// does not grow with how many points or vertices share one position.
#pragma once

#include "sources/aama-reader/AamaEntities.h"
#include "sources/aama-reader/NearIndex.h"

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

/// The marks of each vertex of an outline. The vertices of one position share a site, and the
/// sites are indexed by position once; then each point and label of the block, in file order,
/// is folded into the sites near it. Reading a block costs the
/// number of distinct vertex positions near each point and label, however many points or
/// vertices lie on each.
class OutlineMarks
{
public:
    /// The vertices must outlive the marks.
    explicit OutlineMarks(std::span<const CAamaVertex> vertices);

    /// Folds a point into the marks of the vertices near it. Call in file order, once the
    /// point's rule label is final.
    void AddPoint(const CAamaPoint &point);
    /// Notes a "#" label at the vertices near it. Call in file order.
    void AddLabel(const CAamaText &label);

    /// The marks of each vertex, in the order given: those of the points near it, with the rule
    /// number of the last label noted near it when the points give none of 0 or more.
    std::vector<AamaPointMarks> VertexMarks() const;

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    /// One position that vertices lie on, with what the points and labels near it give.
    struct Site
    {
        double x;
        double y;
        AamaPointMarks marks;
        const CAamaText *label = nullptr;
    };

    template <typename Visit> void ForEachSiteNear(double x, double y, Visit visit);

    /// The site of each vertex; kNone for one off the finite plane, which is near nothing.
    std::vector<std::size_t> m_siteOfVertex;
    std::vector<Site> m_sites;
    /// The sites by position, with their index in m_sites.
    NearIndex m_index;
};

} // namespace morvane
