// Morvane foundation library tests.
// Nodes and edges of the segment graph.
#include "foundation/SegmentGraph.h"

#include <gtest/gtest.h>

TEST(GraphNodeTest, KeepsItsEdgesInOrder)
{
    CGraphNode node(1.5, -2.0);
    EXPECT_EQ(node.GetPosition().x, 1.5);
    EXPECT_EQ(node.GetPosition().y, -2.0);
    node.AddEdge(4);
    node.AddEdge(7);
    EXPECT_EQ(node.FindEdge(7), 1);
    EXPECT_EQ(node.FindEdge(9), -1);

    uint32_t edge = 99;
    EXPECT_FALSE(node.GetSingleEdge(edge)) << "two edges";
    EXPECT_EQ(edge, 99u);

    const CGraphNode copy(node);
    node.RemoveEdge(4);
    node.RemoveEdge(12);
    EXPECT_EQ(node.GetEdgeCount(), 1);
    EXPECT_TRUE(node.GetSingleEdge(edge));
    EXPECT_EQ(edge, 7u);
    EXPECT_EQ(copy.GetEdgeCount(), 2) << "a copy keeps its own edge list";

    node.RemoveEdge(7);
    edge = 99;
    EXPECT_FALSE(node.GetSingleEdge(edge)) << "no edges";
    EXPECT_EQ(edge, 99u);

    node.AddEdge(3);
    node.AddEdge(3);
    node.RemoveEdge(3);
    EXPECT_EQ(node.GetEdgeCount(), 1) << "only the first occurrence goes";
}

TEST(GraphEdgeTest, GivesTheOtherNode)
{
    const CGraphEdge edge(2, 5, 11);
    const struct {
        uint32_t node;
        uint32_t other;
    } cases[] = {{2, 5}, {5, 2}, {9, 2}};
    for (const auto &row : cases) {
        SCOPED_TRACE(row.node);
        EXPECT_EQ(edge.GetOtherNode(row.node), row.other);
    }
    EXPECT_EQ(CGraphEdge(3, 3, 0).GetOtherNode(3), 3u);
    EXPECT_EQ(edge.GetFirstNode(), 2u);
    EXPECT_EQ(edge.GetSecondNode(), 5u);
    EXPECT_EQ(edge.GetValue(), 11u);
}
