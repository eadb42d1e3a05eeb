// Morvane foundation library tests.
// Curve shapes: linking, area and orientation, the inside test, distances, overlaps and edits.
#include "foundation/CurveShape.h"

#include "platform/dunmere/DunmereHelper.h"

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

using std::numbers::pi;

namespace {

constexpr double kTight = 1e-9;

std::unique_ptr<CCurveShape> makeShape(std::vector<DPOINT> points)
{
    auto shape = std::make_unique<CCurveShape>();
    shape->SetPoints(points);
    return shape;
}

std::unique_ptr<CCurveShape> unitSquare()
{
    return makeShape({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
}

std::vector<DPOINT> vertices(const CCurveShape &shape)
{
    std::vector<DPOINT> points;
    for (int i = 0; i < shape.GetVertexCount(); ++i)
        points.push_back(shape.GetVertexAt(i)->GetPosition().GetDPoint());
    return points;
}

bool samePoints(const std::vector<DPOINT> &actual, const std::vector<DPOINT> &expected)
{
    if (actual.size() != expected.size())
        return false;
    for (size_t i = 0; i < actual.size(); ++i) {
        if (actual[i].x != expected[i].x || actual[i].y != expected[i].y)
            return false;
    }
    return true;
}

// Every segment i runs from vertex i to the next vertex, and each vertex knows its two
// segments.
void expectLinked(const CCurveShape &shape)
{
    const int count = shape.GetVertexCount();
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        const CShapeSegment *segment = shape.GetSegmentAt(i);
        CShapeVertex *next = nullptr;
        shape.GetNextVertex(i, next);
        EXPECT_EQ(segment->GetStart(), shape.GetVertexAt(i));
        EXPECT_EQ(segment->GetEnd(), next);
        EXPECT_EQ(shape.GetVertexAt(i)->GetOutgoing(), segment);
        EXPECT_EQ(next->GetIncoming(), segment);
        EXPECT_EQ(segment->GetShape(), &shape);
    }
}

} // namespace

TEST(CurveShapeTest, SquareAreaOrientationAndReverse)
{
    auto square = unitSquare();
    EXPECT_DOUBLE_EQ(square->GetArea(), 1.0);
    EXPECT_FALSE(square->IsClockwise());

    square->Reverse();
    EXPECT_TRUE(samePoints(vertices(*square), {{0, 0}, {0, 1}, {1, 1}, {1, 0}}));
    EXPECT_DOUBLE_EQ(square->GetArea(), -1.0);
    EXPECT_TRUE(square->IsClockwise());
    expectLinked(*square);
}

TEST(CurveShapeTest, TellsInsideOutsideAndOutline)
{
    // A frame with a square cavity in its middle that opens to the top right corner through a
    // diagonal channel: points in the cavity or channel meet walls in all four directions, yet
    // lie outside.
    const auto frame = makeShape({{0, 0}, {10, 0}, {10, 9.5}, {6, 5.5}, {6, 4}, {4, 4}, {4, 6},
                                  {5.5, 6}, {9.5, 10}, {0, 10}});
    const auto square = unitSquare();
    const struct {
        const char *name;
        const CCurveShape &shape;
        double x, y;
        int expected;
    } cases[] = {
        {"square centre", *square, 0.5, 0.5, 1},
        {"square right edge", *square, 1.0, 0.5, 2},
        {"square bottom edge", *square, 0.5, 0.0, 2},
        {"square corner", *square, 1.0, 1.0, 2},
        {"right of square", *square, 2.0, 0.5, 0},
        {"above square", *square, 0.5, 1.5, 0},
        {"solid part of frame", *frame, 2.0, 2.0, 1},
        {"cavity", *frame, 5.0, 5.0, 0},
        {"channel", *frame, 8.0, 8.0, 0},
        {"cavity wall", *frame, 4.0, 5.0, 2},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.shape.PointInShape(row.x, row.y), row.expected);
    }
}

TEST(CurveShapeTest, OpeningDropsTheClosingSegmentUntilTheNextChange)
{
    auto shape = makeShape({{1, 0}, {2, 0}, {2, 1}, {1, 1}});
    EXPECT_TRUE(shape->IsClosed());
    EXPECT_EQ(shape->GetSegmentCount(), 4);
    EXPECT_DOUBLE_EQ(shape->GetArea(), 1.0);

    shape->SetClosed(false);
    EXPECT_EQ(shape->GetSegmentCount(), 3);
    EXPECT_DOUBLE_EQ(shape->GetArea(), 2.0) << "the area follows the segments counted";
    EXPECT_EQ(shape->PointInShape(1.0, 0.5), 0) << "the open side is no outline";
    EXPECT_DOUBLE_EQ(shape->GetDistanceToPoint(0.0, 0.5), std::hypot(1.0, 0.5));

    shape->AddVertex(0.0, 0.5);
    EXPECT_TRUE(shape->IsClosed());
    EXPECT_EQ(shape->GetSegmentCount(), 5);
    EXPECT_EQ(CCurveShape().GetSegmentCount(), 0);
}

