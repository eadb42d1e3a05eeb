// Morvane formula library tests.
// Path formulas: the path between the input points two mask points stand for, its length per
// size and texts, and the run of an outline inside a grade region.
#include "GradedSquare.h"
#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "formulas/PathPatternFormula.h"
#include "formulas/PathRegionFormula.h"
#include "model/FormulaMessageList.h"
#include "model/MaskPoint.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

using namespace testformulas;

namespace {

// The graded square's input pattern, and a mask square whose P1 and P3 stand for the input
// pattern's P1 and P3; in size (0, s) the way round by P4 is 30 + hypot(41 + s, 1 + s) long,
// the way by P2 (41 + s) + (31 + s).
class PathFormulaTest : public ::testing::Test
{
protected:
    PathFormulaTest()
    {
        maskPoint(1)->GetMaskPoint()->AddAssociation(square.point(1));
        maskPoint(3)->GetMaskPoint()->AddAssociation(square.point(3));
        formula.SetPattern(maskSquare);
        formula.SetVarName("front");
    }

    CBasePoint *maskPoint(int n) const { return maskSquare->GetBasePointAt(n - 1); }
    static double byP4(int s) { return 30 + std::hypot(41.0 + s, 1.0 + s); }
    static double byP2(int s) { return 72.0 + 2 * s; }

    GradedSquare square;
    CMaskPattern *maskSquare = testmodel::placeSquare(square.mask, "Mask");
    CPathPatternFormula formula;
};

} // namespace

TEST_F(PathFormulaTest, MeasuresThePathBetweenThePointsTheMaskPointsStandFor)
{
    formula.SetFirstPoint(maskPoint(1)->GetMaskPoint());
    formula.SetLastPoint(maskPoint(3)->GetMaskPoint());
    formula.Update();
    EXPECT_EQ(formula.GetResolvedPoint(0), square.point(1));
    EXPECT_EQ(formula.GetResolvedPoint(1), square.point(3));
    EXPECT_NEAR(formula.GetValue(-1, -1), 70.0, 1e-9);
    EXPECT_NEAR(formula.GetValue(0, 1), byP4(1), 1e-9);
    EXPECT_NEAR(formula.GetValue(0, 3), byP4(3), 1e-9);
    EXPECT_TRUE(formula.UsesPoint(square.point(4)));
    EXPECT_FALSE(formula.UsesPoint(square.point(2)));
    EXPECT_EQ(displayOf(formula, false), "(P1->P3)");
    EXPECT_EQ(formula.GetPathText(), "(P1->P3)");
    EXPECT_EQ(formula.GetMaskPath()->GetFirstPoint(), maskPoint(1));
    EXPECT_EQ(formula.GetMaskPath()->GetLastPoint(), maskPoint(3));
    EXPECT_TRUE(formula.Validate(nullptr, nullptr));
}

TEST_F(PathFormulaTest, ReversingTakesTheOtherWayRound)
{
    formula.SetFirstPoint(maskPoint(1)->GetMaskPoint());
    formula.SetLastPoint(maskPoint(3)->GetMaskPoint());
    formula.Update();
    const IGradePath *maskPath = formula.GetMaskPath();
    CPtrCollection<CBasePoint> before;
    maskPath->AppendGradePoints(before);
    formula.SetReverse(true);
    EXPECT_NEAR(formula.GetValue(0, 1), byP2(1), 1e-9);
    EXPECT_TRUE(formula.UsesPoint(square.point(2)));
    EXPECT_EQ(displayOf(formula, false), "(P1<-P3)");
    CPtrCollection<CBasePoint> after;
    formula.GetMaskPath()->AppendGradePoints(after);
    EXPECT_EQ(before.Find(maskPoint(4)), 1);
    EXPECT_EQ(after.Find(maskPoint(2)), 1);
}

TEST_F(PathFormulaTest, MissingEndsShowAsUnknownAndAnEmptyPathIsReported)
{
    formula.SetLastPoint(maskPoint(3)->GetMaskPoint());
    EXPECT_EQ(displayOf(formula, true), "(P?->P3)");
    formula.Update();
    EXPECT_EQ(formula.GetValue(-1, -1), 0.0);

    formula.SetFirstPoint(maskPoint(3)->GetMaskPoint());
    formula.Update();
    CFormulaMessageList messages;
    EXPECT_FALSE(formula.Validate(&messages, nullptr));
    EXPECT_EQ(messages.Find(FM_NO_PATH, &formula), 0);
    EXPECT_EQ(messages.GetAt(0)->GetText(), "");
}

TEST_F(PathFormulaTest, ARegionPathFollowsTheRunInsideTheRegion)
{
    CGradeRegion *region =
        testmodel::addRegion(square.mask, testmodel::boxShape(35, -5, 50, 40), REGION_GRADE);
    IBaseFormula *made = square.mask.GetFormulaManager()->AddNewRegionFormula(
        CPathRegionFormula::kFormulaType, nullptr, region);
    auto *regionPath = dynamic_cast<CPathRegionFormula *>(made);
    ASSERT_NE(regionPath, nullptr);
    EXPECT_EQ(regionPath->GetRegion(), region);
    EXPECT_EQ(region->FindGradeFormula(), made);
    EXPECT_NEAR(regionPath->GetValue(-1, -1), 30.0, 1e-9);
    EXPECT_NEAR(regionPath->GetValue(0, 1), 32.0, 1e-9);
    EXPECT_EQ(regionPath->GetPath()->GetFirstPoint(), square.point(2));
    EXPECT_EQ(regionPath->GetPath()->GetLastPoint(), square.point(3));
    EXPECT_EQ(displayOf(*regionPath, false), "(R1)");

    // The region moves to the left side: the formula hears of it and finds P4 to P1.
    region->SetPosition({-5, -5});
    EXPECT_EQ(regionPath->GetPath()->GetFirstPoint(), square.point(1));
    EXPECT_EQ(regionPath->GetPath()->GetLastPoint(), square.point(4));
    EXPECT_NEAR(regionPath->GetValue(-1, -1), 30.0, 1e-9);

    square.pattern()->ClearFlagged();
    region->SetPosition({42, -5});
    EXPECT_EQ(regionPath->GetPath()->GetSegmentCount(), 0);
    EXPECT_EQ(regionPath->GetValue(0, 1), 0.0);
}
