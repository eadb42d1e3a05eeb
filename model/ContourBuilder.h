// Morvane model library.
// Finds the closed loops and open runs that a pattern's polylines form end to end.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"
#include "foundation/SegmentGraph.h"

#include <cstdint>
#include <vector>

class CPolyline;

/// A graph of line ends: each polyline added is an edge between the nodes at its two end
/// points (ends within the join tolerance share a node; at most one edge joins two nodes, and
/// none joins a node to itself). Build then peels off the open runs (chains) and walks the
/// closed loops (cycles), for the pattern to make one contour of each. Short-lived: made,
/// filled, built and read by the pattern.
class CContourBuilder
{
public:
    CContourBuilder() = default;
    CContourBuilder(const CContourBuilder &) = delete;
    CContourBuilder &operator=(const CContourBuilder &) = delete;

    /// The join tolerance; 0.001 until set.
    void SetTolerance(double tolerance) { m_dTolerance = tolerance; }
    /// Adds the edge of a polyline (not owned) between the nodes at its end points; returns the
    /// edge index (an earlier edge between the same two nodes, whose polyline is kept), or -1
    /// when both ends fall on one node.
    int AddPolylineEdge(DPOINT start, DPOINT end, CPolyline *polyline);
    /// The first node at most tolerance from the point, else a new node there; its index.
    int FindOrAddNode(DPOINT point, double tolerance);
    /// A new edge from node a to node b; -1 when a equals b, the existing edge's index when one
    /// already joins them (either way round).
    int AddEdge(int a, int b, CPolyline *polyline);
    /// The first edge joining a and b either way round; -1 when none.
    int FindEdge(int a, int b) const;

    /// Finds the chains and cycles anew, on copies of the graph (which stays as it is): chains
    /// are peeled from nodes with one edge left, walked from the lowest such node; then,
    /// repeatedly, the outer cycle through the leftmost node is walked and removed (each step
    /// takes the edge turning least counter-clockwise from the way back), chains are peeled
    /// again, until neither finds anything.
    void Build();

    int GetCycleCount() const { return static_cast<int>(m_aCycles.size()); }
    /// The number of edges of cycle i (as many as its nodes).
    int GetCycleEdgeCount(int i) const;
    /// The polyline of edge k of cycle i (from node k to node k + 1, the last edge back to node
    /// 0); backward is set when the polyline runs the other way. Null, backward unchanged, when
    /// no edge joins the nodes.
    CPolyline *GetCycleEdge(int i, int k, bool &backward) const;
    int GetChainCount() const { return static_cast<int>(m_aChains.size()); }
    /// The number of edges of chain i (one less than its nodes).
    int GetChainEdgeCount(int i) const;
    /// As GetCycleEdge, for chain i.
    CPolyline *GetChainEdge(int i, int k, bool &backward) const;

private:
    using NodeList = std::vector<uint32_t>;

    CPolyline *GetListEdge(const NodeList &nodes, int k, bool &backward) const;

    COwningCollection<CGraphNode> m_oNodes;
    COwningCollection<CGraphEdge> m_oEdges;
    /// The polylines the edges stand for; an edge's value is an index here.
    std::vector<CPolyline *> m_aPolylines;
    std::vector<NodeList> m_aCycles;
    std::vector<NodeList> m_aChains;
    double m_dTolerance = 0.001;
};
