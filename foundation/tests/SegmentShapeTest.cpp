// Morvane foundation library tests.
// Polylines measured along their length, positions along them, and point arrays.
#include "foundation/DPointArray.h"
#include "foundation/SegmentShape.h"
#include "foundation/ShapeDistance.h"

#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr double kTight = 1e-9;

void expectPoint(const DPOINT &actual, double x, double y)
{
    EXPECT_NEAR(actual.x, x, kTight);
    EXPECT_NEAR(actual.y, y, kTight);
}

// An L: 10 along x, then 5 up.
const std::vector<DPOINT> kElbow{{0, 0}, {10, 0}, {10, 5}};

} // namespace

TEST(SegmentShapeTest, GivesPointsAlongAndBeyondThePolyline)
{
    const CSegmentShape elbow(kElbow);
    EXPECT_DOUBLE_EQ(elbow.GetLength(), 15.0);
    EXPECT_DOUBLE_EQ(elbow.GetStartParam(), 0.0);
    EXPECT_DOUBLE_EQ(elbow.GetEndParam(), 15.0);

    const struct {
        double d;
        double x, y;
    } cases[] = {{-2, -2, 0}, {0, 0, 0}, {4, 4, 0}, {10, 10, 0}, {12, 10, 2}, {18, 10, 8}};
    for (const auto &row : cases) {
        SCOPED_TRACE(row.d);
        DPOINT point;
        elbow.GetPointAt(point, row.d);
        expectPoint(point, row.x, row.y);
    }

    const CSegmentShape line(std::vector<DPOINT>{{0, 0}, {10, 0}});
    DPOINT point;
    line.GetPointAt(point, 15);
    expectPoint(point, 15, 0);
    line.GetMidPoint(point);
    expectPoint(point, 5, 0);

    CSegmentShape(std::vector<DPOINT>{{3, 4}}).GetPointAt(point, 7);
    expectPoint(point, 3, 4);
    CSegmentShape(std::vector<DPOINT>{}).GetPointAt(point, 7);
    expectPoint(point, 0, 0);
}

TEST(SegmentShapeTest, ExtendsPastRepeatedEndPoints)
{
    // The line of the first case repeats its end point, the second its start point, the third
    // a middle one; the fourth is one point given three times.
    const struct {
        const char *name;
        std::vector<DPOINT> points;
        double d;
        double x, y;
    } cases[] = {
        {"beyond a repeated end", {{0, 0}, {10, 0}, {10, 0}}, 15, 15, 0},
        {"before a repeated start", {{0, 0}, {0, 0}, {10, 0}}, -2, -2, 0},
        {"across a repeated middle", {{0, 0}, {5, 0}, {5, 0}, {5, 5}}, 7, 5, 2},
        {"all repeated", {{3, 4}, {3, 4}, {3, 4}}, 2, 3, 4},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const CSegmentShape line(row.points);
        DPOINT point;
        line.GetPointAt(point, row.d);
        expectPoint(point, row.x, row.y);
    }

    CVector tangent;
    CSegmentShape(std::vector<DPOINT>{{0, 0}, {10, 0}, {10, 0}}).GetTangentAt(tangent, 10);
    expectPoint(tangent.GetDPoint(), 1, 0);
}

TEST(SegmentShapeTest, TangentsPointAlongTheClampedParameter)
{
    const CSegmentShape elbow(kElbow);
    const struct {
        double d;
        double x, y;
    } cases[] = {{-5, 1, 0}, {3, 1, 0}, {12, 0, 1}, {15, 0, 1}, {40, 0, 1}};
    for (const auto &row : cases) {
        SCOPED_TRACE(row.d);
        CVector tangent;
        elbow.GetTangentAt(tangent, row.d);
        expectPoint(tangent.GetDPoint(), row.x, row.y);
    }
    CVector normal;
    elbow.GetNormalAt(normal, 3);
    expectPoint(normal.GetDPoint(), 0, 0);

    std::vector<DPOINT> copied;
    elbow.CopyPoints(copied);
    EXPECT_EQ(copied.size(), 3u);
}

TEST(SegmentShapeTest, ExtendsEitherEndAwayFromItsNeighbour)
{
    DPOINT end{-1, -1};
    DPOINT extended{-1, -1};
    EXPECT_EQ(ExtendEnd(kElbow, true, 3.0, end, extended), -1);
    expectPoint(end, 0, 0);
    expectPoint(extended, -3, 0);
    EXPECT_EQ(ExtendEnd(kElbow, false, 3.0, end, extended), 2);
    expectPoint(end, 10, 5);
    expectPoint(extended, 10, 8);

    DPOINT untouched{7, 7};
    EXPECT_EQ(ExtendEnd(std::vector<DPOINT>{{1, 1}}, false, 3.0, untouched, untouched), -1);
    expectPoint(untouched, 7, 7);
}

