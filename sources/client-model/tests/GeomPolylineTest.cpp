// Morvane client grade model tests.
// Shapes per size: ordinary points interpolated between grade points, grade indexes, notches.
#include "sources/client-model/GeomPolyline.h"

#include "sources/client-model/ClientGradeModel.h"
#include "sources/grade-model/testing/FakeGradeData.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr double kTight = 1e-9;
constexpr GradeSize kBase{-1, -1};
constexpr GradeSize kSmall{0, 0};
constexpr GradeSize kLarge{0, 1};

/// A point of a test line: its position and its kind.
struct LinePoint
{
    double x;
    double y;
    int kind;
};

// A model with one pattern holding the given points as one polyline, prepared and graded
// against one table of two sizes. Positions are relative to the pattern's origin, which
// PrepareData puts at the centre of the points.
class GeomPolylineTest : public testing::Test
{
protected:
    CGeomPolyline &makeLine(const std::vector<LinePoint> &points)
    {
        m_pattern = m_model.GetGeomPatternAt(m_model.AddPattern("Front"));
        for (const auto &point : points)
            m_pattern->AddBasePoint(point.x, point.y, point.kind);
        m_pattern->AddPolyline(0, static_cast<int>(points.size()), 0);
        m_model.PrepareData();
        m_model.OnAttach(&m_data);
        m_model.BeginGrading();
        return *m_pattern->GetPatternPolylineAt(0);
    }

    CGeomPoint &point(int index) { return *m_pattern->GetBasePointAt(index); }

    /// Moves point index by (dx, dy) from its base position in size.
    void move(int index, GradeSize size, double dx, double dy)
    {
        const DPOINT base = point(index).GetPosition(nullptr);
        point(index).SetPosition(size.table, size.size, base.x + dx, base.y + dy);
    }

    static void expectPoint(const DPOINT &actual, double x, double y)
    {
        EXPECT_NEAR(actual.x, x, kTight);
        EXPECT_NEAR(actual.y, y, kTight);
    }

    morvane::FakeGradeData m_data{{{{"S", "L"}, 0}}};
    CClientGradeModel m_model;
    CGeomPattern *m_pattern = nullptr;
};

} // namespace

TEST_F(GeomPolylineTest, LineOfTwoPointsKeepsTheirOwnValues)
{
    CGeomPolyline &line = makeLine({{0, 0, 0}, {10, 0, 0}});
    move(0, kLarge, 1, 2);
    move(1, kLarge, -3, 4);

    std::vector<DPOINT> shape;
    line.GetShape(kLarge, &shape, nullptr);
    ASSERT_EQ(shape.size(), 2u);
    expectPoint(shape[0], -4, 2);
    expectPoint(shape[1], 2, 4);
}

TEST_F(GeomPolylineTest, InteriorWithoutGradePointsFollowsTheEnds)
{
    CGeomPolyline &line = makeLine({{0, 0, 1}, {5, 0, 0}, {8, 0, 0}, {10, 0, 0}});
    // The last point moves 10 to the right: the line doubles in length from its first point.
    move(3, kLarge, 10, 0);

    std::vector<DPOINT> shape;
    line.GetShape(kLarge, &shape, nullptr);
    expectPoint(shape[1], 5, 0);
    expectPoint(shape[2], 11, 0);
    expectPoint(shape[3], 15, 0);
    expectPoint(point(1).GetRuleValue(0, 1), 5, 0);
    expectPoint(point(1).GetRuleValue(0, 0), 0, 0);
}

TEST_F(GeomPolylineTest, OrdinaryPointsFollowTheGradePointsOnEitherSide)
{
    // An L: (0,0) grade, (5,0) ordinary, (10,0) grade, (10,5) ordinary, (10,10) grade.
    CGeomPolyline &line = makeLine({{0, 0, 1}, {5, 0, 0}, {10, 0, 1}, {10, 5, 0}, {10, 10, 1}});
    // The corner moves up by 2; the ends stay.
    move(2, kSmall, 0, 2);

    std::vector<DPOINT> shape;
    line.GetShape(kSmall, &shape, nullptr);
    const DPOINT origin = m_pattern->GetOrigin();
    expectPoint(shape[1], 5 - origin.x, 1 - origin.y);
    expectPoint(shape[3], 10 - origin.x, 6 - origin.y);
}

TEST_F(GeomPolylineTest, GradePointsAtOneBasePositionMoveTheirNeighbourByTheirMean)
{
    CGeomPolyline &line = makeLine({{0, 0, 1}, {1, 1, 0}, {0, 0, 1}});
    move(0, kLarge, 2, 0);
    move(2, kLarge, 0, 4);

    std::vector<DPOINT> shape;
    line.GetShape(kLarge, &shape, nullptr);
    expectPoint(point(1).GetRuleValue(0, 1), 1, 2);
}

