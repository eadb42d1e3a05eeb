// Morvane editing commands tests.
// Shape contexts: the angle and distance bins, normalising, the chi-square cost, turns.
#include "app/commands/association/ShapeHistogram.h"

#include "app/commands/association/ShapeContour.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kBinWidth = 2 * kPi / 12;

double sum(const CShapeHistogram &histogram)
{
    double total = 0.0;
    for (int d = 0; d < CShapeHistogram::kDistanceBins; ++d) {
        for (int a = 0; a < histogram.GetAngleBinCount(); ++a)
            total += histogram.GetBin(d, a);
    }
    return total;
}

} // namespace

TEST(ShapeHistogramTest, SamplesNearABoundaryCountInBothNeighbouringBins)
{
    struct Row
    {
        const char *name;
        double angle;
        double distance;
        int ring;
        int bin;
        int neighbour; // the same bin when the sample counts twice there
    };
    const Row rows[] = {
        {"in the middle of a bin", 2.5 * kBinWidth, 1.0, 0, 2, 2},
        {"exactly on a boundary", 3 * kBinWidth, 1.0, 0, 3, 2},
        {"just before a boundary", 3.95 * kBinWidth, 5.0, 1, 3, 4},
        {"at zero, next to the last bin", 0.0, 9.0, 2, 0, 11},
        {"a turn below zero", -0.5 * kBinWidth, 99.0, 2, 11, 11},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CShapeHistogram histogram(12, 9.0);
        histogram.Add(row.angle, row.distance);
        EXPECT_EQ(histogram.GetBin(row.ring, row.bin), row.bin == row.neighbour ? 2.0 : 1.0);
        EXPECT_EQ(histogram.GetBin(row.ring, row.neighbour), row.bin == row.neighbour ? 2.0 : 1.0);
        EXPECT_EQ(sum(histogram), 2.0);
    }
    CShapeHistogram noReference(12, 0.0);
    noReference.Add(1.5 * kBinWidth, 1e9);
    EXPECT_EQ(noReference.GetBin(0, 1), 2.0) << "everything in the first ring";
}

TEST(ShapeHistogramTest, ChiSquareCostOfNormalisedHistograms)
{
    CShapeHistogram a(12, 10.0);
    CShapeHistogram b(12, 10.0);
    a.Add(0.5 * kBinWidth, 1.0);
    b.Add(0.5 * kBinWidth, 1.0);
    b.Add(6.5 * kBinWidth, 1.0);
    a.Normalize();
    b.Normalize();
    EXPECT_DOUBLE_EQ(sum(a), 1.0);
    EXPECT_DOUBLE_EQ(CShapeHistogram::ChiSquareCost(a, a), 0.0);
    // a: 1.0 in bin 0; b: 0.5 in bins 0 and 6.
    EXPECT_DOUBLE_EQ(CShapeHistogram::ChiSquareCost(a, b), 0.5 * (0.25 / 1.5 + 0.25 / 0.5));
    EXPECT_EQ(CShapeHistogram::ChiSquareCost(a, CShapeHistogram(8, 10.0)), 0.0)
        << "different bin counts cost nothing";

    CShapeHistogram empty(12, 10.0);
    empty.Normalize();
    EXPECT_EQ(sum(empty), 0.0);
}

TEST(ShapeContourTest, TurnsAndBisectorsReadTheSameOnEitherOrientation)
{
    const double xs[] = {0, 10, 10, 0};
    const double ys[] = {0, 0, 10, 10};
    const CShapeContour counterClockwise(4, xs, ys, false);
    double bisector = 0.0;
    EXPECT_NEAR(counterClockwise.GetTurnAngle(1, bisector), -kPi / 2, 1e-12);
    EXPECT_NEAR(bisector, 3 * kPi / 4, 1e-12) << "halfway between west and north";
    const CShapeContour reversed(4, xs, ys, true);
    EXPECT_NEAR(reversed.GetTurnAngle(1, bisector), kPi / 2, 1e-12);

    const CShapeContour two(2, xs, ys, false);
    bisector = 5.0;
    EXPECT_EQ(two.GetTurnAngle(0, bisector), 0.0);
    EXPECT_EQ(bisector, 0.0);

    EXPECT_NEAR(counterClockwise.GetDiagonal(), std::hypot(10.0, 10.0), 1e-12);
    EXPECT_NEAR(sum(*counterClockwise.MakeShapeContext(0)), 1.0, 1e-12);
}
