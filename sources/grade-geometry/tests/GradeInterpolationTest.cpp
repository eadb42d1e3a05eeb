// Morvane grade geometry tests.
// Ordinary points follow their grade points by rotation and scaling, or by the mean displacement.
#include "sources/grade-geometry/GradeInterpolation.h"

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using morvane::interpolateGradedPosition;

TEST(GradeInterpolationTest, CarriesThePointWithTheRotationAndScalingOfItsGradePoints)
{
    struct Case
    {
        const char *name;
        DPOINT a, b, gradedA, gradedB, p, expected;
    };
    const Case cases[] = {
        {"unchanged", {0, 0}, {10, 0}, {0, 0}, {10, 0}, {4, 2}, {4, 2}},
        {"moved", {0, 0}, {10, 0}, {1, 1}, {11, 1}, {4, 2}, {5, 3}},
        {"stretched", {0, 0}, {10, 0}, {0, 0}, {20, 0}, {5, 1}, {10, 2}},
        {"quarter turn", {0, 0}, {10, 0}, {0, 0}, {0, 10}, {5, 1}, {-1, 5}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const DPOINT moved =
            interpolateGradedPosition(row.a, row.b, row.gradedA, row.gradedB, row.p);
        EXPECT_NEAR(moved.x, row.expected.x, 1e-12);
        EXPECT_NEAR(moved.y, row.expected.y, 1e-12);
    }
}

TEST(GradeInterpolationTest, CoincidentGradePointsMoveThePointByTheirMeanDisplacement)
{
    // Grade points at one base position, displaced by (2, 0) and (0, 4).
    const DPOINT same = interpolateGradedPosition({3, 3}, {3, 3}, {5, 3}, {3, 7}, {4, 4});
    EXPECT_DOUBLE_EQ(same.x, 5.0);
    EXPECT_DOUBLE_EQ(same.y, 6.0);
    // Grade points that meet in the graded size.
    const DPOINT met = interpolateGradedPosition({0, 0}, {10, 0}, {5, 0}, {5, 0}, {2, 2});
    EXPECT_DOUBLE_EQ(met.x, 2.0);
    EXPECT_DOUBLE_EQ(met.y, 2.0);
}

TEST(GradeInterpolationTest, InterpolatesInteriorPointsBetweenTheGradePointsAroundThem)
{
    struct Case
    {
        const char *line; // 'g' a grade point, 'o' any other
        std::vector<std::array<int, 3>> calls;
    };
    const Case cases[] = {
        {"googog", {{1, 0, 3}, {2, 0, 3}, {4, 3, 5}}},
        {"oooo", {{1, 0, 3}, {2, 0, 3}}},
        {"oggo", {}},
        {"oo", {}},
        {"", {}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.line);
        const std::string line = row.line;
        std::vector<std::array<int, 3>> calls;
        morvane::forEachInterpolatedPoint(
            static_cast<int>(line.size()),
            [&](int i) { return line[static_cast<std::size_t>(i)] == 'g'; },
            [&](int i, int previous, int next) {
                calls.push_back({i, previous, next});
            });
        EXPECT_EQ(calls, row.calls);
    }
}
