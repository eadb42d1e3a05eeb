// Morvane formula library tests.
// The complex dart over input patterns: one dart per input pattern that shows it, and the
// point formulas it generates around each.
#include "InputSquares.h"
#include "MaskFixtures.h"
#include "formulas/ComplexDartFormula.h"
#include "formulas/PointFormulaClosedDart.h"
#include "formulas/PointFormulaKeepAngleLength.h"
#include "model/GradeMask.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using testmodel::maskPointAt;

namespace {

// Two input pieces "A" and "B" drawn on paper like the mask's square "Front": corners
// (0,0), (40,0), (40,40), (0,40) and a fifth point (20,0) on the first edge. The dart is
// points 0, 1, 2 of the square (its legs end at 0 and 2, the apex is 1), the closed-dart point
// is 3 and the point before the dart, which turns with it, is 4.
class ComplexDartTest : public ::testing::Test
{
protected:
    ComplexDartTest()
    {
        CFormulaManager &manager = m_mask->GetFormulas();
        m_dart = static_cast<CComplexDartFormula *>(manager.AddFormula(
            manager.MakePatternFormula(CComplexDartFormula::kFormulaType, nullptr, m_square)));
        for (int i = 0; i < 3; ++i)
            m_dart->SetIndexPoint(i, maskPointAt(*m_square, i));
        m_dart->SetClosedDartPoint(maskPointAt(*m_square, 3));
        m_dart->SetRotateBegin(true);
        m_dart->SetBeginAffectedPoint(maskPointAt(*m_square, 4));
    }

    CBasePoint *inputPoint(int pattern, int i) const { return m_squares.inputPoint(pattern, i); }

    void associateEverywhere()
    {
        for (int i = 0; i < 5; ++i)
            m_squares.associateEverywhere(i);
    }

    /// The evaluation order's formulas as "<class>@<pattern of the point acted on>".
    std::vector<std::string> describeOrder()
    {
        CPtrCollection<IBaseFormula> order;
        m_mask->GetFormulas().GetEvaluationOrder(order);
        std::vector<std::string> described;
        for (IBaseFormula *formula : order) {
            CPtrCollection<CBasePoint> points;
            formula->CollectPoints(points);
            const std::string where =
                points.GetCount() > 0 ? points.GetAt(0)->GetParent()->GetPatternName() : "?";
            described.push_back(
                std::string(formula->GetBaseFormula()->GetRuntimeClass()->m_sClassName) + "@" +
                where);
        }
        return described;
    }

    testformulas::InputSquares m_squares{{"A", "B"}, true};
    CGradeMask *m_mask = m_squares.mask;
    CMaskPattern *m_square = m_squares.square;
    CComplexDartFormula *m_dart = nullptr;
};

} // namespace

TEST_F(ComplexDartTest, GradesADartAndItsPointsOnEveryInputPatternThatShowsIt)
{
    associateEverywhere();

    EXPECT_EQ(describeOrder(), (std::vector<std::string>{
                                   "CComplexDartFormula@A",
                                   "CPointFormulaClosedDart@A",
                                   "CPointFormulaKeepAngleLength@A",
                                   "CComplexDartFormula@B",
                                   "CPointFormulaClosedDart@B",
                                   "CPointFormulaKeepAngleLength@B",
                               }));
    // The mask's dart itself writes nothing: its copies grade the input patterns.
    CPtrCollection<IBaseFormula> order;
    m_mask->GetFormulas().GetEvaluationOrder(order);
    std::vector<std::string> lines;
    for (IBaseFormula *formula : order)
        formula->AddFormulaText(lines);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "%DG(P1,P2,P3,0,0,0,0,0.000000,0,0)",
                         "%PA(1,1,P4)=%DGC(P4,P3,P2,P1,0)",
                         "%PA(0,0,P5)=%ROTL(P5, P1, P2, 1)",
                         "%DG(P6,P7,P8,0,0,0,0,0.000000,0,0)",
                         "%PA(1,1,P9)=%DGC(P9,P8,P7,P6,0)",
                         "%PA(0,0,P10)=%ROTL(P10, P6, P7, 1)",
                     }));
}

TEST_F(ComplexDartTest, WithoutAssociationsTheDartGradesItselfAlone)
{
    EXPECT_EQ(describeOrder(), (std::vector<std::string>{"CComplexDartFormula@?"}));
}

TEST_F(ComplexDartTest, AnInvalidDartCopyGeneratesNoPointFormulas)
{
    // Point 2 of B is not associated: B's copy misses its last dart point.
    for (int i = 0; i < 5; ++i) {
        for (int pattern = 0; pattern < 2; ++pattern) {
            if (i != 2 || pattern == 0)
                m_mask->GetPointAssociationMap()->AddAssociation(
                    maskPointAt(*m_square, i)->GetMaskPoint(), inputPoint(pattern, i));
        }
    }

    const std::vector<std::string> order = describeOrder();
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(order[3], "CComplexDartFormula@B");
}
