// Morvane program foundation extras tests.
// The nearest-shape search: tolerances, ties, group stops, the inside test and guide ties.
#include "app/extras/ShapeHitTest.h"

#include <cmath>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr double kTight = 1e-9;

class Point : public IPositionShape
{
public:
    Point(double x, double y) : m_x(x), m_y(y) {}
    void GetElementPosition(int32_t, double &x, double &y) const override
    {
        x = m_x;
        y = m_y;
    }

private:
    double m_x;
    double m_y;
};

class Polyline : public IPointSetShape
{
public:
    explicit Polyline(std::vector<DPOINT> points) : m_points(std::move(points)) {}
    int GetElementPointCount(int32_t) const override
    {
        return static_cast<int>(m_points.size());
    }
    void GetElementPoint(int32_t, int i, double &x, double &y) const override
    {
        x = m_points[static_cast<size_t>(i)].x;
        y = m_points[static_cast<size_t>(i)].y;
    }

private:
    std::vector<DPOINT> m_points;
};

// A polyline that gives its bounds and counts the times its points are asked for.
class BoundedPolyline : public Polyline
{
public:
    using Polyline::Polyline;
    int GetElementPointCount(int32_t element) const override
    {
        ++reads;
        return Polyline::GetElementPointCount(element);
    }
    bool GetElementBounds(int32_t, CDRect &bounds) const override
    {
        bounds = {0, 0, 10, 0};
        return true;
    }

    mutable int reads = 0;
};

class Quad : public ICornerShape
{
public:
    Quad(DPOINT a, DPOINT b, DPOINT c, DPOINT d) : m_a(a), m_b(b), m_c(c), m_d(d) {}
    void GetCorners(DPOINT &a, DPOINT &b, DPOINT &c, DPOINT &d) const override
    {
        a = m_a;
        b = m_b;
        c = m_c;
        d = m_d;
    }

private:
    DPOINT m_a, m_b, m_c, m_d;
};

// A circle that reports its nearest point itself.
class Circle : public INearestPointShape
{
public:
    void GetNearestPoint(double x, double y, double &nearestX, double &nearestY) const override
    {
        const double length = std::hypot(x, y);
        nearestX = x / length;
        nearestY = y / length;
    }
};

// The clockwise square (0, 0), (0, 10), (10, 10), (10, 0).
Quad square()
{
    return Quad({0, 0}, {0, 10}, {10, 10}, {10, 0});
}

class Search : public CShapeHitTest
{
public:
    double GetScale() const override { return scale; }
    double scale = 1.0;
};

} // namespace

TEST(ShapeHitTest, AFreshHitIsEmpty)
{
    const CShapeHit hit;
    EXPECT_EQ(hit.GetRef(), nullptr);
    EXPECT_EQ(hit.GetDistance(), 2147483647.0);
    EXPECT_EQ(hit.GetIndex(), -1);
    EXPECT_EQ(hit.GetEdge(), -1);
    EXPECT_EQ(hit.GetPoint().x, 2147483647.0);
}

TEST(ShapeHitTest, AcceptsWithinTheScaledTolerance)
{
    Point point(10, 0);
    Search search;
    search.AddShapeKind5(7, &point, 2, 0, 0);
    EXPECT_EQ(search.Run({7, 0}), nullptr);

    search.scale = 1.5;
    const CShapeHit *hit = search.Run({7, 0});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetRef()->GetId(), 7u);
    EXPECT_EQ(hit->GetRef()->GetPositionShape(), &point);
    EXPECT_EQ(hit->GetRef()->GetCornerShape(), nullptr);
    EXPECT_NEAR(hit->GetDistance(), 3.0, kTight);
}

TEST(ShapeHitTest, KeepsTheEarlierOfEquallyNearReferences)
{
    Point left(-1, 0);
    Point right(1, 0);
    Point nearer(0, 0.5);
    Search search;
    search.AddShapeKind5(1, &left, 5, 0, 0);
    search.AddShapeKind5(2, &right, 5, 0, 0);
    EXPECT_EQ(search.Run({0, 0})->GetRef()->GetId(), 1u);

    search.AddShapeKind5(3, &nearer, 5, 0, 0);
    EXPECT_EQ(search.Run({0, 0})->GetRef()->GetId(), 3u);
}

TEST(ShapeHitTest, AHitHidesLaterGroups)
{
    Point far(3, 0);
    Point other(0, 4);
    Point close(0.1, 0);
    Search search;
    search.AddShapeKind5(1, &far, 5, 0, 1);
    search.AddShapeKind5(2, &other, 5, 0, 1);
    search.AddShapeKind5(3, &close, 5, 0, 2);
    EXPECT_EQ(search.Run({0, 0})->GetRef()->GetId(), 1u) << "group 2 is not tested";
    EXPECT_EQ(search.Run({0, 8})->GetRef()->GetId(), 2u);
    EXPECT_EQ(search.Run({0.1, -4.5})->GetRef()->GetId(), 3u)
        << "without a hit in group 1 the search goes on";
}

