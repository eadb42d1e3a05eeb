// Morvane foundation library.
// Node and edge records of the small undirected graph that joins polylines into contours.
#include "foundation/SegmentGraph.h"

void CGraphNode::AddEdge(uint32_t edgeIndex)
{
    m_aEdges.push_back(edgeIndex);
}

int CGraphNode::FindEdge(uint32_t edgeIndex) const
{
    return m_aEdges.Find(edgeIndex);
}

void CGraphNode::RemoveEdge(uint32_t edgeIndex)
{
    const int position = FindEdge(edgeIndex);
    if (position >= 0)
        m_aEdges.erase(m_aEdges.begin() + position);
}

int CGraphNode::GetEdgeCount() const
{
    return static_cast<int>(m_aEdges.size());
}

bool CGraphNode::GetSingleEdge(uint32_t &edgeIndex) const
{
    if (m_aEdges.size() != 1)
        return false;
    edgeIndex = m_aEdges.front();
    return true;
}

uint32_t CGraphEdge::GetOtherNode(uint32_t node) const
{
    return node == m_nFirstNode ? m_nSecondNode : m_nFirstNode;
}
