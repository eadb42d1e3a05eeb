// Morvane formula library tests.
// The formulas that grade every point of a grade region: along its direction, or like a point.
#include "GradedSquare.h"
#include "MaskFixtures.h"
#include "RegionFixtures.h"
#include "formulas/GradeRegionFormula.h"
#include "formulas/RegionFormulaLikePoint.h"
#include "model/FormulaMessageList.h"

#include <gtest/gtest.h>

#include <numbers>

using namespace testformulas;
using namespace testmodel;

namespace {

class GradeRegionFormulaTest : public ::testing::Test
{
protected:
    /// A grade region holding the input square's points P1 to P3 (x in [-1, 41], y in [-1, 1]
    /// takes P1 and P2; the box up to y 31 takes all four).
    CGradeRegion *addRegion(double maxY)
    {
        return testmodel::addRegion(m_square.mask, boxShape(-1, -1, 41, maxY), REGION_GRADE);
    }

    template <class T> T *makeFor(CGradeRegion *region)
    {
        return static_cast<T *>(
            m_square.mask.GetFormulaManager()->AddNewRegionFormula(T::kFormulaType, nullptr,
                                                                   region));
    }

    GradedSquare m_square;
};

struct ApplyCase
{
    const char *name;
    double degrees;
    const char *x;
    const char *y;
    int applyX;
    int applyY;
};

} // namespace

TEST_F(GradeRegionFormulaTest, ApplyTypesFollowTheDirectionAndTheTextsSet)
{
    const ApplyCase cases[] = {
        {"across, x text only", 90.0, "dx", "", 2, 0},
        {"across, y text only", -90.0, "", "dy", 0, 2},
        {"along, x text only", 0.0, "dx", "", 0, 2},
        {"backwards, y text only", 180.0, "", "dy", 2, 0},
        {"slanted", 30.0, "dx", "", 0, 0},
        {"slanted without texts", 30.0, "", "", 2, 2},
        {"within one degree of across", 90.5, "dx", "", 2, 0},
    };
    CGradeRegion *region = addRegion(31);
    auto *formula = makeFor<CGradeRegionFormula>(region);
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        region->SetDirection(row.degrees, false);
        formula->GetParam(0)->SetValue(row.x);
        formula->GetParam(1)->SetValue(row.y);
        EXPECT_EQ(formula->GetApplyTypeX(), row.applyX);
        EXPECT_EQ(formula->GetApplyTypeY(), row.applyY);
    }
}

TEST_F(GradeRegionFormulaTest, GradesEveryRegionPointAlongTheDirectionInDegrees)
{
    CGradeRegion *halfPlane = testmodel::addRegion(m_square.mask, kHalfPlaneShape, REGION_GRADE);
    auto *along = makeFor<CGradeRegionFormula>(halfPlane);
    along->GetParam(0)->SetValue("dx");

    EXPECT_EQ(along->GetFormulaText(), "%PA(0, 2, P1,P2,P3,P4)=%RG(0.000000,dx,)");
    std::string display;
    along->GetDisplayText(display, true);
    EXPECT_EQ(display, "dx");
    EXPECT_TRUE(along->Validate(nullptr, nullptr));
    along->OnRegionPointRemoved(m_square.point(1));
    EXPECT_EQ(along->GetFormulaText(), "%PA(0, 2, P2,P3,P4)=%RG(0.000000,dx,)");

    auto *across = makeFor<CGradeRegionFormula>(addRegion(1));
    across->GetParam(0)->SetValue("dx");
    across->GetParam(1)->SetValue("dy");
    EXPECT_EQ(across->GetFormulaText(), "%PA(0, 0, P1,P2)=%RG(90.000000,dx,dy)");
    across->GetDisplayText(display, true);
    EXPECT_EQ(display, "dx,dy");
}

TEST_F(GradeRegionFormulaTest, ARegionWithoutPointsFailsWithMessage110)
{
    CGradeRegion *region = testmodel::addRegion(m_square.mask, boxShape(100, 100, 110, 110),
                                                REGION_GRADE);
    auto *formula = makeFor<CGradeRegionFormula>(region);
    formula->GetParam(0)->SetValue("dx");
    CFormulaMessageList messages;

    EXPECT_FALSE(formula->Validate(&messages, nullptr));
    ASSERT_EQ(messages.GetCount(), 1);
    EXPECT_EQ(messages.GetAt(0)->GetCode(), FM_REGION_WITHOUT_POINTS);
    EXPECT_EQ(messages.GetAt(0)->GetText(), "");
}

TEST_F(GradeRegionFormulaTest, LikePointGradesTheRegionLikeTheDifferenceOfTwoPoints)
{
    CMaskPattern *front = placeSquare(m_square.mask, "Front");
    IPointAssociationMap *associations = m_square.mask.GetPointAssociationMap();
    associations->AddAssociation(maskPointAt(*front, 0)->GetMaskPoint(), m_square.point(1));
    associations->AddAssociation(maskPointAt(*front, 1)->GetMaskPoint(), m_square.point(2));
    auto *formula = makeFor<CRegionFormulaLikePoint>(addRegion(31));
    formula->SetReferencePoint(maskPointAt(*front, 0));

    EXPECT_EQ(formula->GetFormulaText(), "%PA(0,0,P2,P3,P4)=P1");
    formula->SetSecondReferencePoint(maskPointAt(*front, 1));
    EXPECT_EQ(formula->GetFormulaText(), "%PA(0,0,P3,P4)=P1-P2");
    std::string display;
    formula->GetDisplayText(display, true);
    EXPECT_EQ(display, "Front:P1 - Front:P2");
    EXPECT_TRUE(formula->UsesPoint(m_square.point(2)));
    EXPECT_FALSE(formula->UsesPoint(m_square.point(3)));
    EXPECT_TRUE(formula->Validate(nullptr, nullptr));

    formula->SetSecondReferencePoint(nullptr);
    EXPECT_EQ(formula->GetFormulaText(), "%PA(0,0,P2,P3,P4)=P1");
}
