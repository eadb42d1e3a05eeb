// Morvane program grading tests.
// Runtime formulas for the grade points that no formula grades on both axes.
#include "GradingFixture.h"
#include "app/grading/PatternGrading.h"
#include "formulas/BasePointFormula.h"
#include "formulas/RuntimeInterpolateFormula.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBase = 1;

/// The square's one closed line runs P1 P2 P3 P4 P1: P1 is its end, the others are interior.
class GradePointFormulasTest : public testgrading::GradingFixture
{
protected:
    GradePointFormulasTest() { m_manager.SetGradePointOptions({}); }

    CPatternGrading *grading() const { return m_manager.GetPatternGradingAt(0); }

    /// The runtime interpolate formulas made, by the point each grades.
    std::map<const CBasePoint *, CRuntimeInterpolateFormula *> interpolations()
    {
        std::map<const CBasePoint *, CRuntimeInterpolateFormula *> found;
        CPtrCollection<IBaseFormula> formulas;
        grading()->CollectFormulas(formulas);
        for (IBaseFormula *formula : formulas)
            if (auto *made = dynamic_cast<CRuntimeInterpolateFormula *>(formula))
                found[made->GetPoint(0)] = made;
        return found;
    }

    void expectShift(int point, int size, double x, double y) const
    {
        SCOPED_TRACE("point " + std::to_string(point) + ", size " + std::to_string(size));
        const DPOINT shift = shiftOf(point, size);
        EXPECT_NEAR(shift.x, x, 1e-9);
        EXPECT_NEAR(shift.y, y, 1e-9);
    }
};

TEST_F(GradePointFormulasTest, PointsNothingGradesFollowTheirGradedNeighboursByDistance)
{
    addIncrement(0, "3", "0");
    addIncrement(2, "0", "4");

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    const auto made = interpolations();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_EQ(made.count(inputPoint(0)), 0u) << "a point graded on both axes gets none";
    ASSERT_EQ(made.count(inputPoint(1)), 1u);
    EXPECT_EQ(made.at(inputPoint(1))->GetPoint(1), inputPoint(0));
    EXPECT_EQ(made.at(inputPoint(1))->GetPoint(2), inputPoint(2));
    // P2 and P4 lie 40 from both neighbours: halfway between (3, 0) and (0, 4).
    for (int s = 0; s < 5; ++s) {
        const double x = s == kBase ? 0 : 1.5;
        const double y = s == kBase ? 0 : 2;
        expectShift(1, s, x, y);
        expectShift(3, s, x, y);
    }
}

TEST_F(GradePointFormulasTest, APointGradedOnOneAxisIsInterpolatedOnTheOtherOnly)
{
    addIncrement(0, "3", "0");
    addIncrement(2, "0", "4");
    auto *xOnly = dynamic_cast<IPointFormula *>(addIncrement(1, "5", "0"));
    xOnly->SetApplyTypeY(2);
    m_manager.Invalidate();

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    const auto made = interpolations();
    ASSERT_EQ(made.count(inputPoint(1)), 1u);
    EXPECT_EQ(made.at(inputPoint(1))->GetApplyTypeX(), 2);
    EXPECT_EQ(made.at(inputPoint(1))->GetApplyTypeY(), 1);
    expectShift(1, 3, 5, 2);
}

TEST_F(GradePointFormulasTest, AWalkThatReachesTheEndOfItsLineTakesThatEnd)
{
    addIncrement(0, "3", "0");

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    // Nothing grades P3: from P2, P3 and P4 both walks end at P1, the line's end.
    EXPECT_EQ(interpolations().size(), 3u);
    for (int point = 1; point < 4; ++point)
        expectShift(point, 3, 3, 0);
}

TEST_F(GradePointFormulasTest, WithTheOptionsOffOnlyPointsOtherFormulasReadAreCompleted)
{
    addIncrement(0, "3", "0");
    addIncrement(2, "0", "4");
    m_manager.SetGradePointOptions({false, false});

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    EXPECT_TRUE(interpolations().empty());
    expectShift(1, 3, 0, 0);
}

} // namespace
