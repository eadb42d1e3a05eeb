// Morvane program grading tests.
// A grade point dragged between passes: only the patterns it reaches grade again, and the result
// is the one a full regrade gives, the drag kept where no formula grades the point.
#include "app/grading/PatternGrading.h"
#include "SourcePath.h"
#include "app/grading/testing/MaskFormulas.h"
#include "app/grading/testing/StyleOnMask.h"
#include "formulas/MeasureP2P.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/MaskPointList.h"
#include "model/PatternLocation.h"

#include <functional>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

constexpr int kSizes = 6;
constexpr int kDraggedSize = 4;

/// The shirt's two pieces on their mask: FRONT's point 0 graded by a measure and a step, BACK's
/// point 0 by a fixed increment, every other grade point keeping its grading; graded once.
class RegradeAfterDragTest : public ::testing::Test
{
protected:
    RegradeAfterDragTest()
    {
        EXPECT_EQ(m_style.GetProblem(), "");
        m_style.manager().SetGradePointOptions({false, false});
        testgrading::addIncrement(m_style.formulas(), m_style.maskPoint(0, 0), "waist/40",
                                  "%INC(0.5)");
        testgrading::addIncrement(m_style.formulas(), m_style.maskPoint(1, 0), "1.25", "-0.75");
    }

    IGradingInterface &grading() { return m_style.manager(); }
    bool needsGrading(int pattern)
    {
        return m_style.manager().GetPatternGradingAt(pattern)->NeedsGrading();
    }

    /// Drags point i of pattern p in the dragged size, as the grade-point tool does.
    void drag(int p, int i, double dx, double dy)
    {
        m_style.inputPoint(p, i)->GetInputPoint()->MoveGradePoint({0, kDraggedSize}, dx, dy);
    }

    DPOINT shift(int p, int i, int size) const
    {
        return m_style.inputPoint(p, i)->GetInputPoint()->GetGradeShift({}, {0, size});
    }

    /// Every point of every pattern in every size.
    std::vector<DPOINT> everyShift() const
    {
        std::vector<DPOINT> shifts;
        for (int p = 0; p < m_style.patternCount(); ++p)
            for (int i = 0; i < m_style.inputPoint(p, 0)->GetParent()->GetBasePointCount(); ++i)
                for (int s = 0; s < kSizes; ++s)
                    shifts.push_back(shift(p, i, s));
        return shifts;
    }

    /// The result of grading everything afresh equals shifts, point by point.
    void expectFullRegradeGives(const std::vector<DPOINT> &shifts)
    {
        m_style.manager().Invalidate();
        ASSERT_TRUE(grading().ApplyGradeRules());
        const std::vector<DPOINT> full = everyShift();
        ASSERT_EQ(full.size(), shifts.size());
        for (std::size_t k = 0; k < full.size(); ++k) {
            SCOPED_TRACE(k);
            EXPECT_DOUBLE_EQ(full[k].x, shifts[k].x);
            EXPECT_DOUBLE_EQ(full[k].y, shifts[k].y);
        }
    }

    testgrading::StyleOnMask m_style{sourcePath("sources/aama-model/tests/data/shirt.dxf"),
                                     sourcePath("app/grading/tests/data/women.mst"),
                                     fs::temp_directory_path() / "unused.dxf"};
};

} // namespace

TEST_F(RegradeAfterDragTest, AFreePointKeepsItsDragAndOnlyItsPatternGradesAgain)
{
    ASSERT_TRUE(m_style.grade());
    const DPOINT before = shift(0, 1, kDraggedSize);

    drag(0, 1, 2.0, 1.0);

    EXPECT_TRUE(needsGrading(0));
    EXPECT_FALSE(needsGrading(1));
    ASSERT_TRUE(grading().ApplyGradeRules());
    EXPECT_FALSE(needsGrading(0));
    EXPECT_DOUBLE_EQ(shift(0, 1, kDraggedSize).x, before.x + 2.0);
    EXPECT_DOUBLE_EQ(shift(0, 1, kDraggedSize).y, before.y + 1.0);
    expectFullRegradeGives(everyShift());
}

