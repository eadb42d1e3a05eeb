// Morvane model library tests.
// The contour builder: loops and runs found among polylines that meet end to end.
#include "model/ContourBuilder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

/// Stand-ins for polylines: the builder only keeps and returns the pointers.
struct Lines
{
    // Distinct addresses; never dereferenced.
    char storage[8] = {};
    CPolyline *operator[](int i) { return reinterpret_cast<CPolyline *>(&storage[i]); }
};

/// One edge of a cycle or chain as "<line index><+ or ->".
std::string describeEdge(Lines &lines, CPolyline *line, bool backward)
{
    for (int i = 0; i < 8; ++i) {
        if (lines[i] == line)
            return std::to_string(i) + (backward ? "-" : "+");
    }
    return "?";
}

std::vector<std::string> cycle(CContourBuilder &builder, Lines &lines, int i)
{
    std::vector<std::string> edges;
    for (int k = 0; k < builder.GetCycleEdgeCount(i); ++k) {
        bool backward = false;
        CPolyline *line = builder.GetCycleEdge(i, k, backward);
        edges.push_back(describeEdge(lines, line, backward));
    }
    return edges;
}

std::vector<std::string> chain(CContourBuilder &builder, Lines &lines, int i)
{
    std::vector<std::string> edges;
    for (int k = 0; k < builder.GetChainEdgeCount(i); ++k) {
        bool backward = false;
        CPolyline *line = builder.GetChainEdge(i, k, backward);
        edges.push_back(describeEdge(lines, line, backward));
    }
    return edges;
}

using Edges = std::vector<std::string>;

} // namespace

TEST(ContourBuilderTest, EmptyBuilderFindsNothing)
{
    CContourBuilder builder;
    builder.Build();
    EXPECT_EQ(builder.GetCycleCount(), 0);
    EXPECT_EQ(builder.GetChainCount(), 0);
}

TEST(ContourBuilderTest, ThreeLinesMeetingWithinToleranceMakeOneCycleWithDirections)
{
    Lines lines;
    CContourBuilder builder;
    builder.SetTolerance(0.5);
    builder.AddPolylineEdge({0, 0}, {10, 0}, lines[0]);
    builder.AddPolylineEdge({5, 8}, {10.3, 0.2}, lines[1]);
    builder.AddPolylineEdge({5, 8.4}, {0.1, -0.1}, lines[2]);
    builder.Build();
    ASSERT_EQ(builder.GetCycleCount(), 1);
    EXPECT_EQ(builder.GetChainCount(), 0);
    EXPECT_EQ(builder.GetCycleEdgeCount(0), 3);
    // Walked from the leftmost node, first along the edge least turned counter-clockwise from
    // the left.
    EXPECT_EQ(cycle(builder, lines, 0), (Edges{"0+", "1-", "2+"}));
}

TEST(ContourBuilderTest, OpenRunBecomesOneChainFromItsLowerEnd)
{
    Lines lines;
    CContourBuilder builder;
    builder.AddPolylineEdge({0, 0}, {10, 0}, lines[0]);
    builder.AddPolylineEdge({20, 5}, {10, 0}, lines[1]);
    builder.Build();
    EXPECT_EQ(builder.GetCycleCount(), 0);
    ASSERT_EQ(builder.GetChainCount(), 1);
    EXPECT_EQ(builder.GetChainEdgeCount(0), 2);
    EXPECT_EQ(chain(builder, lines, 0), (Edges{"0+", "1-"}));
}

TEST(ContourBuilderTest, TailHangingOffALoopIsPeeledFirst)
{
    Lines lines;
    CContourBuilder builder;
    builder.AddPolylineEdge({0, 0}, {10, 0}, lines[0]);
    builder.AddPolylineEdge({10, 0}, {10, 10}, lines[1]);
    builder.AddPolylineEdge({10, 10}, {0, 0}, lines[2]);
    builder.AddPolylineEdge({20, 0}, {10, 0}, lines[3]);
    builder.Build();
    ASSERT_EQ(builder.GetChainCount(), 1);
    EXPECT_EQ(chain(builder, lines, 0), (Edges{"3+"}));
    ASSERT_EQ(builder.GetCycleCount(), 1);
    EXPECT_EQ(builder.GetCycleEdgeCount(0), 3);
}