TEST(ShapeDistanceTest, PositionsPointsAlongTheExtendedPolyline)
{
    const CSegmentShape line(std::vector<DPOINT>{{0, 0}, {10, 0}});
    const CSegmentShape elbow(kElbow);
    const struct {
        const char *name;
        const CSegmentShape &curve;
        DPOINT point;
        double position;
        double nearestX, nearestY, distance;
    } cases[] = {
        {"before the start", line, {-5, 3}, -5, -5, 0, 3},
        {"along", line, {4, 7}, 4, 4, 0, 7},
        {"past the end", line, {25, -1}, 25, 25, 0, 1},
        {"second segment", elbow, {12, 3}, 13, 10, 3, 2},
        {"past the elbow end", elbow, {10, 9}, 19, 10, 9, 0},
        {"at the corner", elbow, {11, -1}, 10, 10, 0, std::sqrt(2.0)},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const CShapeDistance distance(&row.curve, row.point);
        EXPECT_NEAR(distance.GetDistance(), row.position, kTight);
        expectPoint(distance.GetNearestPoint(), row.nearestX, row.nearestY);
        EXPECT_NEAR(distance.GetDistanceToCurve(), row.distance, kTight);
    }
}

TEST(ShapeDistanceTest, MeasuresNotchesAlongACornerLikeTheGradeModels)
{
    // (0,0)-(10,0)-(10,10), length 20: the grade models measure notch points this way.
    const CSegmentShape corner(std::vector<DPOINT>{{0, 0}, {10, 0}, {10, 10}});
    const CSegmentShape doubled(std::vector<DPOINT>{{0, 0}, {0, 0}, {10, 0}, {10, 0}});
    const struct {
        const char *name;
        const CSegmentShape &curve;
        DPOINT point;
        double position;
    } cases[] = {
        {"on the second segment", corner, {10, 5}, 15},
        {"before the start", corner, {-5, 0}, -5},
        {"beyond the end", corner, {10, 15}, 25},
        {"beside the first segment", corner, {5, 3}, 5},
        {"equally near both legs keeps the first", corner, {5, 5}, 5},
        {"coincident points before the start", doubled, {-4, 1}, -4},
        {"coincident points past the end", doubled, {13, -1}, 13},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_NEAR(CShapeDistance(&row.curve, row.point).GetDistance(), row.position, kTight);
    }
    const CSegmentShape allOnePoint(std::vector<DPOINT>{{2, 2}, {2, 2}});
    EXPECT_EQ(CShapeDistance(&allOnePoint, {9, 9}).GetDistance(), 0.0);
}

TEST(ShapeDistanceTest, RecomputesAfterThePointOrCurveChanges)
{
    const CSegmentShape line(std::vector<DPOINT>{{0, 0}, {10, 0}});
    const CSegmentShape elbow(kElbow);
    CShapeDistance distance(&line, {4, 7});
    EXPECT_NEAR(distance.GetDistance(), 4, kTight);
    distance.SetPoint({6, 1});
    EXPECT_NEAR(distance.GetDistance(), 6, kTight);
    distance.SetPoint({11, 2});
    distance.SetCurve(&elbow);
    EXPECT_NEAR(distance.GetDistance(), 12, kTight);

    const CSegmentShape single(std::vector<DPOINT>{{1, 1}});
    distance.SetCurve(&single);
    EXPECT_EQ(distance.GetDistance(), 0.0);
    EXPECT_NEAR(distance.GetDistanceToCurve(), std::hypot(10.0, 1.0), kTight);
}

TEST(DPointArrayTest, KeepsItsRectangleAroundThePoints)
{
    CDPointArray points;
    EXPECT_FALSE(points.GetBoundingRect().IsValid());
    points.SetAtGrow(2, {5, 5});
    EXPECT_EQ(points.GetCount(), 3);
    EXPECT_EQ(points.GetBoundingRect(), CDRect(5, 5, 5, 5)) << "placeholders are not entered";
    points.SetAtGrow(0, {1, 2});
    points.Add({7, -1});
    EXPECT_EQ(points.GetBoundingRect(), CDRect(1, -1, 7, 5));

    points.SetSize(1);
    EXPECT_EQ(points.GetBoundingRect(), CDRect(1, 2, 1, 2)) << "cut-off points leave it";
    DPOINT first;
    points.GetAt(first, 0);
    expectPoint(first, 1, 2);

    points.Copy(kElbow);
    EXPECT_EQ(points.GetCount(), 3);
    EXPECT_EQ(points.GetBoundingRect(), CDRect(0, 0, 10, 5));
    EXPECT_DOUBLE_EQ(CSegmentShape(points).GetLength(), 15.0);
}
