// Morvane program foundation extras tests.
// Angle wrapping, the similarity of two moved points, and the corner search of curve shapes.
#include "app/extras/GeometryExtras.h"

#include "foundation/CurveShape.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

using std::numbers::pi;

namespace {

constexpr double kWrapPi = 3.1415926535898;
constexpr double kWrapTwoPi = 6.2831853071796;
constexpr double kWrapHalfPi = 1.5707963267949;
constexpr double kTight = 1e-9;

struct WrapCase
{
    const char *name;
    double angle;
    double expected;
};

void expectPoint(const DPOINT &actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, kTight);
    EXPECT_NEAR(actual.y, y, kTight);
}

} // namespace

TEST(GeometryExtrasTest, NormalizeAngleWrapsIntoHalfOpenTurn)
{
    const WrapCase cases[] = {
        {"pi becomes minus pi", kWrapPi, -kWrapPi},
        {"minus pi stays", -kWrapPi, -kWrapPi},
        {"minus seven", -7.0, -7.0 + kWrapTwoPi},
        {"seven", 7.0, 7.0 - kWrapTwoPi},
        {"inside stays exactly", 0.1, 0.1},
        {"true pi lies below the wrapping pi", pi, pi},
        {"many turns", 1000.0 * kWrapTwoPi + 0.5, 0.5},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(NormalizeAngle(row.angle), row.expected, kTight);
        EXPECT_GE(NormalizeAngle(row.angle), -kWrapPi);
        EXPECT_LT(NormalizeAngle(row.angle), kWrapPi);
    }
    EXPECT_EQ(NormalizeAngle(0.1), 0.1);
    EXPECT_EQ(NormalizeAngle(kWrapPi), -kWrapPi) << "the boundary is exact";
}

TEST(GeometryExtrasTest, NormalizeHalfAngleWrapsByHalfTurns)
{
    const WrapCase cases[] = {
        {"half pi becomes minus half pi", kWrapHalfPi, -kWrapHalfPi},
        {"minus half pi stays", -kWrapHalfPi, -kWrapHalfPi},
        {"three quarter turn", 0.75 * kWrapTwoPi, 0.75 * kWrapTwoPi - 2 * kWrapPi},
        {"minus two", -2.0, -2.0 + kWrapPi},
        {"inside", 0.3, 0.3},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(NormalizeHalfAngle(row.angle), row.expected, kTight);
    }
}

TEST(GeometryExtrasTest, WrappingPassesNonFiniteValuesAndEndsForHugeOnes)
{
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(NormalizeAngle(infinity), infinity);
    EXPECT_EQ(NormalizeHalfAngle(-infinity), -infinity);
    EXPECT_TRUE(std::isnan(NormalizeAngle(std::nan(""))));
    for (const double huge : {1e300, -1e300, 1e17}) {
        SCOPED_TRACE(huge);
        EXPECT_GE(NormalizeAngle(huge), -kWrapPi);
        EXPECT_LT(NormalizeAngle(huge), kWrapPi);
        EXPECT_GE(NormalizeHalfAngle(huge), -kWrapHalfPi);
        EXPECT_LT(NormalizeHalfAngle(huge), kWrapHalfPi);
    }
}

TEST(GeometryExtrasTest, TransformBySegmentsFollowsTheMovedSegment)
{
    const DPOINT a{0.0, 0.0};
    const DPOINT b{10.0, 0.0};
    const DPOINT p{5.0, 2.0};

    expectPoint(TransformBySegments(p, a, b, {3.0, -1.0}, {3.0, -1.0}), 8.0, 1.0);
    // b swings up to (0, 10): a quarter turn about a.
    expectPoint(TransformBySegments(p, a, b, {0.0, 0.0}, {-10.0, 10.0}), -2.0, 5.0);
    // b moves out to (20, 0): the segment doubles in length.
    expectPoint(TransformBySegments(p, a, b, {0.0, 0.0}, {10.0, 0.0}), 10.0, 4.0);
    expectPoint(TransformBySegments(b, a, b, {1.0, 2.0}, {-3.0, 4.0}), 7.0, 4.0);
}

TEST(GeometryExtrasTest, TransformBySegmentsFallsBackToTheMeanOffset)
{
    const DPOINT p{5.0, 2.0};
    expectPoint(TransformBySegments(p, {1.0, 1.0}, {1.0, 1.0}, {2.0, 0.0}, {0.0, 4.0}), 6.0,
                4.0);
    // The moved ends coincide: (0, 0) + (5, 5) and (10, 0) + (-5, 5).
    expectPoint(TransformBySegments(p, {0.0, 0.0}, {10.0, 0.0}, {5.0, 5.0}, {-5.0, 5.0}), 5.0,
                7.0);
    // A segment so short that the square of its length is 0 in double precision.
    expectPoint(TransformBySegments(p, {0.0, 0.0}, {1e-170, 0.0}, {2.0, 0.0}, {0.0, 4.0}), 6.0,
                4.0);
}

namespace {

// A counter-clockwise outline with a straight vertex (1) and a slight bend (3).
const std::vector<DPOINT> kOutline = {{0, 0}, {5, 0}, {10, 0}, {10, 10}, {5, 10.5}, {0, 10}};

const double kNearlyStraight = 0.75 * pi;

} // namespace

TEST(CurveSegmentsTest, FindsTheFirstCornerInARange)
{
    CCurveShape shape;
    shape.SetPoints(kOutline);
    EXPECT_NEAR(GetSegmentParameter(shape, 0), 0.5 * pi, kTight);
    EXPECT_NEAR(GetSegmentParameter(shape, 1), pi, kTight);
    EXPECT_EQ(FindSegmentInRange(shape, kNearlyStraight, kWrapPi), 1);
    EXPECT_EQ(FindSegmentInRange(shape, 0.25 * pi, kNearlyStraight), 0);
    EXPECT_EQ(FindSegmentInRange(shape, 1.1 * pi, 2.0 * pi), -1);

    CCurveShape empty;
    EXPECT_EQ(FindSegmentInRange(empty, -10.0, 10.0), -1);
}

TEST(CurveSegmentsTest, ABackwardShapeComparesItsCornersTheSameWay)
{
    std::vector<DPOINT> reversed(kOutline.rbegin(), kOutline.rend());
    CCurveShape shape;
    shape.SetPoints(reversed);
    ASSERT_TRUE(shape.IsClockwise());
    // Reversed, the straight vertex (5, 0) is vertex 4 and the bend (5, 10.5) vertex 1.
    EXPECT_NEAR(GetSegmentParameter(shape, 4), pi, kTight);
    EXPECT_LT(GetSegmentParameter(shape, 1), pi);
    EXPECT_EQ(FindSegmentInRange(shape, kNearlyStraight, kWrapPi), 1);
    EXPECT_EQ(FindSegmentInRange(shape, 0.25 * pi, kNearlyStraight), 0);
}

TEST(CurveSegmentsTest, AnOpenShapeHasNoCornerAtItsStart)
{
    CCurveShape shape;
    shape.SetPoints(std::vector<DPOINT>{{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    shape.SetClosed(false);
    EXPECT_EQ(FindSegmentInRange(shape, 0.0, 2.0 * pi), 1);
}
