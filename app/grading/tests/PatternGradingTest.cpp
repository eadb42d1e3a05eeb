// Morvane program grading tests.
// Grading an input piece through the manager: formulas, measures, placements, order and faults.
#include "app/grading/PatternGrading.h"

#include "GradingFixture.h"
#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "app/grading/testing/MaskFormulas.h"
#include "formulas/BaseFormula.h"
#include "formulas/BasePointFormula.h"
#include "formulas/GradeRegionFormula.h"
#include "formulas/MeasureExpressionFormula.h"
#include "formulas/PointFormulaExtend.h"
#include "formulas/PointFormulaLikePoint.h"
#include "model/InputPattern.h"

#include <gtest/gtest.h>

using testgrading::GradingFixture;

namespace {

constexpr int kBase = 1;
constexpr int kSizes = 5;

class PatternGradingTest : public GradingFixture
{
protected:
    CPatternGrading *grading() const { return m_manager.GetPatternGradingAt(0); }

    /// A turned placement loses what its angle's conversion from degrees loses.
    void expectShift(int point, int size, double x, double y, bool onMask = false) const
    {
        SCOPED_TRACE("point " + std::to_string(point) + ", size " + std::to_string(size));
        const DPOINT shift = onMask ? absShiftOf(point, size) : shiftOf(point, size);
        EXPECT_NEAR(shift.x, x, 1e-7);
        EXPECT_NEAR(shift.y, y, 1e-7);
    }
};

TEST_F(PatternGradingTest, AnIncrementGradesEverySizeButTheBase)
{
    addIncrement(1, "3", "-2");

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    for (int s = 0; s < kSizes; ++s)
        expectShift(1, s, s == kBase ? 0 : 3, s == kBase ? 0 : -2);
    expectShift(0, 0, 0, 0);
    EXPECT_TRUE(m_messages.problems.empty());
    EXPECT_TRUE(m_messages.questions.empty()) << "a valid mask grades without asking";
}

TEST_F(PatternGradingTest, MeasuresAndStepsGrowFromTheBaseSize)
{
    addIncrement(1, "waist/4", "%INC(1.5)");

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    for (int s = 0; s < kSizes; ++s)
        expectShift(1, s, s - kBase, 1.5 * (s - kBase));
}

TEST_F(PatternGradingTest, AFormulaReadsThePointsGradedBeforeItWhateverTheirOrderInTheMask)
{
    addLikePoint(0, 2);
    addIncrement(2, "%INC(2)", "1");

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    for (int s = 0; s < kSizes; ++s) {
        const double y = s == kBase ? 0 : 1;
        expectShift(2, s, 2.0 * (s - kBase), y);
        expectShift(0, s, 2.0 * (s - kBase), y);
    }
}

TEST_F(PatternGradingTest, IncrementsAreGivenOnTheMaskAndKeptInThePatternsFrame)
{
    struct Placement
    {
        double angle;
        bool flipped;
        DPOINT own; // the grading kept for an increment (5, 3) given on the mask
    };
    const Placement placements[] = {
        {0, false, {5, 3}},
        {90, false, {3, -5}},
        {0, true, {5, -3}},
        {90, true, {3, 5}},
    };
    for (const Placement &placement : placements) {
        SCOPED_TRACE("angle " + std::to_string(placement.angle) +
                     (placement.flipped ? ", flipped" : ""));
        place(placement.angle, placement.flipped);
        CBaseFormula *formula = addIncrement(1, "5", "3");

        ASSERT_TRUE(m_manager.ApplyGradeRules());

        expectShift(1, 3, 5, 3, true);
        expectShift(1, 3, placement.own.x, placement.own.y);
        m_mask->GetFormulas().RemoveFormulaAt(m_mask->GetFormulas().FindFormula(formula));
        m_manager.Invalidate();
    }
}

TEST_F(PatternGradingTest, ARegionFormulaGradesThePointsInItsRegionAlongItsDirection)
{
    CGradeRegion *region =
        testmodel::addRegion(*m_mask, testmodel::boxShape(-1, -1, 41, 1), REGION_GRADE);
    auto *formula =
        static_cast<CGradeRegionFormula *>(m_mask->GetFormulaManager()->AddNewRegionFormula(
            CGradeRegionFormula::kFormulaType, nullptr, region));
    formula->GetParam(0)->SetValue("%INC(2)");
    m_manager.Invalidate();

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    // The box's direction runs up from its base: the first text moves along +y.
    for (int s = 0; s < kSizes; ++s) {
        expectShift(0, s, 0, 2.0 * (s - kBase));
        expectShift(1, s, 0, 2.0 * (s - kBase));
        expectShift(2, s, 0, 0);
    }
}

TEST_F(PatternGradingTest, AMeasureIsGradedBeforeThePointsWhoseTextsNameIt)
{
    // The increment comes first in the mask and names the measure graded after it.
    addIncrement(1, "halfwaist/10", "0");
    CFormulaManager &formulas = m_mask->GetFormulas();
    auto *halfWaist = static_cast<CMeasureExpressionFormula *>(formulas.AddFormula(
        formulas.MakeGlobalFormula(CMeasureExpressionFormula::kFormulaType, nullptr)));
    halfWaist->SetVarName("halfwaist");
    halfWaist->GetParam(0)->SetValue("waist/2");
    m_manager.Invalidate();

    ASSERT_TRUE(m_manager.ApplyGradeRules()) << m_messages.problems.front();

    // The table's rows are relative to the base size: waist/2 is 2 a size.
    for (int s = 0; s < kSizes; ++s) {
        EXPECT_DOUBLE_EQ(halfWaist->GetValue(0, s), 2.0 * (s - kBase));
        expectShift(1, s, 0.2 * (s - kBase), 0);
    }
}

TEST_F(PatternGradingTest, AnExtendFormulaShrinksByTheGrowthOfItsPathFormula)
{
    // The path measured grows by 2 a size from 100 in the base size.
    CMeasureExpressionFormula path;
    for (int s = 0; s < kSizes; ++s)
        path.SetValue(0, s, 100.0 + 2.0 * (s - kBase));
    path.SetValue(-1, -1, 100.0);
    CFormulaManager &formulas = m_mask->GetFormulas();
    auto *extend = static_cast<CPointFormulaExtend *>(formulas.AddFormula(formulas.MakePointFormula(
        CPointFormulaExtend::kFormulaType, nullptr, testmodel::maskPointAt(*m_square, 1))));
    extend->SetIndexPoint(0, testmodel::maskPointAt(*m_square, 0));
    extend->SetDistance("1");
    extend->SetPathFormula(&path);
    m_manager.Invalidate();

    ASSERT_TRUE(m_manager.ApplyGradeRules()) << m_messages.problems.front();

    // P2 lies on the line from P1 (ungraded) along +x: it moves by 1 less the path's growth.
    for (int s = 0; s < kSizes; ++s)
        expectShift(1, s, s == kBase ? 0 : 1.0 - 2.0 * (s - kBase), 0);
}

TEST_F(PatternGradingTest, AFormulaInACycleIsReportedAndGradedInTheOrderFound)
{
    // P1 is moved by 4 and like P2, P2 like P1: the increment comes first; then the cycle is
    // graded in the mask's order, P1 with what P2 had, then P2 with what P1 had then.
    CBaseFormula *first = addLikePoint(0, 1);
    CBaseFormula *second = addLikePoint(1, 0);
    CBaseFormula *increment = addIncrement(0, "4", "0");

    EXPECT_TRUE(m_manager.ApplyGradeRules());

    expectShift(0, 3, 4, 0);
    expectShift(1, 3, 4, 0);
    expectShift(1, kBase, 0, 0);
    EXPECT_TRUE(grading()->IsCyclic(first));
    EXPECT_TRUE(grading()->IsCyclic(second));
    EXPECT_FALSE(grading()->IsCyclic(increment));
    ASSERT_EQ(m_messages.problems.size(), 2u);
    EXPECT_NE(m_messages.problems[0].find("depends on itself"), std::string::npos)
        << m_messages.problems[0];
    EXPECT_TRUE(m_messages.questions.empty());
}

TEST_F(PatternGradingTest, ALikePointGradesLikeTheDifferenceOfTwoPoints)
{
    // P2 like P3 - P1: (2 a size, 1) less (1, 0).
    auto *like =
        testgrading::addLikePoint(m_mask->GetFormulas(), testmodel::maskPointAt(*m_square, 1),
                                  testmodel::maskPointAt(*m_square, 2));
    like->SetSecondPoint(testmodel::maskPointAt(*m_square, 0));
    addIncrement(2, "%INC(2)", "1");
    addIncrement(0, "1", "0");

    ASSERT_TRUE(m_manager.ApplyGradeRules());

    for (int s = 0; s < kSizes; ++s) {
        const bool base = s == kBase;
        expectShift(1, s, base ? 0 : 2.0 * (s - kBase) - 1, base ? 0 : 1);
    }
    EXPECT_TRUE(m_messages.problems.empty());
}

TEST_F(PatternGradingTest, AParserFailureIsReportedAndEndsThePatternsPass)
{
    m_services.BeginBulkChange();
    addIncrement(1, "1/0", "0");
    addIncrement(2, "4", "0");

    EXPECT_FALSE(m_manager.ApplyGradeRules());

    ASSERT_EQ(m_messages.problems.size(), 1u);
    const std::string &report = m_messages.problems[0];
    EXPECT_NE(report.find("error -10"), std::string::npos) << report;
    EXPECT_NE(report.find("1/0"), std::string::npos) << report;
    expectShift(1, 3, 0, 0);
    expectShift(2, 3, 0, 0);
    EXPECT_EQ(m_services.GetBulkChangeCount(), 1);
}

TEST_F(PatternGradingTest, AFormulaWhoseTextNamesNothingKnownIsReportedUnmatchedAndNotGraded)
{
    CBaseFormula *unknown = addIncrement(1, "nosuch/4", "0");
    addIncrement(2, "waist", "0");

    EXPECT_TRUE(m_manager.ApplyGradeRules());

    EXPECT_TRUE(grading()->HasUnmatchedFormulas());
    EXPECT_TRUE(grading()->IsUnmatched(unknown));
    expectShift(1, 3, 0, 0);
    expectShift(2, 3, 8, 0);
    CPtrCollection<IBaseFormula> formulas;
    grading()->CollectFormulas(formulas);
    ASSERT_EQ(formulas.GetCount(), 2);
    EXPECT_TRUE(grading()->IsUnmatched(formulas.GetAt(1)));
    EXPECT_EQ(m_messages.problems,
              std::vector<std::string>{"formula 'nosuch/4,0': error -5 (unknown name) in "
                                       "\"nosuch/4\": nosuch; it is not graded"});
    EXPECT_EQ(m_messages.questions.size(), 1u);
}

TEST_F(PatternGradingTest, GradingAgainAfterAChangeGivesTheNewResultNotOneStackedOnTheLast)
{
    CBaseFormula *formula = addIncrement(1, "3", "0");
    ASSERT_TRUE(m_manager.ApplyGradeRules());
    ASSERT_TRUE(m_manager.ApplyGradeRules());
    expectShift(1, 3, 3, 0);

    formula->SetParamText(0, "7");
    m_manager.Invalidate();
    ASSERT_TRUE(m_manager.ApplyGradeRules());

    expectShift(1, 3, 7, 0);
}

TEST_F(PatternGradingTest, TheStateIsRebuiltOnceAfterAnyNumberOfInvalidations)
{
    addIncrement(1, "3", "0");
    grading()->HasUnmatchedFormulas();
    const int rebuilt = grading()->GetRebuildCount();

    grading()->HasUnmatchedFormulas();
    EXPECT_EQ(grading()->GetRebuildCount(), rebuilt);

    grading()->Invalidate();
    grading()->Invalidate();
    grading()->HasUnmatchedFormulas();
    grading()->HasRuntimeFormulas();
    EXPECT_EQ(grading()->GetRebuildCount(), rebuilt + 1);
}

TEST_F(PatternGradingTest, TheGradingUpdateCounterIsBackWhereItWasAndNeverBelowZero)
{
    addIncrement(1, "3", "0");
    m_services.EndBulkChange();
    EXPECT_EQ(m_services.GetBulkChangeCount(), 0);

    ASSERT_TRUE(m_manager.ApplyGradeRules());
    EXPECT_EQ(m_services.GetBulkChangeCount(), 0);
}

TEST_F(PatternGradingTest, AFormulaWithAProblemAsksFirstAndNoLeavesTheGradingAlone)
{
    addIncrement(1, "3", "0");
    addIncrement(2, "hip", "0");
    m_messages.answer = false;

    EXPECT_FALSE(m_manager.ApplyGradeRules());

    EXPECT_EQ(m_messages.questions.size(), 1u);
    expectShift(1, 3, 0, 0);
}

} // namespace
