// Morvane formula library tests.
// The runtime formulas made for a grading run: like point, interpolate and external.
#include "MaskFixtures.h"
#include "formulas/PointFormulaExtend.h"
#include "formulas/RuntimeExternalFormula.h"
#include "formulas/RuntimeFormulaLikePoint.h"
#include "formulas/RuntimeInterpolateFormula.h"
#include "model/GradeMask.h"

#include <gtest/gtest.h>

using testmodel::maskPointAt;

namespace {

class RuntimeFormulaTest : public ::testing::Test
{
protected:
    RuntimeFormulaTest() : m_square(testmodel::placeSquare(m_mask, "Front")) {}

    /// Point i of the square: 0 to 3 are the grade points P1 to P4.
    CBasePoint *point(int i) const { return maskPointAt(*m_square, i); }

    template <class T> std::unique_ptr<T> make()
    {
        std::unique_ptr<IBaseFormula> made =
            m_mask.GetFormulas().MakeGlobalFormula(T::kFormulaType, nullptr);
        EXPECT_NE(dynamic_cast<T *>(made.get()), nullptr);
        return std::unique_ptr<T>(dynamic_cast<T *>(made.release()));
    }

    CGradeMask m_mask;
    CMaskPattern *m_square;
};

} // namespace

TEST_F(RuntimeFormulaTest, LikePointGradesOnePointLikeAnother)
{
    std::unique_ptr<CRuntimeFormulaLikePoint> formula = make<CRuntimeFormulaLikePoint>();
    EXPECT_EQ(formula->GetFormulaText(), "");
    formula->SetApplyTypeY(2);
    formula->SetGradedPoint(point(3));
    formula->SetCopiedPoint(point(1));

    EXPECT_EQ(formula->GetFormulaText(), "%PA(1,2,P4)=P2");
    EXPECT_TRUE(formula->UsesPoint(point(1)));
    EXPECT_FALSE(formula->UsesPoint(point(3)));
    EXPECT_FALSE(formula->IsRuntimeFormula());
    std::string display = "unset";
    formula->GetDisplayText(display, true);
    EXPECT_EQ(display, "");
    formula->GetDisplayText(display, false);
    EXPECT_EQ(display, "Front:P2.x");
}

TEST_F(RuntimeFormulaTest, InterpolateGradesOnePointBetweenTwoWhateverItsCurveFlag)
{
    std::unique_ptr<CRuntimeInterpolateFormula> formula = make<CRuntimeInterpolateFormula>();
    formula->SetPoint(0, point(3));
    formula->SetPoint(1, point(0));
    formula->SetPoint(2, point(1));

    EXPECT_EQ(formula->GetFormulaText(), "%PA(1,1,P4)=%IPL(P4,P1,P2)");
    formula->SetKeepOnCurve(true);
    EXPECT_EQ(formula->GetFormulaText(), "%PA(1,1,P4)=%IPL(P4,P1,P2)");
    EXPECT_TRUE(formula->IsRuntimeFormula());
    EXPECT_TRUE(formula->UsesPoint(point(0)));
    EXPECT_FALSE(formula->UsesPoint(point(2)));

    // An extend formula grading an end point does not make it wait for that formula.
    auto extend = std::make_unique<CPointFormulaExtend>();
    extend->SetBoundPoint(point(0));
    EXPECT_FALSE(formula->IsDependentOn(extend.get()));
}

TEST_F(RuntimeFormulaTest, ExternalMarksItsPointWithoutALine)
{
    std::unique_ptr<CRuntimeExternalFormula> formula = make<CRuntimeExternalFormula>();
    formula->SetPoint(point(0));

    std::vector<std::string> texts;
    formula->AddFormulaText(texts);
    EXPECT_TRUE(texts.empty());
    CPtrCollection<CBasePoint> points;
    formula->CollectPoints(points);
    ASSERT_EQ(points.GetCount(), 1);
    EXPECT_EQ(points.GetAt(0), point(0));
    // A mask point has no slider anchor: the formula reads nothing.
    EXPECT_FALSE(formula->UsesPoint(point(0)));
}