TEST(CurveShapeTest, TurnAnglesAndNeighboursFollowOrientation)
{
    auto square = unitSquare();
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(square->GetTurnAngle(i), 0.5 * pi, kTight);

    const struct {
        int direction;
        int counterClockwise;
        int clockwise;
    } neighbours[] = {{0, 3, 1}, {1, 1, 3}};
    for (const auto &row : neighbours) {
        SCOPED_TRACE(row.direction);
        auto shape = unitSquare();
        CShapeVertex *v = nullptr;
        EXPECT_EQ(shape->GetNeighbour(row.direction, 0, v), row.counterClockwise);
        EXPECT_EQ(v, shape->GetVertexAt(row.counterClockwise));
        shape->Reverse();
        EXPECT_EQ(shape->GetNeighbour(row.direction, 0, v), row.clockwise);
    }

    square->Reverse();
    EXPECT_NEAR(square->GetTurnAngle(2), -0.5 * pi, kTight);
}

TEST(CurveShapeTest, DropsAClosingPointOnlyNearTheFirst)
{
    const struct {
        const char *name;
        std::vector<DPOINT> points;
        int remaining;
    } cases[] = {
        {"repeat at 0.05", {{0, 0}, {5, 0}, {5, 5}, {0.05, 0}}, 3},
        {"distinct at 0.2", {{0, 0}, {5, 0}, {5, 5}, {0, 0.2}}, 4},
        {"single vertex", {{0, 0}}, 1},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        auto shape = makeShape(row.points);
        shape->DropDuplicateClosingPoint();
        EXPECT_EQ(shape->GetVertexCount(), row.remaining);
        expectLinked(*shape);
    }
}

TEST(CurveShapeTest, ExtremesKeepTheFirstOfEqualVertices)
{
    const auto shape = makeShape({{0, 0}, {2, 0}, {2, 3}, {1, 3}, {0, 3}, {-1, 1}, {-1, 2}});
    EXPECT_EQ(shape->GetMaxYIndex(), 2);
    EXPECT_EQ(shape->GetMinYIndex(), 0);
    EXPECT_EQ(shape->GetMinXIndex(), 5);
    EXPECT_EQ(shape->GetMaxXIndex(), 1);
    EXPECT_EQ(CCurveShape().GetMaxYIndex(), -1);

    shape->RemoveVertex(2);
    EXPECT_EQ(shape->GetMaxYIndex(), 2) << "recomputed after the change";
}

TEST(CurveShapeTest, KeepsSegmentsLinkedThroughEdits)
{
    auto shape = makeShape({{0, 0}, {1, 0}});
    shape->GetSegmentAt(1)->SetFlag(5);
    shape->AddVertex(1, 1);
    EXPECT_EQ(shape->GetSegmentAt(1)->GetFlag(), 1);
    EXPECT_EQ(shape->GetSegmentAt(2)->GetFlag(), 5) << "the closing segment keeps its flag";
    expectLinked(*shape);

    shape->AddVertex(0, 1);
    shape->AddVertex(0, 0.5);
    shape->RemoveVertex(0);
    EXPECT_TRUE(samePoints(vertices(*shape), {{1, 0}, {1, 1}, {0, 1}, {0, 0.5}}));
    expectLinked(*shape);
    EXPECT_EQ(shape->GetSegmentAt(3)->GetFlag(), 5);

    shape->RemoveSegmentVertices(3);
    EXPECT_TRUE(samePoints(vertices(*shape), {{1, 1}, {0, 1}}));
    expectLinked(*shape);

    shape->RemoveVertex(1);
    shape->RemoveVertex(0);
    EXPECT_EQ(shape->GetVertexCount(), 0);
    EXPECT_EQ(shape->GetSegmentCount(), 0);
    EXPECT_EQ(shape->GetBoundingRect(), CDRect(0, 0, 1, 1)) << "removals do not shrink it";
    shape->Clear();
    EXPECT_FALSE(shape->GetBoundingRect().IsValid());
}

