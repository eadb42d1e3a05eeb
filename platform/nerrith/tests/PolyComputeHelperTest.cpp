// Nerrith point-correspondence library tests.
// Dissimilarity of outlines wherever they lie, ranking of a graded style, and vertex pairing.
#include "platform/nerrith/PolyComputeHelper.h"

#include "GarmentStyle.h"
#include "platform/nerrith/PolyCompute.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

using namespace garment;

namespace {

CPolyCompute closedOutline(const std::vector<DPOINT> &points, unsigned long flag = 0)
{
    const std::vector<unsigned long> flags(points.size(), flag);
    CPolyCompute outline;
    outline.Create(static_cast<int>(points.size()), points.data(), flags.data());
    return outline;
}

CPolyCompute openOutline(const std::vector<DPOINT> &points)
{
    CPolyCompute outline;
    outline.CreateOpen(static_cast<int>(points.size()), points.data(), nullptr);
    return outline;
}

std::vector<DPOINT> fromTheEnd(const std::vector<DPOINT> &curve)
{
    return {curve.rbegin(), curve.rend()};
}

double optimalValue(const std::vector<DPOINT> &mask, const std::vector<DPOINT> &input)
{
    CPolyCompute maskOutline = closedOutline(mask);
    CPolyCompute inputOutline = closedOutline(input);
    CPolyComputeHelper helper(&maskOutline, &inputOutline);
    helper.FindOptimumPosition();
    return helper.GetOptimalValue();
}

/// A piece as another size of the style shows it: graded, turned, moved, started elsewhere.
std::vector<DPOINT> asAnotherSize(const std::vector<DPOINT> &outline, int steps, int variant)
{
    return startedAt(placed(graded(outline, steps), 37.0 * variant - 60.0, 900.0 * variant,
                            -400.0 + 150.0 * variant),
                     3 * variant + 1);
}

} // namespace

TEST(PolyComputeHelperTest, CongruentOutlinesDoNotDifferWhereverTheyLie)
{
    const std::vector<DPOINT> front = makeStyle().front().outline;
    struct Row
    {
        const char *name;
        std::vector<DPOINT> input;
    };
    const Row rows[] = {
        {"the same", front},
        {"moved and turned", placed(front, 123.0, -500.0, 2000.0)},
        {"started at another vertex", startedAt(front, 7)},
        {"walked the other way round", reversed(placed(front, -80.0, 10.0, 10.0))},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_LT(optimalValue(front, row.input), 1e-3);
    }
}

TEST(PolyComputeHelperTest, EveryPieceIsNearestToItsOwnOtherSizes)
{
    const std::vector<Piece> style = makeStyle();
    for (int steps : {-1, 1, 2, 3}) {
        for (size_t row = 0; row < style.size(); ++row) {
            SCOPED_TRACE(style[row].name + " against " + std::to_string(steps) + " sizes away");
            double own = 0.0;
            double nearestOther = 1e300;
            std::string nearestName;
            for (size_t column = 0; column < style.size(); ++column) {
                const double cost =
                    optimalValue(style[row].outline, asAnotherSize(style[column].outline, steps,
                                                                   static_cast<int>(column)));
                if (column == row) {
                    own = cost;
                } else if (cost < nearestOther) {
                    nearestOther = cost;
                    nearestName = style[column].name;
                }
            }
            EXPECT_LT(own, 0.15) << "within the default shape error";
            EXPECT_LT(own, nearestOther) << "nearer than " << nearestName;
        }
    }
}

TEST(PolyComputeHelperTest, AnyTwoPiecesDifferMoreThanAnyPieceFromItsNeighbourSizes)
{
    const std::vector<Piece> style = makeStyle();
    double largestOwn = 0.0;
    for (size_t i = 0; i < style.size(); ++i) {
        for (int steps : {-2, -1, 1, 2})
            largestOwn =
                std::max(largestOwn,
                         optimalValue(style[i].outline,
                                      asAnotherSize(style[i].outline, steps, static_cast<int>(i))));
    }
    for (size_t a = 0; a < style.size(); ++a) {
        for (size_t b = a + 1; b < style.size(); ++b) {
            SCOPED_TRACE(style[a].name + " and " + style[b].name);
            EXPECT_GT(optimalValue(style[a].outline, style[b].outline), 2.0 * largestOwn);
        }
    }
}

