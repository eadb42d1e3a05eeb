// Morvane foundation library.
// Node and edge records of the small undirected graph that joins polylines into contours.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/IndexArray.h"

#include <cstdint>

/// A node of the segment graph: one distinct end point, with the indexes (into the builder's
/// edge array) of the edges that meet there, in the order they were added.
class CGraphNode
{
public:
    CGraphNode(double x, double y) : m_oPosition(x, y) {}
    virtual ~CGraphNode() = default;
    CGraphNode(const CGraphNode &) = default;
    CGraphNode &operator=(const CGraphNode &) = default;

    CDPoint GetPosition() const { return m_oPosition; }

    /// Appends an edge index; duplicates are not checked.
    void AddEdge(uint32_t edgeIndex);
    /// The position of edgeIndex in the edge list (first match), -1 when absent.
    int FindEdge(uint32_t edgeIndex) const;
    /// Removes the first occurrence of edgeIndex; an index not in the list changes nothing.
    void RemoveEdge(uint32_t edgeIndex);
    int GetEdgeCount() const;
    /// True exactly when the node has one edge, whose index is then stored in edgeIndex (a free
    /// end of an open run); otherwise false with edgeIndex untouched.
    bool GetSingleEdge(uint32_t &edgeIndex) const;

private:
    CDPoint m_oPosition;
    CIndexArray m_aEdges;
};

/// An edge of the segment graph between two nodes (indexes into the builder's node array),
/// with a value chosen by the builder: the index of the polyline the edge stands for.
class CGraphEdge
{
public:
    CGraphEdge(uint32_t firstNode, uint32_t secondNode, uint32_t value)
        : m_nFirstNode(firstNode), m_nSecondNode(secondNode), m_nValue(value)
    {}
    virtual ~CGraphEdge() = default;
    CGraphEdge(const CGraphEdge &) = default;
    CGraphEdge &operator=(const CGraphEdge &) = default;

    /// The second node when node is the first node, otherwise the first node (also for a node
    /// that is neither end).
    uint32_t GetOtherNode(uint32_t node) const;

    uint32_t GetFirstNode() const { return m_nFirstNode; }
    uint32_t GetSecondNode() const { return m_nSecondNode; }
    uint32_t GetValue() const { return m_nValue; }

private:
    uint32_t m_nFirstNode;
    uint32_t m_nSecondNode;
    uint32_t m_nValue;
};