TEST_F(GeomPolylineTest, StoredValueOfAnOrdinaryInteriorPointIsReplacedByInterpolation)
{
    CGeomPolyline &line = makeLine({{0, 0, 1}, {5, 0, 0}, {10, 0, 1}});
    std::vector<DPOINT> shape;
    line.GetShape(kLarge, &shape, nullptr);
    move(1, kLarge, 0, 7);
    expectPoint(point(1).GetRuleValue(0, 1), 0, 7);

    line.GetShape(kLarge, &shape, nullptr);
    expectPoint(point(1).GetRuleValue(0, 1), 0, 0);
}

TEST_F(GeomPolylineTest, ShapeOfTheBaseAndOfAGradedSize)
{
    CGeomPolyline &line = makeLine({{0, 0, 1}, {4, 0, 0}, {4, 6, 1}});
    move(2, kLarge, 3, 0);

    std::vector<DPOINT> base;
    std::vector<int> gradeIndex{9, 9, 9, 9, 9};
    line.GetShape(kBase, &base, &gradeIndex);
    ASSERT_EQ(base.size(), 3u);
    expectPoint(base[0], -2, -3);
    expectPoint(base[2], 2, 3);
    EXPECT_EQ(gradeIndex, (std::vector<int>{0, -1, 1}));

    std::vector<DPOINT> large;
    line.GetShape(kLarge, &large, nullptr);
    expectPoint(large[0], -2, -3);
    expectPoint(large[2], 5, 3);

    // The other size, and a table the grade data does not have, keep the base shape.
    for (const GradeSize size : {kSmall, GradeSize{3, 0}, GradeSize{0, 5}, GradeSize{-1, 1}}) {
        SCOPED_TRACE(testing::Message() << size.table << ", " << size.size);
        std::vector<DPOINT> shape;
        line.GetShape(size, &shape, nullptr);
        expectPoint(shape[2], 2, 3);
    }
}

TEST_F(GeomPolylineTest, CountsGradePointsInLineOrder)
{
    CGeomPolyline &line = makeLine({{0, 0, 0}, {1, 0, 1}, {2, 0, 0}, {3, 0, 1}});
    int count = 0;
    line.GetGradePointCount(count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(line.GetGradePointAt(0), &point(1));
    EXPECT_EQ(line.GetGradePointAt(1), &point(3));
    EXPECT_EQ(line.GetGradePointAt(2), nullptr);
}

TEST_F(GeomPolylineTest, NotchDistanceIsMeasuredAlongTheShapeOfTheSize)
{
    // A line of length 10 and a notch point beyond its end (a slider), and one on the line.
    m_pattern = m_model.GetGeomPatternAt(m_model.AddPattern("Front"));
    m_pattern->AddBasePoint(0, 0, 1);
    m_pattern->AddBasePoint(10, 0, 1);
    m_pattern->AddBasePoint(13, 0, 0);
    m_pattern->AddPolyline(0, 2, 0);
    CGeomPolyline &line = *m_pattern->GetPatternPolylineAt(0);
    EXPECT_EQ(line.AddNotch(2, 0.5, -8), 0);
    EXPECT_EQ(line.AddNotch(1, 0, -8), 1);
    m_model.PrepareData();
    m_model.OnAttach(&m_data);
    m_model.BeginGrading();
    // In the large size the line grows to 20 and the notch point moves along with its end.
    move(1, kLarge, 10, 0);
    move(2, kLarge, 10, 0);

    DPOINT vector;
    float distance = 0.0f;
    int kind = 0;
    EXPECT_EQ(line.GetNotchAt(0, kBase, vector, distance, kind), &point(2));
    EXPECT_FLOAT_EQ(distance, 13.0f);
    EXPECT_EQ(kind, -1);
    EXPECT_EQ(vector.x, 0.5);
    EXPECT_EQ(vector.y, -8.0);

    line.GetNotchAt(0, kLarge, vector, distance, kind);
    EXPECT_FLOAT_EQ(distance, 23.0f);
    EXPECT_EQ(vector.x, 0.5);

    EXPECT_EQ(line.GetNotchAt(1, kLarge, vector, distance, kind), &point(1));
    EXPECT_FLOAT_EQ(distance, 20.0f);
    EXPECT_EQ(line.GetNotchPointAt(1), &point(1));
    EXPECT_EQ(line.FindNotch(&point(0)), nullptr);
}

TEST_F(GeomPolylineTest, NotchOnAnOrdinaryPointIsMeasuredWhereItsLineTakesIt)
{
    CGeomPolyline &line = makeLine({{0, 0, 1}, {10, 0, 0}, {20, 0, 1}});
    ASSERT_EQ(line.AddNotch(1, 0, -5), 0);
    // The whole line moves 10 to the right: its ordinary point goes with it once the line is
    // interpolated again, which the notch query itself does.
    move(0, kLarge, 10, 0);
    move(2, kLarge, 10, 0);

    DPOINT vector;
    float distance = 0.0f;
    int kind = 0;
    EXPECT_EQ(line.GetNotchAt(0, kLarge, vector, distance, kind), &point(1));
    EXPECT_FLOAT_EQ(distance, 10.0f);
}
