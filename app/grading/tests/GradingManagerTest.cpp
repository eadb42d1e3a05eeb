// Morvane program grading tests.
// The grading manager keeps itself current from the notifications it hears.
#include "GradingFixture.h"
#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "app/grading/PatternGrading.h"
#include "app/grading/testing/MaskFormulas.h"
#include "model/InputPoint.h"
#include "platform/brismond/IMeasureTable.h"

#include <gtest/gtest.h>

namespace {

/// The manager listens at the mask, the input patterns and the table set.
class GradingManagerTest : public testgrading::GradingFixture
{
protected:
    GradingManagerTest()
    {
        for (CEventHandler *handler : handlers())
            handler->AddListener(&m_manager);
    }
    ~GradingManagerTest() override
    {
        for (CEventHandler *handler : handlers())
            handler->RemoveListener(&m_manager);
    }

    std::vector<CEventHandler *> handlers() const
    {
        return {m_maskHandler, m_patternsHandler, m_tableSetHandler};
    }

    /// How often the first pattern's grading was rebuilt, after asking it something.
    int rebuilds() const
    {
        CPatternGrading *grading = m_manager.GetPatternGradingAt(0);
        grading->HasRuntimeFormulas();
        return grading->GetRebuildCount();
    }
};

TEST_F(GradingManagerTest, AFormulaAddedToOrRemovedFromTheMaskMakesTheGradingStale)
{
    const int before = rebuilds();
    testgrading::addIncrement(m_mask->GetFormulas(), testmodel::maskPointAt(*m_square, 1), "3",
                              "0");
    EXPECT_EQ(rebuilds(), before + 1);
    EXPECT_TRUE(m_manager.GetPatternGradingAt(0)->HasRuntimeFormulas());

    m_mask->GetFormulas().RemoveFormulaAt(0);
    EXPECT_EQ(rebuilds(), before + 2);
    EXPECT_FALSE(m_manager.GetPatternGradingAt(0)->HasRuntimeFormulas());
}

TEST_F(GradingManagerTest, ATableAddedToTheTableSetMakesTheGradingStale)
{
    const int before = rebuilds();
    m_tableSet->InsertTable(0, 0, "Men", -1);
    EXPECT_EQ(rebuilds(), before + 1);
}

TEST_F(GradingManagerTest, TheInputPatternsChangedInBulkGetAGradingStateEach)
{
    testmodel::FakePattern back("Back");
    back.addCurve({back.addPoint(100, 0), back.addPoint(140, 0), back.addPoint(140, 40)});
    m_patterns->AddPattern(&back);
    ASSERT_EQ(m_manager.GetPatternGradingCount(), 1);

    m_patterns->Update();

    ASSERT_EQ(m_manager.GetPatternGradingCount(), 2);
    EXPECT_EQ(m_manager.GetPatternGradingAt(1)->GetPattern(), m_patterns->GetPatternAt(1));
    m_patterns->RemovePatternAt(1);
    m_manager.Rebuild();
}

TEST_F(GradingManagerTest, GradePointsInAReadOnlyRegionAreLeftOutOfTheGradePoints)
{
    ASSERT_EQ(m_manager.GetGradePoints().GetCount(), 4);
    EXPECT_TRUE(m_manager.HasPoint(inputPoint(0)->GetPointId()));

    testmodel::addRegion(*m_mask, testmodel::boxShape(-1, -1, 41, 1), REGION_READ_ONLY);
    m_manager.Invalidate();

    const CPtrCollection<CBasePoint> &points = m_manager.GetGradePoints();
    EXPECT_EQ(points.GetCount(), 2);
    EXPECT_LT(points.Find(inputPoint(0)), 0);
    EXPECT_LT(points.Find(inputPoint(1)), 0);
    EXPECT_FALSE(m_manager.HasPoint(inputPoint(1)->GetPointId()));
}

TEST_F(GradingManagerTest, WithoutAnActiveMaskNoRegionIsAskedAndNothingIsAsked)
{
    testmodel::addRegion(*m_mask, testmodel::boxShape(-1, -1, 41, 1), REGION_READ_ONLY);
    testgrading::addIncrement(m_mask->GetFormulas(), testmodel::maskPointAt(*m_square, 2), "hip",
                              "0");
    m_services.activeMask = nullptr;
    m_manager.Invalidate();

    EXPECT_EQ(m_manager.GetGradePoints().GetCount(), 4);
    EXPECT_TRUE(m_manager.ApplyGradeRules());
    EXPECT_TRUE(m_messages.questions.empty());
    EXPECT_FALSE(m_manager.HasRuntimeFormulas());
}

TEST_F(GradingManagerTest, FormulaPointsAreThePointsTheMasksFormulasGrade)
{
    testgrading::addIncrement(m_mask->GetFormulas(), testmodel::maskPointAt(*m_square, 1), "3",
                              "0");
    IGradingInterface &grading = m_manager;

    CPtrCollection<CBasePoint> formulaPoints;
    grading.CollectFormulaPoints(formulaPoints);
    grading.CollectFormulaPoints(formulaPoints);
    CPtrCollection<CBasePoint> gradePoints;
    grading.CollectGradePoints(gradePoints);

    ASSERT_EQ(formulaPoints.GetCount(), 1);
    EXPECT_EQ(formulaPoints.GetAt(0), inputPoint(1));
    EXPECT_TRUE(grading.HasFormulaPoint(inputPoint(1)->GetPointId()));
    EXPECT_FALSE(grading.HasFormulaPoint(inputPoint(2)->GetPointId()));
    EXPECT_EQ(gradePoints.GetCount(), 4);
    EXPECT_TRUE(grading.HasRuntimeFormulas());
}

TEST_F(GradingManagerTest, WithoutGradingStatesTheQueriesAnswerAsIfNothingWereGraded)
{
    m_patterns->RemoveAll();
    m_manager.Rebuild();
    IGradingInterface &grading = m_manager;
    CPtrCollection<CBasePoint> points;

    grading.CollectGradePoints(points);
    grading.CollectFormulaPoints(points);
    grading.RecomputeAll();

    EXPECT_EQ(points.GetCount(), 0);
    EXPECT_TRUE(grading.HasFormulaPoint(1));
    EXPECT_FALSE(grading.HasPoint(1));
    EXPECT_FALSE(grading.HasRuntimeFormulas());
}

TEST_F(GradingManagerTest, RecomputingChecksTheFormulasAndGradesNothing)
{
    testgrading::addIncrement(m_mask->GetFormulas(), testmodel::maskPointAt(*m_square, 1), "3",
                              "0");
    testgrading::addIncrement(m_mask->GetFormulas(), testmodel::maskPointAt(*m_square, 2), "hip",
                              "0");

    m_manager.RecomputeAll();

    EXPECT_GT(m_mask->GetFormulaManager()->GetMessages()->GetCount(), 0);
    EXPECT_TRUE(m_manager.GetPatternGradingAt(0)->NeedsGrading());
    EXPECT_EQ(inputPoint(1)->GetInputPoint()->GetGradeShift({}, {0, 3}).x, 0);
}

TEST_F(GradingManagerTest, OtherNotificationsLeaveTheGradingAsItIs)
{
    const int before = rebuilds();
    m_tableSet->GetTableAt(0)->SetName("Women's");
    EXPECT_EQ(rebuilds(), before);
}

} // namespace
