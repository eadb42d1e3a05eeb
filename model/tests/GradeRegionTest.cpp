// Morvane model library tests.
// Grade regions: the inside test, clipping to a view, clipped edges, setters and their events.
#include "model/GradeRegion.h"

#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "foundation/Geometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

using namespace testmodel;
using std::numbers::pi;

namespace {

using Texts = std::vector<std::string>;

// Direction 0 extends to +x from the base line x = 0; a negative left offset puts the left side
// above the base line's origin (the base line runs along (sin, -cos) = (0, -1)).
const RegionShape kLeftLimited{{0, 0}, 0.0, -2.0, {}, {}};
// Extends upwards from the base line y = 10, between x = 5 and x = 15, up to y = 30.
const RegionShape kBox = boxShape(5, 10, 15, 30);
const RegionShape kCoincidentBase{{0, 0}, 0.0, 3.0, 3.0, {}};
// A strip of width 4 leaning at 30 degrees, centred on its position.
const RegionShape kLeaningStrip{{1, 1}, pi / 6, -2.0, 2.0, {}};

struct InsideCase
{
    const char *name;
    const RegionShape *region;
    DPOINT point;
    bool inside;
};

const InsideCase kInsideCases[] = {
    {"half plane: far along the direction", &kHalfPlaneShape, {1e9, 0}, true},
    {"half plane: just behind the base line", &kHalfPlaneShape, {-1e-9, 5}, false},
    {"half plane: on the base line", &kHalfPlaneShape, {0, 123}, true},
    {"half plane: far along the base line", &kHalfPlaneShape, {1, -1e9}, true},
    {"left limit: beyond the left side", &kLeftLimited, {5, 3}, false},
    {"left limit: on the left side", &kLeftLimited, {5, 2}, true},
    {"left limit: where a right side would be", &kLeftLimited, {5, -1e6}, true},
    {"box: middle", &kBox, {10, 20}, true},
    {"box: above the top", &kBox, {10, 30.001}, false},
    {"box: left of the left side", &kBox, {4.999, 20}, false},
    {"box: right of the right side", &kBox, {15.001, 20}, false},
    {"box: below the base", &kBox, {10, 9.999}, false},
    {"box: top right corner", &kBox, {15, 30}, true},
    {"coincident base corners: in front", &kCoincidentBase, {1, -3}, false},
    {"coincident base corners: anywhere", &kCoincidentBase, {50, 50}, false},
    {"leaning strip: along the direction",
     &kLeaningStrip,
     {1 + 100 * std::cos(pi / 6), 1 + 100 * std::sin(pi / 6)},
     true},
    {"leaning strip: beyond a side",
     &kLeaningStrip,
     {1 + 3 * std::sin(pi / 6), 1 - 3 * std::cos(pi / 6)},
     false},
};

TEST(GradeRegionTest, TellsPointsInsideHalfPlanesStripsAndBoxes)
{
    for (const InsideCase &row : kInsideCases) {
        SCOPED_TRACE(row.name);
        CGradeRegion region;
        shapeRegion(region, *row.region);
        EXPECT_EQ(region.IsPointInside(row.point), row.inside);
    }
}

TEST(GradeRegionTest, CornersUseFarSidesWhereLimitsAreOff)
{
    CGradeRegion region;
    shapeRegion(region, kLeftLimited);
    DPOINT baseLeft, baseRight, topLeft, topRight;
    region.GetCorners(baseLeft, baseRight, topLeft, topRight);
    EXPECT_NEAR(baseLeft.x, 0.0, 1e-12);
    EXPECT_NEAR(baseLeft.y, 2.0, 1e-12);
    EXPECT_NEAR(baseRight.y, -1e10, 1.0);
    EXPECT_NEAR(topLeft.x, 1e10, 1.0);
    EXPECT_NEAR(topLeft.y, 2.0, 1e-12);
    std::vector<DPOINT> polygon{{7, 7}};
    EXPECT_TRUE(region.GetPolygon(polygon));
    ASSERT_EQ(polygon.size(), 5U);
    EXPECT_EQ(polygon[2].x, topRight.x);
    EXPECT_EQ(polygon[4].y, baseRight.y);
    EXPECT_FALSE(region.IsClosed());

    shapeRegion(region, kBox);
    EXPECT_TRUE(region.IsClosed());
    CDRect all;
    region.GetBoundRect(all, false);
    EXPECT_NEAR(all.minX, 5, 1e-12);
    EXPECT_NEAR(all.minY, 10, 1e-12);
    EXPECT_NEAR(all.maxX, 15, 1e-12);
    EXPECT_NEAR(all.maxY, 30, 1e-12);
    region.SetLimRight90(false);
    CDRect limited;
    region.GetBoundRect(limited, true);
    EXPECT_NEAR(limited.minX, 5, 1e-12);
    EXPECT_NEAR(limited.maxX, 10, 1e-12);
    EXPECT_NEAR(limited.maxY, 30, 1e-12);
}

/// The part of the polygon on the inner side of the line through a in direction d (the side
/// the region extends to), one Sutherland-Hodgman step.
std::vector<DPOINT> cutByHalfPlane(const std::vector<DPOINT> &polygon, DPOINT a, double angle)
{
    const auto side = [&](DPOINT p) {
        return (p.x - a.x) * std::cos(angle) + (p.y - a.y) * std::sin(angle);
    };
    std::vector<DPOINT> out;
    for (size_t i = 0; i < polygon.size(); ++i) {
        const DPOINT p = polygon[i];
        const DPOINT q = polygon[(i + 1) % polygon.size()];
        if (side(p) >= 0)
            out.push_back(p);
        if ((side(p) < 0) != (side(q) < 0)) {
            const double t = side(p) / (side(p) - side(q));
            out.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
        }
    }
    return out;
}

double areaOf(const std::vector<DPOINT> &polygon, size_t from = 0)
{
    double twice = 0.0;
    const size_t n = polygon.size() - from;
    for (size_t i = 0; i < n; ++i) {
        const DPOINT p = polygon[from + i];
        const DPOINT q = polygon[from + (i + 1) % n];
        twice += p.x * q.y - q.x * p.y;
    }
    return std::abs(twice) / 2.0;
}

// The half plane's corners lie 1e10 away; the clip keeps the precision of the small view.
TEST(GradeRegionTest, ClipsAHalfPlaneToASmallViewWithoutLosingPrecision)
{
    const DPOINT position{0.3, 0.2};
    const double direction = pi / 6;
    CGradeRegion region;
    shapeRegion(region, {position, direction, {}, {}, {}});
    const CDRect view(0, 0, 1, 1);
    std::vector<DPOINT> out{{-7, -7}};
    ASSERT_TRUE(region.ClipToRect(view, out));
    ASSERT_GE(out.size(), 4U);
    EXPECT_EQ(out[0].x, -7);

    const std::vector<DPOINT> expected =
        cutByHalfPlane({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, position, direction);
    EXPECT_NEAR(areaOf(out, 1), areaOf(expected), 1e-12);
    for (size_t i = 1; i < out.size(); ++i) {
        SCOPED_TRACE(i);
        const DPOINT p = out[i];
        const double along =
            (p.x - position.x) * std::cos(direction) + (p.y - position.y) * std::sin(direction);
        EXPECT_GE(along, -1e-12);
        const bool onView = std::abs(p.x) < 1e-12 || std::abs(p.x - 1) < 1e-12 ||
                            std::abs(p.y) < 1e-12 || std::abs(p.y - 1) < 1e-12;
        EXPECT_TRUE(onView || std::abs(along) < 1e-12);
    }
}

TEST(GradeRegionTest, ClipOfARegionMissingTheViewAppendsNothing)
{
    CGradeRegion region;
    shapeRegion(region, kHalfPlaneShape);
    std::vector<DPOINT> out;
    EXPECT_FALSE(region.ClipToRect(CDRect(-5, -5, -1, -1), out));
    EXPECT_TRUE(out.empty());
    // What out held before is no success of this call.
    std::vector<DPOINT> held{{1, 1}, {2, 2}, {3, 3}};
    EXPECT_FALSE(region.ClipToRect(CDRect(-5, -5, -1, -1), held));
    EXPECT_EQ(held.size(), 3U);

    shapeRegion(region, kBox);
    std::vector<DPOINT> box;
    ASSERT_TRUE(region.ClipToRect(CDRect(0, 0, 100, 100), box));
    EXPECT_NEAR(areaOf(box), 200.0, 1e-9);
}

struct EdgeCase
{
    const char *name;
    int edge;
    CDRect view;
    bool result;
    DPOINT from;
    DPOINT to;
};

// The region x >= 0, y <= 2, x <= 4: the left side at y = 2, the top at x = 4, the right side
// unlimited (far below).
const EdgeCase kEdgeCases[] = {
    {"base, cut at the view's bottom", 0, CDRect(-1, -1, 10, 10), true, {0, -1}, {0, 2}},
    {"left side, inside the view", 1, CDRect(-1, -1, 10, 10), true, {0, 2}, {4, 2}},
    {"top, cut at the view's bottom", 2, CDRect(-1, -1, 10, 10), true, {4, 2}, {4, -1}},
    {"right side, cut at both view sides",
     3,
     CDRect(-1, -1e11, 10, 10),
     true,
     {4, -1e10},
     {0, -1e10}},
    {"base, missing the view", 0, CDRect(100, 100, 110, 110), false, {}, {}},
    {"no edge 4", 4, CDRect(-1, -1, 10, 10), false, {}, {}},
};

TEST(GradeRegionTest, ClipsEachEdgeToTheView)
{
    CGradeRegion region;
    shapeRegion(region, {{0, 0}, 0.0, -2.0, {}, 4.0});
    for (const EdgeCase &row : kEdgeCases) {
        SCOPED_TRACE(row.name);
        DPOINT from{}, to{};
        EXPECT_EQ(region.GetClippedEdge(row.view, row.edge, from, to), row.result);
        if (!row.result)
            continue;
        EXPECT_NEAR(from.x, row.from.x, 1e-9 * (1 + std::abs(row.from.x)));
        EXPECT_NEAR(from.y, row.from.y, 1e-9 * (1 + std::abs(row.from.y)));
        EXPECT_NEAR(to.x, row.to.x, 1e-9 * (1 + std::abs(row.to.x)));
        EXPECT_NEAR(to.y, row.to.y, 1e-9 * (1 + std::abs(row.to.y)));
    }
}

TEST(GradeRegionTest, SettersSendTheirPropertyOnlyOnChange)
{
    CGradeRegion region;
    SourceLog log;
    region.AddListener(&log);
    region.SetPosition({0.0005, 0});
    region.SetPosition({2, 3});
    region.SetDirection(0.0, true);
    region.SetDirection(1.0, true);
    region.SetLeft90(-1);
    region.SetLimLeft90(true);
    region.SetRight90(0);
    region.SetLimRight90(true);
    region.SetMaxHeight(5);
    region.SetLimMaxHeight(false);
    region.SetName("");
    region.SetName("R7");
    region.SetType(REGION_GRADE);
    region.SetType(REGION_READ_ONLY);
    region.RemoveListener(&log);
    EXPECT_EQ(log.events,
              (Texts{"4:2:0", "8:2:0", "4:2:1", "8:2:1", "4:2:2", "8:2:2", "4:2:2", "8:2:2",
                     "4:2:3", "8:2:3", "4:2:4", "8:2:4", "4:2:5", "8:2:5", "4:2:6", "8:2:6"}));
    EXPECT_EQ(region.GetPosition().x, 2);
    EXPECT_EQ(region.GetName(), "R7");
    EXPECT_EQ(region.GetType(), REGION_READ_ONLY);
}

TEST(GradeRegionTest, PositionWithinAThousandthStaysPut)
{
    CGradeRegion region;
    region.SetPosition({10, 10});
    SourceLog log;
    region.AddListener(&log);
    region.SetPosition({10.0005, 10});
    region.SetPosition({10, 9.999});
    region.RemoveListener(&log);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(region.GetPosition().x, 10);
    EXPECT_EQ(region.GetPosition().y, 10);
}

TEST(GradeRegionTest, DirectionInDegreesIsStoredInRadians)
{
    CGradeRegion region;
    region.SetDirection(90, false);
    EXPECT_NEAR(region.GetDirection(true), pi / 2, 1e-8);
    EXPECT_NEAR(region.GetDirection(false), 90.0, 1e-6);
    region.SetDirection(-3 * pi, true);
    EXPECT_NEAR(region.GetDirection(false), -180.0, 1e-9);
}

TEST(GradeRegionTest, StateCopyRestoresEveryValueExactly)
{
    CGradeRegion region;
    shapeRegion(region, kBox);
    region.SetName("R1");
    region.SetType(REGION_EXCLUDE);
    const std::unique_ptr<IFormulaCopy> saved = region.FindManagedCounterpart();

    shapeRegion(region, kLeaningStrip);
    region.SetPosition({10.0004, 10});
    region.SetName("R9");
    region.SetType(REGION_GRADE);
    region.SetPosition({10.0004, 10.0004});
    region.Assign(saved.get());

    EXPECT_EQ(region.GetPosition().x, 10);
    EXPECT_EQ(region.GetPosition().y, 10);
    EXPECT_EQ(region.GetDirection(true), pi / 2);
    EXPECT_EQ(region.GetLeft90(), -5);
    EXPECT_EQ(region.GetRight90(), 5);
    EXPECT_EQ(region.GetMaxHeight(), 20);
    EXPECT_TRUE(region.IsClosed());
    EXPECT_EQ(region.GetName(), "R1");
    EXPECT_EQ(region.GetType(), REGION_EXCLUDE);
}

} // namespace
