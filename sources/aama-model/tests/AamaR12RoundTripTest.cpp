// Morvane AAMA grade model tests.
// A graded R12 file with the traits of another pattern system: notches without a rule, and rule
// points that two outlines share.
#include "ModelDescription.h"
#include "TestFiles.h"
#include "sources/aama-model/AamaGradeModel.h"

#include <gtest/gtest.h>

// The graded R12 file keeps a notch that has no rule, and a rule point that ends one outline
// and starts the next is one point.
TEST(AamaR12RoundTripTest, KeepsNotchesWithoutRuleAndSharedRulePoints)
{
    ScratchFolder folder;
    auto model = loadedModel(dataPath("master-size-shared.dxf"), folder / "saved.dxf");
    CAamaGradePattern &front = *model->GetPatternAt(0);
    int rulePoints = 0;
    front.GetInternalPointCount(rulePoints);
    EXPECT_EQ(rulePoints, 5) << "rules 5, 6, 7, 9 and the drill hole's 8";
    EXPECT_EQ(front.GetCurveAt(0)->GetPointAt(3), front.GetCurveAt(1)->GetPointAt(0));
    const CAamaGradePoint &notch = *front.GetCurveAt(0)->GetPointAt(1);
    EXPECT_EQ(notch.GetKind(), morvane::kAamaNotchPoint);
    EXPECT_FALSE(notch.HasRule());
    EXPECT_DOUBLE_EQ(notch.GetBasePosition().x, 10.0);
    EXPECT_DOUBLE_EQ(notch.GetBasePosition().y, -1.0);
    ASSERT_NE(notch.GetNotch(), nullptr);
    EXPECT_NEAR(notch.GetNotch()->m_oVector.x, 0.0, 0.005);
    EXPECT_NEAR(notch.GetNotch()->m_oVector.y, 1.5, 0.005);
}