TEST(ContourBuilderTest, RefusesSecondEdgeBetweenTheSameNodesAndEdgesToItself)
{
    Lines lines;
    CContourBuilder builder;
    builder.SetTolerance(0.5);
    EXPECT_EQ(builder.AddPolylineEdge({0, 0}, {10, 0}, lines[0]), 0);
    EXPECT_EQ(builder.AddPolylineEdge({10, 0}, {0, 0}, lines[1]), 0);
    EXPECT_EQ(builder.AddPolylineEdge({3, 3}, {3.2, 3.2}, lines[2]), -1);
    EXPECT_EQ(builder.FindEdge(1, 0), 0);
    EXPECT_EQ(builder.FindEdge(0, 2), -1);
    builder.Build();
    ASSERT_EQ(builder.GetChainCount(), 1);
    EXPECT_EQ(chain(builder, lines, 0), (Edges{"0+"}));
    EXPECT_EQ(builder.GetCycleCount(), 0);
}

TEST(ContourBuilderTest, FindsNodesWithinToleranceIncludingItsEdge)
{
    CContourBuilder builder;
    EXPECT_EQ(builder.FindOrAddNode({0, 0}, 0.5), 0);
    EXPECT_EQ(builder.FindOrAddNode({0.3, 0.4}, 0.5), 0);
    EXPECT_EQ(builder.FindOrAddNode({0.3, 0.41}, 0.5), 1);
}

TEST(ContourBuilderTest, TwoDisjointLoopsComeLeftmostFirst)
{
    Lines lines;
    CContourBuilder builder;
    builder.AddPolylineEdge({100, 0}, {110, 0}, lines[0]);
    builder.AddPolylineEdge({110, 0}, {105, 10}, lines[1]);
    builder.AddPolylineEdge({105, 10}, {100, 0}, lines[2]);
    builder.AddPolylineEdge({0, 0}, {10, 0}, lines[3]);
    builder.AddPolylineEdge({10, 0}, {5, 10}, lines[4]);
    builder.AddPolylineEdge({5, 10}, {0, 0}, lines[5]);
    builder.Build();
    ASSERT_EQ(builder.GetCycleCount(), 2);
    EXPECT_EQ(cycle(builder, lines, 0), (Edges{"3+", "4+", "5+"}));
    EXPECT_EQ(cycle(builder, lines, 1), (Edges{"0+", "1+", "2+"}));
    EXPECT_EQ(builder.GetChainCount(), 0);
}

TEST(ContourBuilderTest, LoopsSharingANodeAreFoundOneAfterTheOther)
{
    Lines lines;
    CContourBuilder builder;
    // A figure eight: two triangles meeting at (10, 0).
    builder.AddPolylineEdge({0, 0}, {10, 0}, lines[0]);
    builder.AddPolylineEdge({10, 0}, {5, 5}, lines[1]);
    builder.AddPolylineEdge({5, 5}, {0, 0}, lines[2]);
    builder.AddPolylineEdge({10, 0}, {20, 0}, lines[3]);
    builder.AddPolylineEdge({20, 0}, {15, 5}, lines[4]);
    builder.AddPolylineEdge({15, 5}, {10, 0}, lines[5]);
    builder.Build();
    ASSERT_EQ(builder.GetCycleCount(), 2);
    EXPECT_EQ(builder.GetCycleEdgeCount(0), 3);
    EXPECT_EQ(builder.GetCycleEdgeCount(1), 3);
    EXPECT_EQ(builder.GetChainCount(), 0);
}

TEST(ContourBuilderTest, BuildCanRunAgainOnTheUnchangedGraph)
{
    Lines lines;
    CContourBuilder builder;
    builder.AddPolylineEdge({0, 0}, {10, 0}, lines[0]);
    builder.Build();
    builder.Build();
    EXPECT_EQ(builder.GetChainCount(), 1);
}
