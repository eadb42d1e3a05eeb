// Morvane model library.
// Finds the closed loops and open runs that a pattern's polylines form end to end.
#include "model/ContourBuilder.h"

#include "foundation/Geometry.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <memory>

using namespace morvane;

namespace {

/// The first turn of a cycle walk is measured from a point this far left of the start node.
constexpr double kReferenceOffset = 10.0;

/// The copy of the graph that Build takes apart: node positions, each node's edges in the order
/// they were added, and each edge's two nodes.
class WorkingGraph
{
public:
    WorkingGraph(const COwningCollection<CGraphNode> &nodes,
                 const COwningCollection<CGraphEdge> &edges);

    /// Peels every chain off the graph into chains; whether there was any.
    bool peelChains(std::vector<std::vector<uint32_t>> &chains);
    /// Walks and removes the outer cycle through the leftmost node into cycles; false when no
    /// node has edges left.
    bool extractOuterCycle(std::vector<std::vector<uint32_t>> &cycles);

private:
    uint32_t otherNode(uint32_t edge, uint32_t node) const;
    void removeEdge(uint32_t edge);
    int findSingleEdgeNode() const;
    int findLeftmostNode() const;
    int chooseEdge(uint32_t node, const CDPoint &reference, int arrivedBy) const;

    std::vector<CDPoint> m_positions;
    std::vector<std::vector<uint32_t>> m_nodeEdges;
    std::vector<std::pair<uint32_t, uint32_t>> m_edgeNodes;
};

WorkingGraph::WorkingGraph(const COwningCollection<CGraphNode> &nodes,
                           const COwningCollection<CGraphEdge> &edges)
    : m_nodeEdges(static_cast<size_t>(nodes.GetCount()))
{
    for (const CGraphNode *node : nodes)
        m_positions.push_back(node->GetPosition());
    // A node's edges were added in edge order, so its list is the edges that touch it.
    for (uint32_t e = 0; e < static_cast<uint32_t>(edges.GetCount()); ++e) {
        const CGraphEdge *edge = edges.GetAt(static_cast<int>(e));
        m_edgeNodes.emplace_back(edge->GetFirstNode(), edge->GetSecondNode());
        m_nodeEdges[edge->GetFirstNode()].push_back(e);
        m_nodeEdges[edge->GetSecondNode()].push_back(e);
    }
}

uint32_t WorkingGraph::otherNode(uint32_t edge, uint32_t node) const
{
    const auto &[first, second] = m_edgeNodes[edge];
    return node == first ? second : first;
}

void WorkingGraph::removeEdge(uint32_t edge)
{
    for (uint32_t node : {m_edgeNodes[edge].first, m_edgeNodes[edge].second}) {
        auto &list = m_nodeEdges[node];
        const auto found = std::find(list.begin(), list.end(), edge);
        if (found != list.end())
            list.erase(found);
    }
}

int WorkingGraph::findSingleEdgeNode() const
{
    for (size_t n = 0; n < m_nodeEdges.size(); ++n) {
        if (m_nodeEdges[n].size() == 1)
            return static_cast<int>(n);
    }
    return -1;
}

int WorkingGraph::findLeftmostNode() const
{
    int leftmost = -1;
    for (size_t n = 0; n < m_nodeEdges.size(); ++n) {
        if (m_nodeEdges[n].empty())
            continue;
        if (leftmost < 0 || m_positions[n].x < m_positions[static_cast<size_t>(leftmost)].x)
            leftmost = static_cast<int>(n);
    }
    return leftmost;
}

// The edge of node, other than the one the walk arrived by, whose far node lies at the smallest
// counter-clockwise angle from the direction to reference; the earlier one on equal angles.
int WorkingGraph::chooseEdge(uint32_t node, const CDPoint &reference, int arrivedBy) const
{
    const CDPoint &here = m_positions[node];
    const double referenceAngle = std::atan2(reference.y - here.y, reference.x - here.x);
    int best = -1;
    double bestAngle = 0.0;
    for (uint32_t edge : m_nodeEdges[node]) {
        if (static_cast<int>(edge) == arrivedBy)
            continue;
        const CDPoint &there = m_positions[otherNode(edge, node)];
        double angle = std::atan2(there.y - here.y, there.x - here.x) - referenceAngle;
        while (angle < 0.0)
            angle += kWrapTwoPi;
        if (best < 0 || angle < bestAngle) {
            best = static_cast<int>(edge);
            bestAngle = angle;
        }
    }
    return best;
}

bool WorkingGraph::peelChains(std::vector<std::vector<uint32_t>> &chains)
{
    bool found = false;
    for (int start = findSingleEdgeNode(); start >= 0; start = findSingleEdgeNode()) {
        std::vector<uint32_t> chain{static_cast<uint32_t>(start)};
        uint32_t node = static_cast<uint32_t>(start);
        while (m_nodeEdges[node].size() == 1) {
            const uint32_t edge = m_nodeEdges[node].front();
            node = otherNode(edge, node);
            chain.push_back(node);
            removeEdge(edge);
        }
        chains.push_back(std::move(chain));
        found = true;
    }
    return found;
}

bool WorkingGraph::extractOuterCycle(std::vector<std::vector<uint32_t>> &cycles)
{
    const int start = findLeftmostNode();
    if (start < 0)
        return false;
    std::vector<uint32_t> nodes;
    std::vector<uint32_t> edges;
    uint32_t node = static_cast<uint32_t>(start);
    CDPoint reference(m_positions[node].x - kReferenceOffset, m_positions[node].y);
    int arrivedBy = -1;
    for (;;) {
        const int edge = chooseEdge(node, reference, arrivedBy);
        if (edge < 0)
            return false; // a dead end: chains are peeled first, so none is reached
        nodes.push_back(node);
        edges.push_back(static_cast<uint32_t>(edge));
        reference = m_positions[node];
        arrivedBy = edge;
        node = otherNode(static_cast<uint32_t>(edge), node);
        const auto seen = std::find(nodes.begin(), nodes.end(), node);
        if (seen == nodes.end())
            continue;
        const auto first = seen - nodes.begin();
        for (auto e = edges.begin() + first; e != edges.end(); ++e)
            removeEdge(*e);
        cycles.emplace_back(seen, nodes.end());
        return true;
    }
}

} // namespace

