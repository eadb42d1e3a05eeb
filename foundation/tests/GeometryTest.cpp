// Morvane foundation library tests.
// Points, vectors, lines, rectangles and the angle, projection and intersection functions.
#include "foundation/DLine.h"
#include "foundation/DPoint.h"
#include "foundation/DRect.h"
#include "foundation/Geometry.h"

#include <cmath>
#include <limits>
#include <numbers>

#include <gtest/gtest.h>

using std::numbers::pi;

namespace {

constexpr double kTight = 1e-9;

void expectPoint(const DPOINT &actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, kTight);
    EXPECT_NEAR(actual.y, y, kTight);
}

struct AngleCase {
    const char *name;
    double input;
    double expected;
};

} // namespace

TEST(GeometryTest, RadToDegWrapsByWholeTurnsKeepingFullTurns)
{
    const AngleCase cases[] = {
        {"zero", 0.0, 0.0},
        {"half turn", pi, 180.0},
        {"full turn stays 360", 2 * pi, 360.0},
        {"minus seven half turns", -7 * pi, -180.0},
        {"two turns become one", 4 * pi, 360.0},
        {"five quarter turns", 2.5 * pi, 90.0},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(RadToDeg(row.input), row.expected, kTight);
    }
}

TEST(GeometryTest, AngleWrappingEndsOnHugeAndInfiniteValues)
{
    const double huge = RadToDeg(1e300);
    EXPECT_GE(huge, -360.0);
    EXPECT_LE(huge, 360.0);
    EXPECT_TRUE(std::isinf(RadToDeg(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(RadToDeg(std::numeric_limits<double>::quiet_NaN())));

    const double around = NormalizeAngleAround(1e300, 1.0);
    EXPECT_GE(around - 1.0, -morvane::kWrapPi);
    EXPECT_LT(around - 1.0, morvane::kWrapPi);
    EXPECT_TRUE(std::isinf(NormalizeAngleAround(std::numeric_limits<double>::infinity(), 0.0)));
}

TEST(GeometryTest, DegToRadUsesTheModelFactor)
{
    EXPECT_EQ(DegToRad(180.0), 180.0 * 0.0174532925);
    EXPECT_NE(DegToRad(180.0), pi);
}

TEST(GeometryTest, NormalizesAnglesAroundAReference)
{
    const struct {
        const char *name;
        double angle;
        double ref;
        double expected;
    } cases[] = {
        {"above pi wraps down", 4.0, 0.0, 4.0 - 6.2831853071796},
        {"three pi gives pi", 3 * pi, 0.0, pi},
        {"minus pi stays", -pi, 0.0, -pi},
        {"far below wraps up", -10.0, 0.0, -10.0 + 2 * 6.2831853071796},
        {"around another reference", 0.0, 2 * pi, 6.2831853071796},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(NormalizeAngleAround(row.angle, row.ref), row.expected, kTight);
    }
}

TEST(GeometryTest, MeasuresTurnsAndAnglesBetweenRays)
{
    EXPECT_NEAR(GetAngleDifference(0.0, 1.5 * pi), -0.5 * pi, kTight);
    EXPECT_NEAR(GetAngleDifference(0.5 * pi, pi), 0.5 * pi, kTight);
    EXPECT_NEAR(GetPositiveAngle(0, 0, 1, 0, 0, 1), 0.5 * pi, kTight);
    EXPECT_NEAR(GetPositiveAngle(0, 0, 0, 1, 1, 0), 1.5 * pi, kTight);
    EXPECT_NEAR(GetPositiveAngle(1, 1, 2, 1, 2, 1), 0.0, kTight);
}

TEST(GeometryTest, RotatesPointsAboutOriginAndCentre)
{
    DPOINT point{1.0, 0.0};
    RotateDPoint(point, 0.5 * pi);
    expectPoint(point, 0.0, 1.0);

    double x = 2.0;
    double y = 1.0;
    RotatePointAround(1.0, 1.0, 0.5 * pi, x, y);
    EXPECT_NEAR(x, 1.0, kTight);
    EXPECT_NEAR(y, 2.0, kTight);
}

TEST(GeometryTest, PlacesPatternPointsAndTakesThemBack)
{
    const struct {
        const char *name;
        bool mirrorY;
        bool mirrorX;
        double x;
        double y;
    } cases[] = {
        {"no mirror", false, false, 10.0, 21.0},
        {"mirror x", false, true, 10.0, 19.0},
        {"mirror y", true, false, 10.0, 21.0},
        {"both", true, true, 10.0, 19.0},
    };
    const DPOINT origin{10.0, 20.0};
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        CDPoint point(1.0, 0.0);
        expectPoint(point.TransformToAbsolute(origin, 0.5 * pi, row.mirrorY, row.mirrorX), row.x,
                    row.y);
        expectPoint(point.TransformToRelative(origin, 0.5 * pi, row.mirrorY, row.mirrorX), 1.0,
                    0.0);
    }

    CDPoint offAxis(2.0, 3.0);
    offAxis.TransformToAbsolute(origin, 0.3, true, false);
    expectPoint(offAxis.TransformToRelative(origin, 0.3, true, false), 2.0, 3.0);
}

TEST(GeometryTest, NearnessIsStrictOnPointsAndInclusiveForIsNearPoint)
{
    const CDPoint point(0.0, 0.0);
    EXPECT_FALSE(point.IsNear(3.0, 4.0, 5.0));
    EXPECT_TRUE(point.IsNear(3.0, 4.0, 5.0001));
    EXPECT_TRUE(IsNearPoint(0.0, 0.0, 3.0, 4.0, 5.0));
    EXPECT_TRUE(IsNearPoint(1.0, 1.0, 1.0, 1.0, 0.0));
    EXPECT_DOUBLE_EQ(point.GetDistanceTo(3.0, 4.0), 5.0);
    EXPECT_DOUBLE_EQ(GetDPointDistance({1.0, 1.0}, {4.0, 5.0}), 5.0);
    EXPECT_NEAR(CDPoint(1.0, 1.0).GetAngleTo(1.0, 3.0), 0.5 * pi, kTight);
}

TEST(GeometryTest, NormalizesVectorsButLeavesNullOnes)
{
    CVector tiny(1e-7, 0.0);
    EXPECT_TRUE(tiny.IsNull());
    tiny.Normalize();
    EXPECT_EQ(tiny.x, 1e-7);
    EXPECT_EQ(tiny.y, 0.0);

    CVector vector(3.0, 4.0);
    vector.Normalize();
    EXPECT_NEAR(vector.x, 0.6, kTight);
    EXPECT_NEAR(vector.y, 0.8, kTight);
    vector.Scale(10.0);
    EXPECT_NEAR(vector.GetLength(), 10.0, kTight);

    EXPECT_EQ(CVector().x, 1.0);
    EXPECT_EQ(CVector().y, 0.0);
    expectPoint(CVector(0.5 * pi).GetDPoint(), 0.0, 1.0);
}

TEST(GeometryTest, LinesIntersectAndTellSides)
{
    CDLine line;
    EXPECT_EQ(line.GetSide(5.0, 0.0), 2);
    EXPECT_EQ(line.GetSide(0.0, 1.0), 1);
    EXPECT_EQ(line.GetSide(0.0, -1.0), 0);

    const struct {
        const char *name;
        DPOINT a1, a2, b1, b2;
        bool meets;
        double x, y;
    } cases[] = {
        {"diagonals", {0, 0}, {2, 2}, {0, 2}, {2, 0}, true, 1, 1},
        {"this horizontal", {0, 3}, {1, 3}, {2, 0}, {2, 1}, true, 2, 3},
        {"other horizontal", {2, 0}, {2, 1}, {0, 3}, {1, 3}, true, 2, 3},
        {"both horizontal", {0, 0}, {1, 0}, {0, 1}, {1, 1}, false, 0, 0},
        {"parallel slopes", {0, 0}, {1, 1}, {1, 0}, {2, 1}, false, 0, 0},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        CDLine first;
        CDLine second;
        first.SetFromPoints(row.a1, row.a2);
        second.SetFromPoints(row.b1, row.b2);
        double x = -99.0;
        double y = -99.0;
        EXPECT_EQ(first.Intersect(second, x, y), row.meets);
        if (row.meets)
            expectPoint({x, y}, row.x, row.y);
    }

    CDLine byAngle;
    byAngle.SetFromPointAngle(1.0, 1.0, 0.25 * pi);
    EXPECT_EQ(byAngle.GetSide(3.0, 3.0), 2);
}

TEST(GeometryTest, RectanglesIncludeContainAndIntersect)
{
    CDRect rect;
    EXPECT_FALSE(rect.IsValid());
    rect.Include(3.0, 4.0);
    EXPECT_EQ(rect, CDRect(3.0, 4.0, 3.0, 4.0));
    EXPECT_FALSE(rect.Contains(3.0, 4.0)) << "a one-point rectangle contains nothing";

    const DPOINT points[] = {{0.0, 10.0}, {5.0, -1.0}};
    rect.IncludePoints(points);
    EXPECT_EQ(rect, CDRect(0.0, -1.0, 5.0, 10.0));
    expectPoint(rect.GetCenter(), 2.5, 4.5);
    EXPECT_TRUE(rect.Contains(0.0, -1.0));
    EXPECT_FALSE(rect.Contains(5.0, 2.0)) << "the right edge is outside";
    EXPECT_FALSE(rect.Contains(2.0, 10.0)) << "the top edge is outside";

    const CDRect left(0.0, 0.0, 1.0, 1.0);
    EXPECT_TRUE(left.Intersects(CDRect(1.0, 0.5, 2.0, 2.0))) << "a shared edge intersects";
    EXPECT_FALSE(left.Intersects(CDRect(1.1, 0.0, 2.0, 1.0)));

    CDRect grown = left;
    grown.Inflate(1.0, 2.0, 3.0, 4.0);
    EXPECT_EQ(grown, CDRect(-1.0, -2.0, 4.0, 5.0));
}

TEST(GeometryTest, UnionIgnoresEmptyRectangles)
{
    CDRect rect(2.0, 2.0, 3.0, 3.0);
    rect.Union(CDRect());
    EXPECT_EQ(rect, CDRect(2.0, 2.0, 3.0, 3.0));
    rect.Union(CDRect(-1.0, 2.5, 2.5, 7.0));
    EXPECT_EQ(rect, CDRect(-1.0, 2.0, 3.0, 7.0));

    CDRect empty;
    empty.Union(CDRect(1.0, 1.0, 2.0, 2.0));
    EXPECT_EQ(empty, CDRect(1.0, 1.0, 2.0, 2.0));
}

TEST(GeometryTest, ProjectsPointsOntoSegments)
{
    const struct {
        const char *name;
        double px, py, x1, y1, x2, y2;
        double footX, footY;
    } cases[] = {
        {"horizontal", 3, 5, 0, 0, 10, 0, 3, 0},
        {"horizontal clamped", 12, 5, 10, 0, 0, 0, 10, 0},
        {"vertical clamped", 4, -3, 1, 0, 1, 10, 1, 0},
        {"diagonal", 0, 2, 0, 0, 2, 2, 1, 1},
        {"diagonal clamped", 5, 7, 0, 0, 2, 2, 2, 2},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        expectPoint(ProjectPointOnSegment(row.px, row.py, row.x1, row.y1, row.x2, row.y2),
                    row.footX, row.footY);
    }
    EXPECT_NEAR(GetDistanceToSegment(0, 2, 0, 0, 2, 2), std::sqrt(2.0), kTight);
    EXPECT_DOUBLE_EQ(ClampToRange(5.0, 3.0, 1.0), 3.0);
    EXPECT_DOUBLE_EQ(ClampToRange(-5.0, 3.0, 1.0), 1.0);
}

TEST(GeometryTest, IntersectsSegmentsWithTolerance)
{
    const struct {
        const char *name;
        DPOINT p1, p2, p3, p4;
        double tol;
        bool meets;
        double x, y;
    } cases[] = {
        {"horizontal and vertical", {0, 0}, {10, 0}, {5, -5}, {5, 5}, 0.0, true, 5, 0},
        {"vertical and horizontal", {5, -5}, {5, 5}, {0, 0}, {10, 0}, 0.0, true, 5, 0},
        {"diagonals", {0, 0}, {2, 2}, {0, 2}, {2, 0}, 0.0, true, 1, 1},
        {"diagonal and horizontal", {0, 0}, {4, 4}, {0, 1}, {8, 1}, 0.0, true, 1, 1},
        {"diagonal misses the end", {0, 0}, {1, 1}, {3, 0}, {0, 3.5}, 0.0, false, 0, 0},
        {"collinear sharing p2", {0, 0}, {5, 0}, {5, 0}, {10, 0}, 0.0, true, 5, 0},
        {"collinear sharing p1 within tol", {5, 0}, {0, 0}, {10, 0}, {5.0005, 0}, 0.001, true, 5,
         0},
        {"parallel", {0, 0}, {5, 0}, {0, 1}, {5, 1}, 0.0, false, 0, 0},
        {"boxes apart", {0, 0}, {1, 1}, {3, 0}, {4, 1}, 0.0, false, 0, 0},
        {"near miss", {0, 0}, {10, 0}, {5, 0.0005}, {5, 5}, 0.0, false, 0, 0},
        {"near miss within tol", {0, 0}, {10, 0}, {5, 0.0005}, {5, 5}, 0.001, true, 5, 0},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        double x = -99.0;
        double y = -99.0;
        EXPECT_EQ(IntersectSegments(row.p1, row.p2, row.p3, row.p4, x, y, row.tol), row.meets);
        if (row.meets)
            expectPoint({x, y}, row.x, row.y);
        else
            expectPoint({x, y}, -99.0, -99.0);
    }
}
