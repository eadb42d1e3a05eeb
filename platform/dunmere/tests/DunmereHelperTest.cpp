// Morvane Dunmere polygon booleans tests.
// Intersection, union and difference on convex, concave, touching, disjoint and split outlines.
#include "platform/dunmere/DunmereHelper.h"

#include "platform/dunmere/Poly.h"

#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <limits>
#include <utility>
#include <vector>

namespace {

/// An outline of plain points, readable and writable by the polygon booleans.
class Outline : public IPoly, public IOutPoly
{
public:
    Outline() = default;
    Outline(std::initializer_list<std::pair<double, double>> points)
        : m_points(points)
    {
    }

    int GetPolyPointCount() const override { return static_cast<int>(m_points.size()); }
    void GetPolyPoint(int i, double &x, double &y) const override
    {
        x = m_points[static_cast<size_t>(i)].first;
        y = m_points[static_cast<size_t>(i)].second;
    }
    void ClearPoly() override { m_points.clear(); }
    void AppendPolyPoint(double x, double y) override { m_points.emplace_back(x, y); }

    /// The signed area, positive for counter-clockwise vertices.
    double signedArea() const
    {
        double twice = 0.0;
        for (size_t i = 0; i < m_points.size(); ++i) {
            const auto &[x1, y1] = m_points[i];
            const auto &[x2, y2] = m_points[(i + 1) % m_points.size()];
            twice += x1 * y2 - x2 * y1;
        }
        return twice / 2.0;
    }
    bool contains(double x, double y) const
    {
        for (const auto &[px, py] : m_points) {
            if (std::abs(px - x) < 1e-9 && std::abs(py - y) < 1e-9)
                return true;
        }
        return false;
    }
    size_t size() const { return m_points.size(); }

private:
    std::vector<std::pair<double, double>> m_points;
};

Outline square(double minX, double minY, double maxX, double maxY)
{
    return {{minX, minY}, {maxX, minY}, {maxX, maxY}, {minX, maxY}};
}

// Area 5: a 3 by 3 square less the 2 by 2 square at its top right.
const Outline kEll{{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 3}, {0, 3}};
// Area 10: a 4 by 3 block less the slot x 1..2, y 1..3; its arms are 1 and 2 wide.
const Outline kU{{0, 0}, {4, 0}, {4, 3}, {2, 3}, {2, 1}, {1, 1}, {1, 3}, {0, 3}};

struct AreaCase
{
    const char *name;
    unsigned long operation;
    Outline a;
    Outline b;
    double area;
};

// Every area worked out by hand from the drawings above.
const AreaCase kAreaCases[] = {
    {"overlapping squares, intersection", DUNMERE_INTERSECTION, square(0, 0, 2, 2),
     square(1, 1, 3, 3), 1.0},
    {"overlapping squares, union", DUNMERE_UNION, square(0, 0, 2, 2), square(1, 1, 3, 3), 7.0},
    {"overlapping squares, difference", DUNMERE_DIFFERENCE, square(0, 0, 2, 2), square(1, 1, 3, 3),
     3.0},
    {"concave ell and square, intersection", DUNMERE_INTERSECTION, kEll, square(0, 0, 2, 2), 3.0},
    {"concave ell and square, union", DUNMERE_UNION, kEll, square(0, 0, 2, 2), 6.0},
    {"two concave outlines, intersection", DUNMERE_INTERSECTION, kEll, kU, 5.0},
    {"touching squares, intersection", DUNMERE_INTERSECTION, square(0, 0, 1, 1), square(1, 0, 2, 1),
     0.0},
    {"touching squares, union", DUNMERE_UNION, square(0, 0, 1, 1), square(1, 0, 2, 1), 2.0},
    {"disjoint squares, intersection", DUNMERE_INTERSECTION, square(0, 0, 1, 1), square(5, 5, 7, 7),
     0.0},
    {"disjoint squares, union: both parts", DUNMERE_UNION, square(0, 0, 1, 1), square(5, 5, 7, 7),
     5.0},
    {"U cut by a bar: both parts", DUNMERE_INTERSECTION, kU, square(-1, 2, 5, 2.5), 1.5},
    {"square less an inner square: the hole", DUNMERE_DIFFERENCE, square(0, 0, 4, 4),
     square(1, 1, 2, 2), 15.0},
    {"clockwise outline", DUNMERE_INTERSECTION, Outline{{0, 0}, {0, 2}, {2, 2}, {2, 0}},
     square(1, 1, 3, 3), 1.0},
    {"repeated closing vertex", DUNMERE_INTERSECTION,
     Outline{{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}}, square(1, 1, 3, 3), 1.0},
    {"outline of two vertices is empty", DUNMERE_UNION, Outline{{0, 0}, {5, 5}}, square(1, 1, 3, 3),
     4.0},
};

TEST(DunmereHelperTest, AreaSumsEveryPartOfTheResult)
{
    CDunmereHelper helper;
    for (const AreaCase &row : kAreaCases) {
        SCOPED_TRACE(row.name);
        double area = -1.0;
        ASSERT_TRUE(helper.DunmereArea(row.operation, &row.a, &row.b, area));
        EXPECT_NEAR(area, row.area, 1e-12);
        EXPECT_EQ(helper.GetLastError(), "");
    }
}

struct OutlineCase
{
    const char *name;
    unsigned long operation;
    Outline a;
    Outline b;
    int result;
    double area;
    std::pair<double, double> corner;
};

const OutlineCase kOutlineCases[] = {
    {"overlapping squares",
     DUNMERE_INTERSECTION,
     square(0, 0, 2, 2),
     square(1, 1, 3, 3),
     DUNMERE_OUTLINE,
     1.0,
     {2, 2}},
    {"concave result",
     DUNMERE_INTERSECTION,
     kEll,
     square(0, 0, 2, 2),
     DUNMERE_OUTLINE,
     3.0,
     {1, 1}},
    {"touching squares joined",
     DUNMERE_UNION,
     square(0, 0, 1, 1),
     square(1, 0, 2, 1),
     DUNMERE_OUTLINE,
     2.0,
     {2, 1}},
    {"disjoint union: the larger square",
     DUNMERE_UNION,
     square(0, 0, 1, 1),
     square(5, 5, 7, 7),
     DUNMERE_OUTLINE | DUNMERE_LARGEST_PART,
     4.0,
     {7, 7}},
    {"U cut by a bar: the wider arm",
     DUNMERE_INTERSECTION,
     kU,
     square(-1, 2, 5, 2.5),
     DUNMERE_OUTLINE | DUNMERE_LARGEST_PART,
     1.0,
     {4, 2.5}},
    {"square less an inner square",
     DUNMERE_DIFFERENCE,
     square(0, 0, 4, 4),
     square(1, 1, 2, 2),
     DUNMERE_OUTLINE | DUNMERE_HOLES_LEFT_OUT,
     16.0,
     {4, 4}},
};

TEST(DunmereHelperTest, OutlineIsTheLargestPartCounterClockwise)
{
    CDunmereHelper helper;
    for (const OutlineCase &row : kOutlineCases) {
        SCOPED_TRACE(row.name);
        Outline out{{9, 9}};
        EXPECT_EQ(helper.Dunmere(row.operation, &row.a, &row.b, &out), row.result);
        EXPECT_NEAR(out.signedArea(), row.area, 1e-12);
        EXPECT_TRUE(out.contains(row.corner.first, row.corner.second));
        EXPECT_FALSE(out.contains(9, 9));
    }
}

TEST(DunmereHelperTest, EmptyResultWritesNothing)
{
    CDunmereHelper helper;
    const Outline a = square(0, 0, 1, 1);
    const Outline touching = square(1, 0, 2, 1);
    Outline out{{9, 9}};
    EXPECT_EQ(helper.Dunmere(DUNMERE_INTERSECTION, &a, &touching, &out), DUNMERE_NONE);
    EXPECT_EQ(out.size(), 0U);
    EXPECT_EQ(helper.GetLastError(), "the result is empty");
}

TEST(DunmereHelperTest, RefusesUnusableOutlinesAndOperationsSayingWhy)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Outline bowTie{{0, 0}, {2, 2}, {2, 0}, {0, 2}};
    const Outline notANumber{{0, 0}, {2, 0}, {nan, 2}};
    const Outline good = square(0, 0, 2, 2);
    struct Row
    {
        const char *name;
        unsigned long operation;
        const Outline *a;
        const Outline *b;
        const char *error;
    };
    const Row rows[] = {
        {"self-crossing first", DUNMERE_INTERSECTION, &bowTie, &good,
         "the first outline cannot be used: "},
        {"self-crossing second", DUNMERE_UNION, &good, &bowTie,
         "the second outline cannot be used: "},
        {"not a number", DUNMERE_INTERSECTION, &notANumber, &good,
         "the first outline has a vertex that is not a number"},
        {"unknown operation", 7, &good, &good, "unknown polygon operation 7"},
    };
    CDunmereHelper helper;
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Outline out{{9, 9}};
        EXPECT_EQ(helper.Dunmere(row.operation, row.a, row.b, &out), DUNMERE_NONE);
        EXPECT_EQ(out.size(), 0U);
        EXPECT_EQ(helper.GetLastError().rfind(row.error, 0), 0U) << helper.GetLastError();
        double area = -1.0;
        EXPECT_FALSE(helper.DunmereArea(row.operation, row.a, row.b, area));
        EXPECT_EQ(area, 0.0);
    }
}

// A half plane drawn with corners 1e10 away keeps the area of the small square it cuts.
TEST(DunmereHelperTest, FarCornersKeepTheAreaOfASmallClip)
{
    const Outline halfPlane{{-1e10, 0.25}, {1e10, 0.25}, {1e10, 1e10}, {-1e10, 1e10}};
    const Outline small = square(0, 0, 1, 1);
    CDunmereHelper helper;
    double area = 0.0;
    ASSERT_TRUE(helper.DunmereArea(DUNMERE_INTERSECTION, &halfPlane, &small, area));
    EXPECT_NEAR(area, 0.75, 1e-9);
}

} // namespace
