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

TEST(ContourBuilderTest, FindsTheLoopsAndRunsAmongTheLines)
{
    constexpr double kDefaultTolerance = 0.001;
    struct Edge
    {
        DPOINT from;
        DPOINT to;
    };
    struct Row
    {
        const char *name;
        double tolerance;
        std::vector<Edge> edges; // edge i is line i
        std::vector<Edges> cycles;
        std::vector<Edges> chains;
    };
    const Row rows[] = {
        // Walked from the leftmost node, first along the edge least turned counter-clockwise
        // from the left.
        {"three lines meeting within the tolerance make one loop with directions",
         0.5,
         {{{0, 0}, {10, 0}}, {{5, 8}, {10.3, 0.2}}, {{5, 8.4}, {0.1, -0.1}}},
         {{"0+", "1-", "2+"}},
         {}},
        {"an open run is one chain from its lower end",
         kDefaultTolerance,
         {{{0, 0}, {10, 0}}, {{20, 5}, {10, 0}}},
         {},
         {{"0+", "1-"}}},
        {"a tail hanging off a loop is peeled first",
         kDefaultTolerance,
         {{{0, 0}, {10, 0}}, {{10, 0}, {10, 10}}, {{10, 10}, {0, 0}}, {{20, 0}, {10, 0}}},
         {{"0+", "1+", "2+"}},
         {{"3+"}}},
        {"two disjoint loops come leftmost first",
         kDefaultTolerance,
         {{{100, 0}, {110, 0}},
          {{110, 0}, {105, 10}},
          {{105, 10}, {100, 0}},
          {{0, 0}, {10, 0}},
          {{10, 0}, {5, 10}},
          {{5, 10}, {0, 0}}},
         {{"3+", "4+", "5+"}, {"0+", "1+", "2+"}},
         {}},
        {"loops sharing a node (a figure eight) come one after the other",
         kDefaultTolerance,
         {{{0, 0}, {10, 0}},
          {{10, 0}, {5, 5}},
          {{5, 5}, {0, 0}},
          {{10, 0}, {20, 0}},
          {{20, 0}, {15, 5}},
          {{15, 5}, {10, 0}}},
         {{"3+", "4+", "5+"}, {"0+", "1+", "2+"}},
         {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Lines lines;
        CContourBuilder builder;
        builder.SetTolerance(row.tolerance);
        for (size_t i = 0; i < row.edges.size(); ++i)
            builder.AddPolylineEdge(row.edges[i].from, row.edges[i].to,
                                    lines[static_cast<int>(i)]);
        builder.Build();
        std::vector<Edges> cycles;
        for (int i = 0; i < builder.GetCycleCount(); ++i)
            cycles.push_back(cycle(builder, lines, i));
        std::vector<Edges> chains;
        for (int i = 0; i < builder.GetChainCount(); ++i)
            chains.push_back(chain(builder, lines, i));
        EXPECT_EQ(cycles, row.cycles);
        EXPECT_EQ(chains, row.chains);
    }
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

TEST(ContourBuilderTest, BuildCanRunAgainOnTheUnchangedGraph)
{
    Lines lines;
    CContourBuilder builder;
    builder.AddPolylineEdge({0, 0}, {10, 0}, lines[0]);
    builder.Build();
    builder.Build();
    EXPECT_EQ(builder.GetChainCount(), 1);
}
