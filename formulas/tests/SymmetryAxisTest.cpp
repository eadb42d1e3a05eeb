// Morvane formula library tests.
// The symmetry axis of a pattern and the list of related formulas.
#include "GradedSquare.h"
#include "formulas/PFSymetryPoint.h"
#include "formulas/RelatedFormulaList.h"
#include "formulas/SymmetryAxis.h"

#include <gtest/gtest.h>

using namespace testformulas;

namespace {

class SymmetryAxisTest : public ::testing::Test
{
protected:
    CSymmetryAxis *makeAxis(CBasePoint *first, CBasePoint *second)
    {
        CFormulaManager &manager = m_square.mask.GetFormulas();
        auto *axis = static_cast<CSymmetryAxis *>(manager.AddFormula(
            manager.MakePatternFormula(CSymmetryAxis::kFormulaType, nullptr, m_square.pattern())));
        axis->SetPoint(0, first);
        axis->SetPoint(1, second);
        return axis;
    }

    GradedSquare m_square;
};

} // namespace

TEST_F(SymmetryAxisTest, MeasuresTheDirectionFromTheFirstPointToTheSecondPerSize)
{
    CSymmetryAxis *axis = makeAxis(m_square.point(1), m_square.point(4));
    EXPECT_EQ(axis->GetPattern(), m_square.pattern());
    EXPECT_EQ(axis->GetAttachKind(), FORMULA_ATTACH_PATTERN);
    EXPECT_NEAR(axis->GetAxisAngle(-1, -1), 90.0, 1e-9);
    // In size (0, 0) P4 lies at (0, 31): still straight up; P1 does not move.
    EXPECT_NEAR(axis->GetAxisAngle(0, 0), 90.0, 1e-9);

    CSymmetryAxis *diagonal = makeAxis(m_square.point(1), m_square.point(3));
    const double base = diagonal->GetAxisAngle(-1, -1);
    EXPECT_NEAR(base, 36.869898, 1e-6);
    EXPECT_NE(diagonal->GetAxisAngle(0, 5), base);
    diagonal->SetPointGraded(1, false);
    EXPECT_NEAR(diagonal->GetAxisAngle(0, 5), base, 1e-12);
    EXPECT_NEAR(diagonal->GetValue(0, 5), base, 1e-12);
    EXPECT_FALSE(diagonal->UsesPointId(m_square.point(3)->GetPointId()));
    EXPECT_TRUE(diagonal->UsesPointId(m_square.point(1)->GetPointId()));
}

TEST_F(SymmetryAxisTest, CoincidingPointsGiveTheAngleOfANullVector)
{
    CSymmetryAxis *axis = makeAxis(m_square.point(2), m_square.point(2));
    EXPECT_EQ(axis->GetAxisAngle(-1, -1), 0.0);
    CSymmetryAxis *pointless = makeAxis(nullptr, m_square.point(2));
    EXPECT_EQ(pointless->GetPointPosition(0, 1, 0).x, 0.0);
}

TEST_F(SymmetryAxisTest, ASymmetryPointMirrorsAboutTheAxisPointsSecondFirst)
{
    CSymmetryAxis *axis = makeAxis(m_square.point(1), m_square.point(4));
    axis->SetVarName("Centre");
    CPFSymetryPoint mirror;
    mirror.SetSymmetryAxis(axis);
    mirror.SetIndexPoint(0, m_square.point(2));
    mirror.UpdateIfNeeded();
    mirror.SetBoundPoint(m_square.point(3));
    mirror.SetResolved(0, m_square.point(2));

    EXPECT_EQ(mirror.GetFormulaText(), "%PA(0,0,P3)=%SYM(P2,3,P4,P1)");
    std::string display;
    mirror.GetDisplayText(display, true);
    EXPECT_EQ(display, "(Front:P2,centre)");
    EXPECT_TRUE(mirror.DependsOnFormula(axis));
    EXPECT_TRUE(mirror.IsDependentOn(axis));
}

TEST(RelatedFormulaListTest, CopiesFindsAndCollectsPoints)
{
    CRelatedFormulaList list;
    EXPECT_EQ(list.Find(nullptr), -1);
    CPtrCollection<IBaseFormula> empty;
    list.CopyFrom(empty);
    EXPECT_EQ(list.GetCount(), 0);

    CPFSymetryPoint first;
    CPFSymetryPoint second;
    CPtrCollection<IBaseFormula> formulas;
    formulas.Add(&first);
    formulas.Add(nullptr);
    formulas.Add(&second);
    list.Add(&second);
    list.CopyFrom(formulas);
    ASSERT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.Find(&second), 2);
    CPtrCollection<CBasePoint> points;
    list.AppendFormulaPoints(points);
    EXPECT_EQ(points.GetCount(), 0);
}
