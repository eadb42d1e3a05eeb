// Nerrith point-correspondence library tests.
// Outlines: vertices, closing, flags, lengths, points along them, turns and areas.
#include "platform/nerrith/PolyCompute.h"

#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace {

const std::vector<DPOINT> kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}};

} // namespace

TEST(PolyComputeTest, ClosedAndOpenOutlinesMeasureTheirLength)
{
    CPolyCompute closed;
    closed.Create(4, kSquare.data(), nullptr);
    EXPECT_TRUE(closed.IsClosed());
    EXPECT_EQ(closed.GetPointsCount(), 4);
    EXPECT_DOUBLE_EQ(closed.GetPerimeter(), 40.0);
    EXPECT_DOUBLE_EQ(closed.GetSignedArea(), 100.0);

    CPolyCompute open;
    open.CreateOpen(4, kSquare.data(), nullptr);
    EXPECT_FALSE(open.IsClosed());
    EXPECT_DOUBLE_EQ(open.GetPerimeter(), 30.0);
    EXPECT_DOUBLE_EQ(open.GetSignedArea(), 0.0);

    // The closing vertex of a closed outline is dropped; coordinates may come apart.
    const double xs[] = {0, 10, 10, 0, 0};
    const double ys[] = {0, 0, 10, 10, 0};
    const unsigned long flags[] = {1, 0, 3, 0, 1};
    CPolyCompute repeated;
    repeated.Create(5, xs, ys, flags);
    EXPECT_EQ(repeated.GetPointsCount(), 4);
    EXPECT_DOUBLE_EQ(repeated.GetPerimeter(), 40.0);
    EXPECT_EQ(repeated.GetFlags(2), 3ul);
}

TEST(PolyComputeTest, PointsAlongTheOutlineWrapWhenClosedAndStopWhenOpen)
{
    CPolyCompute closed;
    closed.Create(4, kSquare.data(), nullptr);
    CPolyCompute open;
    open.CreateOpen(4, kSquare.data(), nullptr);
    struct Row
    {
        double arc;
        DPOINT onClosed;
        DPOINT onOpen;
    };
    const Row rows[] = {
        {0, {0, 0}, {0, 0}},   {15, {10, 5}, {10, 5}}, {35, {0, 5}, {0, 10}},
        {45, {5, 0}, {0, 10}}, {-5, {0, 5}, {0, 0}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.arc);
        EXPECT_NEAR(closed.GetPointAt(row.arc).x, row.onClosed.x, 1e-12);
        EXPECT_NEAR(closed.GetPointAt(row.arc).y, row.onClosed.y, 1e-12);
        EXPECT_NEAR(open.GetPointAt(row.arc).x, row.onOpen.x, 1e-12);
        EXPECT_NEAR(open.GetPointAt(row.arc).y, row.onOpen.y, 1e-12);
    }
}

TEST(PolyComputeTest, TurnsAndDirectionsAtTheVertices)
{
    CPolyCompute closed;
    closed.Create(4, kSquare.data(), nullptr);
    const double quarter = std::numbers::pi / 2;
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(closed.GetTurnAngle(i), quarter, 1e-12);
    EXPECT_NEAR(closed.GetTangentAngle(1), quarter / 2, 1e-12);

    CPolyCompute open;
    open.CreateOpen(4, kSquare.data(), nullptr);
    EXPECT_EQ(open.GetTurnAngle(0), 0.0) << "the ends of an open outline do not turn";
    EXPECT_EQ(open.GetTurnAngle(3), 0.0);
    EXPECT_NEAR(open.GetTangentAngle(0), 0.0, 1e-12);
    EXPECT_NEAR(open.GetTangentAngle(3), std::numbers::pi, 1e-12);
}

TEST(PolyComputeTest, DegenerateOutlinesAreSafe)
{
    CPolyCompute empty;
    empty.Create(0, static_cast<const DPOINT *>(nullptr), nullptr);
    EXPECT_EQ(empty.GetPointsCount(), 0);
    EXPECT_EQ(empty.GetPerimeter(), 0.0);
    EXPECT_EQ(empty.GetPointAt(3).x, 0.0);

    const DPOINT same[] = {{2, 3}, {2, 3}, {2, 3}};
    CPolyCompute point;
    point.Create(3, same, nullptr);
    EXPECT_EQ(point.GetPerimeter(), 0.0);
    EXPECT_EQ(point.GetTurnAngle(1), 0.0);
    EXPECT_EQ(point.GetPointAt(7).y, 3.0);

    point.SetAssociated(1);
    point.SetAssociated(-1);
    point.SetAssociated(9);
    EXPECT_TRUE(point.IsAssociated(1));
    EXPECT_FALSE(point.IsAssociated(0));
}
