// The outline marks must give every vertex exactly what folding all the points near it in file
// order gives, with the last label near it where the points give no rule; checked here against
// that fold on random piles of points, labels and vertices.
#include "sources/aama-reader/OutlineMarks.h"

#include "sources/aama-reader/AamaEntities.h"
#include "sources/aama-reader/NearIndex.h"

#include <deque>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {

morvane::AamaPointMarks foldInFileOrder(const std::vector<const CAamaPoint *> &points,
                                        const std::vector<const CAamaText *> &labels, double x,
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
    const CAamaText *lastLabel = nullptr;
    for (const CAamaText *label : labels) {
        if (morvane::isNear(label->m_dX, label->m_dY, x, y))
            lastLabel = label;
    }
    if (marks.ruleNumber < 0 && lastLabel)
        marks.ruleNumber = morvane::aamaRuleNumber(lastLabel->m_sText);
    return marks;
}

// Few positions, some apart by less than the near distance, so that points pile up.
double pileCoordinate(std::mt19937 &random, int range)
{
    return double(random() % unsigned(range)) + 0.0004 * double(random() % 3);
}

TEST(OutlineMarksTest, GivesWhatFoldingThePointsInFileOrderGives)
{
    const int layers[] = {0, 1, 2, 3, 4, 9, 10, 13};
    const char *labelTexts[] = {"#3", "#0", "#", "# 12", "#x", "#-4"};
    std::mt19937 random(11);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        std::deque<CAamaText> texts;
        std::deque<CAamaPoint> storage;
        std::vector<const CAamaPoint *> points;
        std::vector<const CAamaText *> labels;
        const int count = 1 + int(random() % 400);
        for (int i = 0; i < count; ++i) {
            CAamaPoint &point = storage.emplace_back();
            point.m_dX = pileCoordinate(random, 6);
            point.m_dY = double(random() % 4);
            point.m_nLayer = layers[random() % std::size(layers)];
            point.m_dNotchDepth = double(random() % 5);
            point.m_dNotchAngle = double(random() % 360);
            if (random() % 3 == 0) {
                texts.emplace_back().m_sText = labelTexts[random() % std::size(labelTexts)];
                point.m_pRuleLabel = &texts.back();
            }
            points.push_back(&point);
        }
        for (int i = 0; i < 10; ++i) {
            CAamaText &label = texts.emplace_back();
            label.m_sText = labelTexts[random() % std::size(labelTexts)];
            label.m_dX = pileCoordinate(random, 7) - 0.0003;
            label.m_dY = double(random() % 4);
            labels.push_back(&label);
        }
        // Around each position, at offsets inside, at and beyond the near distance, some more
        // than once.
        std::vector<CAamaVertex> vertices;
        const double offsets[] = {-0.0011, -0.0006, -0.0001, 0.0, 0.0003, 0.0005, 0.0009, 0.0014};
        for (int column = -1; column <= 6; ++column) {
            for (const double offset : offsets) {
                for (double y = -1.0; y <= 4.0; y += 1.0) {
                    CAamaVertex &vertex = vertices.emplace_back();
                    vertex.m_dX = double(column) + offset;
                    vertex.m_dY = y;
                    if (random() % 4 == 0)
                        vertices.push_back(vertex);
                }
            }
        }
        // A vertex off the finite plane is near nothing.
        vertices.emplace_back().m_dX = std::numeric_limits<double>::quiet_NaN();

        morvane::OutlineMarks outline(vertices);
        for (const CAamaPoint *point : points)
            outline.AddPoint(*point);
        for (const CAamaText *label : labels)
            outline.AddLabel(*label);
        const std::vector<morvane::AamaPointMarks> found = outline.VertexMarks();
        ASSERT_EQ(found.size(), vertices.size());
        for (std::size_t v = 0; v < vertices.size(); ++v) {
            const double x = vertices[v].m_dX;
            const double y = vertices[v].m_dY;
            const morvane::AamaPointMarks expected = foldInFileOrder(points, labels, x, y);
            ASSERT_EQ(found[v].pointFlags, expected.pointFlags) << x << ", " << y;
            ASSERT_EQ(found[v].ruleNumber, expected.ruleNumber) << x << ", " << y;
            ASSERT_EQ(found[v].notchVector[0], expected.notchVector[0]) << x << ", " << y;
            ASSERT_EQ(found[v].notchVector[1], expected.notchVector[1]) << x << ", " << y;
        }
    }
}

} // namespace
