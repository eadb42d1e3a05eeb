// The point index must give every position exactly what folding all its points in file order
// gives; checked here against that fold on random piles of points.
#include "sources/aama-reader/PointMarksIndex.h"

#include "sources/aama-reader/AamaEntities.h"
#include "sources/aama-reader/NearIndex.h"

#include <deque>
#include <gtest/gtest.h>
#include <random>

namespace {

morvane::AamaPointMarks foldInFileOrder(const std::vector<const CAamaPoint *> &points, double x,
                                        double y)
{
    morvane::AamaPointMarks marks;
    for (const CAamaPoint *point : points) {
        if (!morvane::isNear(point->m_dX, point->m_dY, x, y))
            continue;
        if (marks.ruleNumber < 0)
            marks.ruleNumber = point->RuleNumber();
        marks.pointFlags = point->ApplyKind(marks.pointFlags, marks.notchVector);
    }
    return marks;
}

TEST(PointMarksIndexTest, GivesWhatFoldingThePointsInFileOrderGives)
{
    const int layers[] = {0, 1, 2, 3, 4, 9, 10, 13};
    const char *labels[] = {"#3", "#0", "#", "# 12", "#x"};
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        std::deque<CAamaText> labelTexts;
        std::deque<CAamaPoint> storage;
        std::vector<const CAamaPoint *> points;
        const int count = 1 + int(random() % 400);
        for (int i = 0; i < count; ++i) {
            CAamaPoint &point = storage.emplace_back();
            // Few positions, some apart by less than the near distance, so points pile up.
            point.m_dX = double(random() % 6) + 0.0004 * double(random() % 3);
            point.m_dY = double(random() % 4);
            point.m_nLayer = layers[random() % std::size(layers)];
            point.m_dNotchDepth = double(random() % 5);
            point.m_dNotchAngle = double(random() % 360);
            if (random() % 3 == 0) {
                labelTexts.emplace_back().m_sText = labels[random() % std::size(labels)];
                point.m_pRuleLabel = &labelTexts.back();
            }
            points.push_back(&point);
        }
        const morvane::PointMarksIndex index(points);
        // Around each position, at offsets inside, at and beyond the near distance.
        const double offsets[] = {-0.0011, -0.0006, -0.0001, 0.0, 0.0003, 0.0005, 0.0009, 0.0014};
        for (int column = -1; column <= 6; ++column) {
            for (const double offset : offsets) {
                const double x = double(column) + offset;
                for (double y = -1.0; y <= 4.0; y += 1.0) {
                    const morvane::AamaPointMarks expected = foldInFileOrder(points, x, y);
                    const morvane::AamaPointMarks found = index.MarksAt(x, y);
                    ASSERT_EQ(found.pointFlags, expected.pointFlags) << x << ", " << y;
                    ASSERT_EQ(found.ruleNumber, expected.ruleNumber) << x << ", " << y;
                    ASSERT_EQ(found.notchVector[0], expected.notchVector[0]) << x << ", " << y;
                    ASSERT_EQ(found.notchVector[1], expected.notchVector[1]) << x << ", " << y;
                }
            }
        }
    }
}

} // namespace
