// Morvane formula library tests.
// The global interpolations: chosen kinds of point graded from the others of a region or pattern.
#include "GradedSquare.h"
#include "RegionFixtures.h"
#include "formulas/GlobalInterpolateFormula.h"
#include "formulas/RuntimeFormulaLikePoint.h"
#include "formulas/RuntimeGlobalInterpolateFormula.h"
#include "model/FormulaMessageList.h"

#include <gtest/gtest.h>

using namespace testformulas;
using namespace testmodel;

namespace {

/// The input square P1 to P4 on one closed curve that starts and ends at P1, inside a half
/// plane grade region.
class GlobalInterpolateTest : public ::testing::Test
{
protected:
    CGlobalInterpolateFormula *makeOver(const RegionShape &shape)
    {
        CGradeRegion *region = addRegion(m_square.mask, shape, REGION_GRADE);
        return static_cast<CGlobalInterpolateFormula *>(
            m_square.mask.GetFormulaManager()->AddNewRegionFormula(
                CGlobalInterpolateFormula::kFormulaType, nullptr, region));
    }

    static std::vector<std::string> linesOf(IBaseFormula &formula)
    {
        std::vector<std::string> texts;
        formula.AddFormulaText(texts);
        return texts;
    }

    GradedSquare m_square;
};

} // namespace

TEST_F(GlobalInterpolateTest, GradesThePointsOfTheChosenKindsFromTheOthers)
{
    CGlobalInterpolateFormula *formula = makeOver(kHalfPlaneShape);
    EXPECT_TRUE(linesOf(*formula).empty());
    std::string display;
    formula->GetDisplayText(display, true);
    EXPECT_EQ(display, "(P1,P2,P3,P4)");

    formula->SetPointKind(INTERPOLATE_OUTLINE_END, true);
    EXPECT_EQ(linesOf(*formula), (std::vector<std::string>{"%PA(1, 1, P1)=%GI(P1,2,P2,P3,P4)"}));

    formula->SetPointKind(INTERPOLATE_OUTLINE_END, false);
    formula->SetPointKind(INTERPOLATE_OUTLINE, true);
    EXPECT_EQ(linesOf(*formula),
              (std::vector<std::string>{"%PA(1, 1, P2)=%GI(P2,2,P1)", "%PA(1, 1, P3)=%GI(P3,2,P1)",
                                        "%PA(1, 1, P4)=%GI(P4,2,P1)"}));
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));
}

TEST_F(GlobalInterpolateTest, APointThatAnotherValidFormulaGradesIsLeftToIt)
{
    CGlobalInterpolateFormula *formula = makeOver(kHalfPlaneShape);
    formula->SetPointKind(INTERPOLATE_OUTLINE_END, true);
    IFormulaManager &manager = *m_square.mask.GetFormulaManager();
    auto *likePoint = static_cast<CRuntimeFormulaLikePoint *>(
        m_square.mask.GetFormulas().AddFormula(manager.MakeGlobalFormula(14, nullptr)));
    likePoint->SetGradedPoint(m_square.point(1));
    likePoint->SetCopiedPoint(m_square.point(3));

    EXPECT_TRUE(linesOf(*formula).empty());
    // P1 is graded elsewhere and P3 is read by that formula: neither is a circular support.
    CPtrCollection<CBasePoint> support;
    formula->CollectUsedPoints(support);
    EXPECT_EQ(support.GetCount(), 4);
}

TEST_F(GlobalInterpolateTest, AnEmptyRegionFailsWithMessage110)
{
    CGlobalInterpolateFormula *formula = makeOver(boxShape(100, 100, 110, 110));
    CFormulaMessageList messages;

    EXPECT_FALSE(formula->Validate(&messages, nullptr));
    ASSERT_EQ(messages.GetCount(), 1);
    EXPECT_EQ(messages.GetAt(0)->GetCode(), FM_REGION_WITHOUT_POINTS);
}

TEST_F(GlobalInterpolateTest, TheRuntimeFormInterpolatesTheGradePointsOfAPattern)
{
    std::unique_ptr<IBaseFormula> made = m_square.mask.GetFormulaManager()->MakeGlobalFormula(
        CRuntimeGlobalInterpolateFormula::kFormulaType, nullptr);
    auto *formula = dynamic_cast<CRuntimeGlobalInterpolateFormula *>(made.get());
    ASSERT_NE(formula, nullptr);
    EXPECT_TRUE(formula->IsRuntimeFormula());
    EXPECT_FALSE(formula->Validate(nullptr, nullptr));

    formula->SetPointsPattern(m_square.pattern());
    formula->SetPointKind(INTERPOLATE_OUTLINE_END, true);
    EXPECT_EQ(linesOf(*formula), (std::vector<std::string>{"%PA(1, 1, P1)=%GI(P1,2,P2,P3,P4)"}));
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));
}