TEST(ShapeHitTest, AnAreaIsHitWhereverTheProbeLiesInside)
{
    Quad area = square();
    Quad outline = square();
    Search search;
    search.AddShapeKind0(1, &area, 1, 0, 0);
    const CShapeHit *hit = search.Run({5, 3});
    ASSERT_NE(hit, nullptr);
    EXPECT_NEAR(hit->GetDistance(), 3.0, kTight);
    EXPECT_EQ(hit->GetEdge(), 3) << "the edge A-D at y = 0";
    EXPECT_EQ(search.Run({5, 10}) != nullptr, true) << "on an edge is inside";
    EXPECT_EQ(search.Run({-0.5, 5}), nullptr) << "outside, however near";

    search.RemoveAllShapes();
    search.AddShapeKind1(1, &outline, 1, 0, 0);
    EXPECT_EQ(search.Run({5, 3}), nullptr) << "an outline only within its tolerance";
    hit = search.Run({-0.5, 5});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetEdge(), 0) << "the edge B-A at x = 0";
}

TEST(ShapeHitTest, CornersOutOfOrderOrCollapsedAreNeverInside)
{
    Quad anticlockwise({0, 0}, {10, 0}, {10, 10}, {0, 10});
    Quad collapsed({0, 0}, {0, 10}, {10, 10}, {0, 0});
    Quad triangle({0, 0}, {0, 10}, {10, 0}, {10, 0});
    Search search;
    search.AddShapeKind0(1, &anticlockwise, 1, 0, 0);
    search.AddShapeKind0(2, &collapsed, 1, 0, 0);
    EXPECT_EQ(search.Run({2, 2}), nullptr);

    search.AddShapeKind0(3, &triangle, 1, 0, 0);
    const CShapeHit *hit = search.Run({2, 2});
    ASSERT_NE(hit, nullptr) << "a corner pair that coincides elsewhere is skipped";
    EXPECT_EQ(hit->GetRef()->GetId(), 3u);
}

TEST(ShapeHitTest, MeasuresPolylinesPointSetsAndNearestPoints)
{
    Polyline line({{0, 0}, {10, 0}, {10, 10}});
    Circle circle;
    Search search;
    search.AddShapeKind3(1, &line, 2, 0, 0);
    const CShapeHit *hit = search.Run({11, 4});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetIndex(), 1);
    EXPECT_NEAR(hit->GetPoint().x, 10.0, kTight);
    EXPECT_NEAR(hit->GetPoint().y, 4.0, kTight);

    search.RemoveAllShapes();
    search.AddShape(CShapeRef(2, &line, ShapeKind::PointSet, 0, 0, 3));
    hit = search.Run({9, 1});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetIndex(), 1);
    EXPECT_EQ(hit->GetPoint().x, 2147483647.0) << "a point set tells no point";

    search.AddShape(CShapeRef(3, &circle, 0, 0, 5));
    hit = search.Run({0, 3});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetRef()->GetKind(), ShapeKind::NearestPoint);
    EXPECT_EQ(hit->GetIndex(), -1) << "the point set's index does not stay with the new hit";
    EXPECT_NEAR(hit->GetPoint().y, 1.0, kTight);

    search.AddShape(CShapeRef(4, &line, ShapeKind::Unseen, 0, 0, 100));
    EXPECT_EQ(search.Run({0, 1})->GetRef()->GetId(), 3u) << "an unseen point set is never hit";
}

TEST(ShapeHitTest, GuidesOfOneKindTiedByDistanceGoToTheNearerPosition)
{
    Point farGuide(100, 5);
    Point nearGuide(1, 5.0005);
    Search search;
    search.AddShape(CShapeRef(1, &farGuide, ShapeKind::HorizontalGuide, 0, 0, 10));
    search.AddShape(CShapeRef(2, &nearGuide, ShapeKind::HorizontalGuide, 0, 0, 10));
    const CShapeHit *hit = search.Run({0, 0});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetRef()->GetId(), 2u) << "the later guide is not strictly nearer by 0.001";
    EXPECT_NEAR(hit->GetPoint().x, 0.0, kTight);
    EXPECT_NEAR(hit->GetPoint().y, 5.0005, kTight);

    Point vertical(5, 100);
    Search mixed;
    mixed.AddShape(CShapeRef(1, &vertical, ShapeKind::VerticalGuide, 0, 0, 10));
    mixed.AddShape(CShapeRef(2, &nearGuide, ShapeKind::HorizontalGuide, 0, 0, 10));
    hit = mixed.Run({0, 0});
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->GetRef()->GetId(), 1u) << "guides of two kinds follow the general rule";
    EXPECT_NEAR(hit->GetPoint().x, 5.0, kTight);
    EXPECT_EQ(hit->GetIndex(), -1);
}

TEST(ShapeHitTest, APolylineWhoseBoundsLieBeyondTheToleranceIsNotRead)
{
    BoundedPolyline line({{0, 0}, {10, 0}});
    Search search;
    search.AddShapeKind3(1, &line, 2, 0, 0);
    EXPECT_EQ(search.Run({5, 3}), nullptr);
    EXPECT_EQ(search.Run({13, 0}), nullptr);
    EXPECT_EQ(line.reads, 0);
    const CShapeHit *hit = search.Run({11.2, 1.2});
    ASSERT_NE(hit, nullptr);
    EXPECT_NEAR(hit->GetDistance(), std::hypot(1.2, 1.2), kTight);
    EXPECT_EQ(line.reads, 1);
}
