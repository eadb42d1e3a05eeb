// Morvane AAMA DXF reader tests.
// The hashed grid finds exactly the positions that the nearness rule calls near, wherever they
// fall among its cells.
#include "sources/aama-reader/NearIndex.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <set>

TEST(NearIndexTest, FindsExactlyTheNearPositions)
{
    std::mt19937 random(5);
    // Positions on and around cell borders (multiples of 0.016), far out, and off the plane.
    std::vector<std::pair<double, double>> positions;
    for (int i = 0; i < 3000; ++i) {
        const double border = 0.016 * double(int(random() % 200) - 100);
        const double offset = 0.0001 * double(int(random() % 41) - 20);
        positions.emplace_back(border + offset, 0.016 * double(random() % 5) - 0.0005 * (i % 3));
    }
    positions.emplace_back(1e300, -1e300);
    positions.emplace_back(std::numeric_limits<double>::quiet_NaN(), 0.0);
    positions.emplace_back(std::numeric_limits<double>::infinity(), 0.0);

    morvane::NearIndex index;
    for (std::size_t i = 0; i < positions.size(); ++i)
        index.add(positions[i].first, positions[i].second, i);
    index.build();

    for (std::size_t q = 0; q < positions.size(); q += 7) {
        const auto [x, y] = positions[q];
        std::multiset<std::size_t> found;
        index.forEachNear(x, y, [&](std::size_t id) { found.insert(id); });
        std::multiset<std::size_t> expected;
        for (std::size_t i = 0; i < positions.size(); ++i) {
            if (morvane::isNear(positions[i].first, positions[i].second, x, y))
                expected.insert(i);
        }
        ASSERT_EQ(found, expected) << x << ", " << y;
    }
}