TEST_F(RegradeAfterDragTest, AFormulaAddsToTheDragOfThePointItGrades)
{
    ASSERT_TRUE(m_style.grade());
    const DPOINT before = shift(1, 0, kDraggedSize);

    drag(1, 0, -3.0, 4.0);
    ASSERT_TRUE(grading().ApplyGradeRules());

    // The increment is added to the grading the point comes with, which the drag moved: one
    // regrade after another never stacks the increment.
    EXPECT_FALSE(needsGrading(1));
    EXPECT_DOUBLE_EQ(shift(1, 0, kDraggedSize).x, before.x - 3.0);
    EXPECT_DOUBLE_EQ(shift(1, 0, kDraggedSize).y, before.y + 4.0);
    EXPECT_DOUBLE_EQ(shift(1, 0, kDraggedSize + 1).x, 1.25);
    expectFullRegradeGives(everyShift());
    expectFullRegradeGives(everyShift());
}

TEST_F(RegradeAfterDragTest, AFormulaThatReadsTheDraggedPatternGradesItsOwnPatternAgain)
{
    // BACK's point 1 is graded like FRONT's point 1, which no formula grades.
    testgrading::addLikePoint(m_style.formulas(), m_style.maskPoint(1, 1), m_style.maskPoint(0, 1));
    ASSERT_TRUE(m_style.grade());

    drag(0, 1, 2.0, 1.0);

    EXPECT_TRUE(needsGrading(0));
    EXPECT_TRUE(needsGrading(1));
    ASSERT_TRUE(grading().ApplyGradeRules());
    EXPECT_DOUBLE_EQ(shift(1, 1, kDraggedSize).x, shift(0, 1, kDraggedSize).x);
    EXPECT_DOUBLE_EQ(shift(1, 1, kDraggedSize).y, shift(0, 1, kDraggedSize).y);
    expectFullRegradeGives(everyShift());
}

TEST_F(RegradeAfterDragTest, AMeasureThatReadsTheDraggedPatternGradesEveryPatternAgain)
{
    // A measure across FRONT's points 0 and 1; every pattern grades the measures.
    auto *span = static_cast<CMeasureP2P *>(m_style.formulas().AddFormula(
        m_style.formulas().MakePatternFormula(CMeasureP2P::kFormulaType, nullptr,
                                              m_style.maskPoint(0, 0)->GetParent())));
    span->SetIndexPoint(0, m_style.maskPoint(0, 0));
    span->SetIndexPoint(1, m_style.maskPoint(0, 1));
    span->SetVarName("span");
    ASSERT_TRUE(m_style.grade());

    drag(0, 1, 2.0, 1.0);

    EXPECT_TRUE(needsGrading(0));
    EXPECT_TRUE(needsGrading(1));
    ASSERT_TRUE(grading().ApplyGradeRules());
    expectFullRegradeGives(everyShift());

    // A measure's value changed between passes reaches every pattern too.
    span->OnValueChanged();
    EXPECT_TRUE(needsGrading(0));
    EXPECT_TRUE(needsGrading(1));
}

TEST_F(RegradeAfterDragTest, ChangesOtherThanADragGradeAsAFullRegradeDoes)
{
    struct Change
    {
        const char *name;
        std::function<void()> act;
    };
    IPatternLocation *back = m_style.inputPatterns().GetPatternAt(1)->GetPatternLocation();
    const Change changes[] = {
        {"a piece turned", [back] { back->Set(back->GetPosition(), 90, false); }},
        {"a piece flipped", [back] { back->Set(back->GetPosition(), 90, true); }},
        {"a point association removed",
         [this] {
             m_style.mask().GetPointAssociationMap()->RemoveAssociation(
                 m_style.maskPoint(1, 0)->GetMaskPoint(), m_style.inputPoint(1, 0));
         }},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.name);
        ASSERT_TRUE(grading().ApplyGradeRules());
        change.act();
        ASSERT_TRUE(grading().ApplyGradeRules());
        expectFullRegradeGives(everyShift());
    }
}