TEST(CurveShapeTest, RemovesShortSegmentsFromTheEnd)
{
    auto shape = makeShape({{0, 0}, {0.05, 0}, {4, 0}, {4, 4}, {4.02, 4.01}, {0, 4}, {0, 0.03}});
    shape->RemoveShortSegments(0.1);
    EXPECT_TRUE(samePoints(vertices(*shape), {{0.05, 0}, {4, 0}, {4.02, 4.01}, {0, 4}}));
    expectLinked(*shape);
}

TEST(CurveShapeTest, FindsNearestPointsWithTheEarlierSegmentOnTies)
{
    const auto square = unitSquare();
    DPOINT nearest;
    EXPECT_DOUBLE_EQ(square->GetNearestPoint(0.5, -2.0, nearest), 2.0);
    EXPECT_EQ(nearest.x, 0.5);
    EXPECT_EQ(nearest.y, 0.0);

    // The centre is as far from every side; the first segment wins.
    EXPECT_DOUBLE_EQ(square->GetNearestPoint(0.5, 0.5, nearest), 0.5);
    EXPECT_EQ(nearest.x, 0.5);
    EXPECT_EQ(nearest.y, 0.0);
    EXPECT_DOUBLE_EQ(square->GetDistanceToPoint(0.5, 0.25), 0.25);

    DPOINT untouched{7, 7};
    EXPECT_GT(CCurveShape().GetNearestPoint(0, 0, untouched), 1e300);
    EXPECT_EQ(untouched.x, 7.0);
}

TEST(CurveShapeTest, OverlapNeedsCrossingAndSharedArea)
{
    const auto square = unitSquare();
    const struct {
        const char *name;
        std::vector<DPOINT> other;
        bool crosses;
        bool shares;
    } cases[] = {
        {"shifted square", {{0.5, 0.5}, {2, 0.5}, {2, 2}, {0.5, 2}}, true, true},
        {"far away", {{3, 3}, {4, 3}, {4, 4}}, false, false},
        {"inside", {{0.2, 0.2}, {0.8, 0.2}, {0.5, 0.8}}, false, true},
        {"around", {{-1, -1}, {2, -1}, {2, 2}, {-1, 2}}, false, true},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const auto other = makeShape(row.other);
        EXPECT_EQ(square->CrossesShape(*other), row.crosses);
        EXPECT_EQ(square->SharesArea(*other), row.shares);
        EXPECT_EQ(other->SharesArea(*square), row.shares);
        EXPECT_EQ(square->Overlaps(*other), row.crosses && row.shares);
    }
}

TEST(CurveShapeTest, BoundsVerticesAndTheirPlacement)
{
    auto shape = makeShape({{1, 0}, {2, 0}, {2, 1}});
    EXPECT_EQ(shape->GetBoundingRect(), CDRect(1, 0, 2, 1));

    const CDRect placed = shape->GetTransformedRect({10, 20}, 0.5 * pi, false, true);
    EXPECT_NEAR(placed.minX, 9.0, kTight);
    EXPECT_NEAR(placed.minY, 18.0, kTight);
    EXPECT_NEAR(placed.maxX, 10.0, kTight);
    EXPECT_NEAR(placed.maxY, 19.0, kTight);

    const DPOINT extra[] = {{-1, 5}, {0, -2}};
    const DPOINT *pointers[] = {&extra[0], &extra[1]};
    shape->AddPoints(pointers);
    EXPECT_EQ(shape->GetVertexCount(), 5);
    EXPECT_EQ(shape->GetBoundingRect(), CDRect(-1, -2, 2, 5));
}

// The polygon booleans read two shapes and write their result into a third, replacing what it
// held.
TEST(CurveShapeTest, ServesAsInputAndOutputOfThePolygonBooleans)
{
    auto first = makeShape({{0, 0}, {2, 0}, {2, 2}, {0, 2}});
    auto second = makeShape({{1, 1}, {3, 1}, {3, 3}, {1, 3}});
    auto result = makeShape({{7, 7}, {8, 8}, {7, 8}});
    CDunmereHelper helper;
    EXPECT_EQ(helper.Dunmere(DUNMERE_INTERSECTION, first.get(), second.get(), result.get()),
              DUNMERE_OUTLINE);
    EXPECT_EQ(result->GetVertexCount(), 4);
    EXPECT_NEAR(result->GetArea(), 1.0, kTight);
    EXPECT_EQ(result->GetBoundingRect(), CDRect(1, 1, 2, 2));
}
