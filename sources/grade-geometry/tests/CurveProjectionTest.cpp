// Morvane grade geometry tests.
// Points along a polyline by arc length, and the arc length of the point nearest to a target.
#include "sources/grade-geometry/CurveProjection.h"

#include "sources/grade-geometry/PolylineCurve.h"

#include <gtest/gtest.h>
#include <vector>

using morvane::PolylineCurve;

namespace {

constexpr double kTight = 1e-9;

// (0,0)-(10,0)-(10,10): a corner, length 20.
const std::vector<DPOINT> kCorner = {{0, 0}, {10, 0}, {10, 10}};

double parameterOf(const std::vector<DPOINT> &points, DPOINT target)
{
    const PolylineCurve curve(points);
    return CCurveProjection(target, curve).GetParameter();
}

} // namespace

TEST(PolylineCurveTest, MeasuresItsLengthFromTheFirstPoint)
{
    const PolylineCurve curve(kCorner);
    EXPECT_DOUBLE_EQ(curve.GetLength(), 20.0);
    EXPECT_DOUBLE_EQ(curve.GetStartParameter(), 0.0);
    EXPECT_DOUBLE_EQ(curve.GetEndParameter(), 20.0);
}

TEST(PolylineCurveTest, ExtendsTheEndSegmentsOutsideTheLength)
{
    struct Case
    {
        const char *name;
        double t;
        DPOINT expected;
    };
    const Case cases[] = {
        {"before the start", -2.0, {-2, 0}}, {"on the first segment", 4.0, {4, 0}},
        {"at the corner", 10.0, {10, 0}},    {"on the second segment", 15.0, {10, 5}},
        {"beyond the end", 25.0, {10, 15}},
    };
    const PolylineCurve curve(kCorner);
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const DPOINT point = curve.GetPointAt(row.t);
        EXPECT_NEAR(point.x, row.expected.x, kTight);
        EXPECT_NEAR(point.y, row.expected.y, kTight);
    }
}

TEST(PolylineCurveTest, PassesOverSegmentsWithoutLength)
{
    const PolylineCurve curve(std::vector<DPOINT>{{0, 0}, {0, 0}, {10, 0}, {10, 0}});
    const DPOINT before = curve.GetPointAt(-3.0);
    EXPECT_NEAR(before.x, -3.0, kTight);
    const DPOINT beyond = curve.GetPointAt(12.0);
    EXPECT_NEAR(beyond.x, 12.0, kTight);
    EXPECT_NEAR(beyond.y, 0.0, kTight);
}

TEST(PolylineCurveTest, DegenerateCurvesGiveTheirOnlyPoint)
{
    const DPOINT single = PolylineCurve(std::vector<DPOINT>{{3, 4}}).GetPointAt(7.0);
    EXPECT_EQ(single.x, 3.0);
    EXPECT_EQ(single.y, 4.0);
    const DPOINT none = PolylineCurve(std::vector<DPOINT>{}).GetPointAt(7.0);
    EXPECT_EQ(none.x, 0.0);
    EXPECT_EQ(none.y, 0.0);
}

TEST(PolylineCurveTest, TangentFollowsTheSegmentAndStopsAtTheEnds)
{
    const PolylineCurve curve(kCorner);
    const CVector onFirst = curve.GetTangentAt(5.0);
    EXPECT_NEAR(onFirst.x, 1.0, kTight);
    EXPECT_NEAR(onFirst.y, 0.0, kTight);
    const CVector pastEnd = curve.GetTangentAt(40.0);
    EXPECT_NEAR(pastEnd.x, 0.0, kTight);
    EXPECT_NEAR(pastEnd.y, 1.0, kTight);
    const CVector flat = PolylineCurve(std::vector<DPOINT>{{1, 1}, {1, 1}}).GetTangentAt(0.0);
    EXPECT_EQ(flat.x, 0.0);
    EXPECT_EQ(flat.y, 0.0);
}

TEST(CurveProjectionTest, GivesTheArcLengthOfTheNearestPoint)
{
    struct Case
    {
        const char *name;
        DPOINT target;
        double expected;
    };
    const Case cases[] = {
        {"on the second segment", {10, 5}, 15.0},
        {"before the start", {-5, 0}, -5.0},
        {"beyond the end", {10, 15}, 25.0},
        {"beside the first segment", {5, 3}, 5.0},
        {"far out beside the corner", {30, -1}, 10.0},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(parameterOf(kCorner, row.target), row.expected, kTight);
    }
}

TEST(CurveProjectionTest, OnePointCurveGivesZero)
{
    EXPECT_EQ(parameterOf({{4, 4}}, {10, 10}), 0.0);
    EXPECT_EQ(parameterOf({}, {10, 10}), 0.0);
}

TEST(CurveProjectionTest, EqualDistancesKeepTheEarlierSegment)
{
    // (5, 5) lies 5 from both legs of the corner: the first leg's foot (5, 0) wins.
    EXPECT_NEAR(parameterOf(kCorner, {5, 5}), 5.0, kTight);
}

TEST(CurveProjectionTest, CoincidentEndPointsStillExtendAlongTheCurve)
{
    const std::vector<DPOINT> doubled = {{0, 0}, {0, 0}, {10, 0}, {10, 0}};
    EXPECT_NEAR(parameterOf(doubled, {-4, 1}), -4.0, kTight);
    EXPECT_NEAR(parameterOf(doubled, {13, -1}), 13.0, kTight);
}

TEST(CurveProjectionTest, AllPointsCoincidingGiveZero)
{
    EXPECT_EQ(parameterOf({{2, 2}, {2, 2}}, {9, 9}), 0.0);
}
