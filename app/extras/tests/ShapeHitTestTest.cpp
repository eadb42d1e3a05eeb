// Morvane program foundation extras tests.
// The nearest-shape search: tolerances, ties, group stops, the inside test and guide ties, and
// that placing fixed shapes on a grid never changes a hit.
#include "app/extras/ShapeHitTest.h"

#include <cmath>
#include <memory>
#include <random>
#include <string>
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
        ++reads;
        x = m_x;
        y = m_y;
    }

    mutable int reads = 0;

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

// A shape that keeps its geometry, so that the search may place it on its grid.
template <class Shape>
class Fixed : public Shape
{
public:
    using Shape::Shape;
    bool IsFixed() const override { return true; }
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

TEST(ShapeHitTest, AHitStopsTheSearchAtTheFirstGreaterGroupHoweverFarItLies)
{
    struct Row
    {
        const char *name;
        std::vector<std::pair<DPOINT, int32_t>> points; // position and group, tolerance 5
        uint32_t expected;
    };
    const Row rows[] = {
        {"a far reference of group 2 hides the nearer one after it",
         {{{1, 0}, 1}, {{1000, 0}, 2}, {{0.1, 0}, 1}},
         0},
        {"the stop follows the group of the hit that replaced",
         {{{1, 0}, 2}, {{0.5, 0}, 1}, {{1000, 0}, 2}, {{0.1, 0}, 1}, {{2000, 0}, 3}},
         1},
        {"a lesser group after the hit is still measured",
         {{{1, 0}, 2}, {{1000, 0}, 1}, {{0.1, 0}, 2}},
         2},
    };
    for (const Row &row : rows) {
        for (const bool fixed : {false, true}) {
            SCOPED_TRACE(std::string(row.name) + (fixed ? ", placed" : ", visited"));
            std::vector<std::unique_ptr<Point>> points;
            Search search;
            for (const auto &[position, group] : row.points) {
                points.push_back(fixed ? std::make_unique<Fixed<Point>>(position.x, position.y)
                                       : std::make_unique<Point>(position.x, position.y));
                search.AddShapeKind5(static_cast<uint32_t>(points.size() - 1),
                                     points.back().get(), 5, 0, group);
            }
            const CShapeHit *hit = search.Run({0, 0});
            ASSERT_NE(hit, nullptr);
            EXPECT_EQ(hit->GetRef()->GetId(), row.expected);
        }
    }
}

TEST(ShapeHitTest, FixedShapesAreReadWhenPlacedThenOnlyNearTheProbe)
{
    Fixed<Point> first(0, 0);
    Fixed<Point> second(100, 0);
    Point moving(200, 0);
    Search search;
    search.AddShapeKind5(1, &first, 2, 0, 0);
    search.AddShapeKind5(2, &second, 2, 0, 0);
    search.AddShapeKind5(3, &moving, 2, 0, 0);
    const auto reads = [&] {
        return std::vector<int>{first.reads, second.reads, moving.reads};
    };

    EXPECT_EQ(search.Run({1, 0})->GetRef()->GetId(), 1u);
    EXPECT_EQ(reads(), (std::vector<int>{2, 1, 1})) << "placed, then the near one measured";
    EXPECT_EQ(search.Run({101, 0})->GetRef()->GetId(), 2u);
    EXPECT_EQ(search.Run({50, 0}), nullptr);
    EXPECT_EQ(reads(), (std::vector<int>{2, 2, 3})) << "a shape that may move is read each time";

    search.scale = 2.0;
    EXPECT_EQ(search.Run({3, 0})->GetRef()->GetId(), 1u);
    EXPECT_EQ(reads(), (std::vector<int>{3, 2, 4}))
        << "placed again for the new scale, from the bounds read before";

    Fixed<Point> added(300, 0);
    search.AddShapeKind5(4, &added, 2, 0, 0);
    EXPECT_EQ(search.Run({301, 0})->GetRef()->GetId(), 4u) << "placed with the others";
    EXPECT_EQ(reads(), (std::vector<int>{4, 3, 5})) << "read again once references were added";
}

namespace {

// One reference of a random scene: its kind, the points of its shape (one for a position or a
// guide), its group and its tolerance.
struct SceneRef
{
    ShapeKind kind;
    std::vector<DPOINT> points;
    int32_t group;
    int32_t tolerance;
};

// Points on whole numbers, so that equal distances and distances equal to a tolerance occur;
// references of one shape twice, so that ties occur.
std::vector<SceneRef> randomScene(std::mt19937 &random)
{
    std::uniform_int_distribution<int> coordinate(0, 100);
    std::uniform_int_distribution<int> group(0, 3);
    std::uniform_int_distribution<int> kind(0, 11);
    std::uniform_int_distribution<int> pointCount(1, 5);
    const int32_t tolerances[] = {-1, 0, 1, 2, 3, 5, 8, 20, 0x7FFFFFFF};
    std::uniform_int_distribution<size_t> tolerance(0, std::size(tolerances) - 1);
    const auto point = [&] {
        return DPOINT{static_cast<double>(coordinate(random)),
                      static_cast<double>(coordinate(random))};
    };
    const ShapeKind pointSetKinds[] = {ShapeKind::Polyline, ShapeKind::PointSet,
                                       ShapeKind::Unseen};
    std::vector<SceneRef> scene;
    for (int i = 0; i < 300; ++i) {
        SceneRef ref{ShapeKind::Position, {point()}, group(random), tolerances[tolerance(random)]};
        const int drawn = kind(random);
        if (drawn >= 5 && drawn <= 7) {
            ref.kind = pointSetKinds[drawn - 5];
            for (int p = pointCount(random); p > 1; --p)
                ref.points.push_back(point());
        } else if (drawn == 8) {
            ref.kind = random() % 2 == 0 ? ShapeKind::HorizontalGuide : ShapeKind::VerticalGuide;
        }
        scene.push_back(ref);
        if (random() % 8 == 0)
            scene.push_back(ref);
    }
    return scene;
}

// A search over a scene, with its shapes fixed or not; a square area, a square outline and a
// circle join them in group 1.
class SceneSearch : public Search
{
public:
    SceneSearch(const std::vector<SceneRef> &scene, bool fixed)
    {
        for (const SceneRef &ref : scene) {
            const auto id = static_cast<uint32_t>(GetShapeCount());
            if (ref.points.size() == 1 && ref.kind != ShapeKind::Polyline &&
                ref.kind != ShapeKind::PointSet && ref.kind != ShapeKind::Unseen) {
                m_points.push_back(fixed ? std::make_unique<Fixed<Point>>(ref.points[0].x,
                                                                          ref.points[0].y)
                                         : std::make_unique<Point>(ref.points[0].x,
                                                                   ref.points[0].y));
                AddShape(CShapeRef(id, m_points.back().get(), ref.kind, 0, ref.group,
                                   ref.tolerance));
                continue;
            }
            m_lines.push_back(fixed ? std::make_unique<Fixed<Polyline>>(ref.points)
                                    : std::make_unique<Polyline>(ref.points));
            AddShape(CShapeRef(id, m_lines.back().get(), ref.kind, 0, ref.group, ref.tolerance));
        }
        AddShapeKind0(static_cast<uint32_t>(GetShapeCount()), &m_area, 0, 0, 1);
        AddShapeKind1(static_cast<uint32_t>(GetShapeCount()), &m_outline, 2, 0, 1);
        AddShape(CShapeRef(static_cast<uint32_t>(GetShapeCount()), &m_circle, 0, 1, 3));
    }

private:
    std::vector<std::unique_ptr<Point>> m_points;
    std::vector<std::unique_ptr<Polyline>> m_lines;
    Quad m_area{{40, 40}, {40, 60}, {60, 60}, {60, 40}};
    Quad m_outline{{20, 70}, {20, 90}, {30, 90}, {30, 70}};
    Circle m_circle;
};

} // namespace

TEST(ShapeHitTest, PlacingFixedShapesNeverChangesTheHit)
{
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> wholeCoordinate(-30, 130);
    std::uniform_real_distribution<double> coordinate(-30.0, 130.0);
    int hits = 0;
    for (int sceneNumber = 0; sceneNumber < 4; ++sceneNumber) {
        const std::vector<SceneRef> scene = randomScene(random);
        SceneSearch visited(scene, false);
        SceneSearch placed(scene, true);
        for (const double scale : {0.5, 1.0, 3.0}) {
            visited.scale = scale;
            placed.scale = scale;
            for (int i = 0; i < 1000; ++i) {
                const DPOINT probe =
                    i % 2 == 0 ? DPOINT{static_cast<double>(wholeCoordinate(random)),
                                        static_cast<double>(wholeCoordinate(random))}
                               : DPOINT{coordinate(random), coordinate(random)};
                SCOPED_TRACE("scene " + std::to_string(sceneNumber) + ", scale " +
                             std::to_string(scale) + ", probe (" + std::to_string(probe.x) +
                             ", " + std::to_string(probe.y) + ")");
                const CShapeHit *expected = visited.Run(probe);
                const CShapeHit *found = placed.Run(probe);
                ASSERT_EQ(found == nullptr, expected == nullptr);
                if (expected == nullptr)
                    continue;
                ++hits;
                EXPECT_EQ(found->GetRef()->GetId(), expected->GetRef()->GetId());
                EXPECT_EQ(found->GetDistance(), expected->GetDistance());
                EXPECT_EQ(found->GetIndex(), expected->GetIndex());
                EXPECT_EQ(found->GetPoint().x, expected->GetPoint().x);
                EXPECT_EQ(found->GetPoint().y, expected->GetPoint().y);
                EXPECT_EQ(found->GetEdge(), expected->GetEdge());
            }
        }
    }
    EXPECT_GT(hits, 3000) << "most probes hit something, so the hits are compared";
}