int CContourBuilder::AddPolylineEdge(DPOINT start, DPOINT end, CPolyline *polyline)
{
    const int a = FindOrAddNode(start, m_dTolerance);
    const int b = FindOrAddNode(end, m_dTolerance);
    return AddEdge(a, b, polyline);
}

int CContourBuilder::FindOrAddNode(DPOINT point, double tolerance)
{
    for (int i = 0; i < m_oNodes.GetCount(); ++i) {
        const CDPoint position = m_oNodes.GetAt(i)->GetPosition();
        if (std::hypot(position.x - point.x, position.y - point.y) <= tolerance)
            return i;
    }
    return m_oNodes.AddOwned(std::make_unique<CGraphNode>(point.x, point.y));
}

int CContourBuilder::AddEdge(int a, int b, CPolyline *polyline)
{
    if (a == b)
        return -1;
    const int existing = FindEdge(a, b);
    if (existing >= 0)
        return existing;
    const auto value = static_cast<uint32_t>(m_aPolylines.size());
    m_aPolylines.push_back(polyline);
    const int index = m_oEdges.AddOwned(
        std::make_unique<CGraphEdge>(static_cast<uint32_t>(a), static_cast<uint32_t>(b), value));
    m_oNodes.GetAt(a)->AddEdge(static_cast<uint32_t>(index));
    m_oNodes.GetAt(b)->AddEdge(static_cast<uint32_t>(index));
    return index;
}

int CContourBuilder::FindEdge(int a, int b) const
{
    for (int i = 0; i < m_oEdges.GetCount(); ++i) {
        const CGraphEdge *edge = m_oEdges.GetAt(i);
        const auto first = static_cast<int>(edge->GetFirstNode());
        const auto second = static_cast<int>(edge->GetSecondNode());
        if ((first == a && second == b) || (first == b && second == a))
            return i;
    }
    return -1;
}

void CContourBuilder::Build()
{
    m_aCycles.clear();
    m_aChains.clear();
    WorkingGraph graph(m_oNodes, m_oEdges);
    graph.peelChains(m_aChains);
    for (;;) {
        const bool cycleFound = graph.extractOuterCycle(m_aCycles);
        if (graph.peelChains(m_aChains))
            continue;
        if (!cycleFound)
            return;
    }
}

int CContourBuilder::GetCycleEdgeCount(int i) const
{
    return static_cast<int>(m_aCycles[static_cast<size_t>(i)].size());
}

CPolyline *CContourBuilder::GetCycleEdge(int i, int k, bool &backward) const
{
    return GetListEdge(m_aCycles[static_cast<size_t>(i)], k, backward);
}

int CContourBuilder::GetChainEdgeCount(int i) const
{
    return static_cast<int>(m_aChains[static_cast<size_t>(i)].size()) - 1;
}

CPolyline *CContourBuilder::GetChainEdge(int i, int k, bool &backward) const
{
    return GetListEdge(m_aChains[static_cast<size_t>(i)], k, backward);
}

CPolyline *CContourBuilder::GetListEdge(const NodeList &nodes, int k, bool &backward) const
{
    assert(k >= 0 && static_cast<size_t>(k) < nodes.size() && "edge index out of range");
    const uint32_t from = nodes[static_cast<size_t>(k)];
    const uint32_t to = nodes[(static_cast<size_t>(k) + 1) % nodes.size()];
    const int index = FindEdge(static_cast<int>(from), static_cast<int>(to));
    if (index < 0)
        return nullptr;
    const CGraphEdge *edge = m_oEdges.GetAt(index);
    backward = edge->GetFirstNode() == to;
    return m_aPolylines[edge->GetValue()];
}