TEST(PolyComputeHelperTest, OutlinesThatCannotBeComparedCostTheMost)
{
    const std::vector<DPOINT> front = makeStyle().front().outline;
    const std::vector<DPOINT> dot{{5, 5}};
    const std::vector<DPOINT> samePlace{{5, 5}, {5, 5}, {5, 5}};
    EXPECT_EQ(optimalValue(front, dot), 1e10);
    EXPECT_EQ(optimalValue(samePlace, front), 1e10);
    EXPECT_EQ(optimalValue({}, {}), 1e10);

    // Two points make a closed outline of no area that still compares.
    const std::vector<DPOINT> stroke{{0, 0}, {10, 0}};
    EXPECT_LT(optimalValue(stroke, placed(stroke, 90, 3, 3)), 1e-6);
}

TEST(PolyComputeHelperTest, CurveDistanceComparesOpenCurvesEitherWayRound)
{
    std::vector<DPOINT> armhole;
    for (int i = 0; i <= 12; ++i) {
        const double t = i / 12.0;
        armhole.push_back({100 * t, 60 * t * t});
    }
    std::vector<DPOINT> straight{{0, 0}, {100, 60}};
    CPolyCompute mask = openOutline(armhole);
    struct Row
    {
        const char *name;
        std::vector<DPOINT> input;
        bool alike;
    };
    const Row rows[] = {
        {"moved and turned", placed(armhole, 200, 40, -40), true},
        {"walked from its end", fromTheEnd(placed(armhole, 10, 0, 0)), true},
        {"a straight line", straight, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CPolyCompute input = openOutline(row.input);
        const CPolyComputeHelper helper(&mask, &input);
        EXPECT_EQ(helper.GetCurveDistance() < 0.01, row.alike) << helper.GetCurveDistance();
    }
}

TEST(PolyComputeHelperTest, EveryVertexFindsItsOwnPointOnAnotherSize)
{
    for (const Piece &piece : makeStyle()) {
        SCOPED_TRACE(piece.name);
        const int count = static_cast<int>(piece.outline.size());
        const int start = 5;
        CPolyCompute mask = closedOutline(piece.outline, CPolyCompute::kPointFlag);
        CPolyCompute input =
            closedOutline(startedAt(placed(graded(piece.outline, 2), 150, 300, 300), start),
                          CPolyCompute::kPointFlag);
        CPolyComputeHelper helper(&mask, &input);
        helper.FindOptimumPosition();
        for (int k = 0; k < count; ++k) {
            double value = -1.0;
            const int partner = helper.FindCorrespondingPoint(k, -1, -1, 0, 0, value);
            EXPECT_EQ(partner, ((k - start) % count + count) % count) << "vertex " << k;
            EXPECT_GE(value, 0.0);
        }
    }
}

TEST(PolyComputeHelperTest, PartnersRespectTheRangeTheFlagsAndTheTolerances)
{
    const std::vector<DPOINT> pocket = makeStyle()[5].outline; // five corners
    CPolyCompute mask = closedOutline(pocket, CPolyCompute::kPointFlag);
    std::vector<unsigned long> flags(pocket.size(), CPolyCompute::kPointFlag);
    flags[2] |= CPolyCompute::kTakenFlag;
    flags[4] = 0;
    const std::vector<DPOINT> other = placed(graded(pocket, 1), 45, 0, 0);
    CPolyCompute input;
    input.Create(static_cast<int>(other.size()), other.data(), flags.data());
    CPolyComputeHelper helper(&mask, &input);
    helper.FindOptimumPosition();
    double value = 0.0;
    EXPECT_EQ(helper.FindCorrespondingPoint(1, -1, -1, 0, 0, value), 1);
    EXPECT_EQ(helper.FindCorrespondingPoint(1, -1, -1, 2, 3, value), -1)
        << "its own vertex lies outside the range, the others too far";
    EXPECT_EQ(helper.FindCorrespondingPoint(2, -1, -1, 0, 0, value), -1) << "taken";
    EXPECT_EQ(helper.FindCorrespondingPoint(4, -1, -1, 0, 0, value), -1) << "no point";
    input.SetAssociated(3);
    EXPECT_EQ(helper.FindCorrespondingPoint(3, -1, -1, 0, 0, value), -1) << "associated";
    EXPECT_EQ(helper.FindCorrespondingPoint(9, -1, -1, 0, 0, value), -1) << "no such vertex";

    // Measured from a linked pair, the shift is local; with no tolerance nothing qualifies.
    EXPECT_EQ(helper.FindCorrespondingPoint(0, 1, 1, 0, 0, value), 0);
    helper.SetMaxCornerAngleError(0.0);
    EXPECT_EQ(helper.FindCorrespondingPoint(0, -1, -1, 0, 0, value), -1);
}
