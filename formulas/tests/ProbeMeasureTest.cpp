// Morvane formula library tests.
// The measures that probe the outline along a ray: from a point, and across a grade region,
// per size, with the grade points beside the crossings.
#include "GradedSquare.h"
#include "RegionFixtures.h"
#include "formulas/MeasureDistP2S.h"
#include "formulas/MeasureDistS2S.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>

using namespace testformulas;

// From P1 at 45 degrees the ray meets the top edge P3-P4, which tilts up to P3 in larger sizes:
// in size (0, s) at x = y = 30 (41 + s) / 40.
TEST(ProbeMeasureTest, PointToShapeMeasuresToTheFarOutlinePerSize)
{
    GradedSquare square;
    CMeasureDistP2S measure;
    measure.SetPattern(square.pattern());
    measure.SetMeasuredPoint(square.point(1));
    measure.SetResolved(0, square.point(1));
    measure.SetAngleDeg(45);
    EXPECT_NEAR(measure.GetValue(-1, -1), 30 * std::numbers::sqrt2, 1e-6);
    for (const int s : {0, 1, 4}) {
        SCOPED_TRACE(s);
        EXPECT_NEAR(measure.GetValue(0, s), 30 * (41.0 + s) / 40 * std::numbers::sqrt2, 1e-6);
    }
    const DPOINT far = measure.GetSecondBound(0, 1);
    EXPECT_NEAR(far.x, 31.5, 1e-6);
    EXPECT_NEAR(far.y, 31.5, 1e-6);
    const DPOINT start = measure.GetFirstBound(0, 1);
    EXPECT_NEAR(start.x, 0.0, 1e-9);

    // The rule and the grade points on either side of the crossed edge.
    EXPECT_TRUE(measure.UsesPoint(square.point(1)));
    EXPECT_TRUE(measure.UsesPoint(square.point(3)));
    EXPECT_TRUE(measure.UsesPoint(square.point(4)));
    EXPECT_FALSE(measure.UsesPoint(square.point(2)));
    EXPECT_EQ(displayOf(measure, true), "(P1, 45.0 deg)");

    // Turned away from the piece, the ray meets the outline only at its origin.
    measure.SetAngleDeg(225);
    EXPECT_NEAR(measure.GetValue(0, 1), 0.0, 1e-9);
    EXPECT_FALSE(measure.UsesPoint(square.point(3)));
}

TEST(ProbeMeasureTest, PointToShapeWithoutAPointIsZero)
{
    GradedSquare square;
    CMeasureDistP2S measure;
    measure.SetPattern(square.pattern());
    measure.SetAngleDeg(45);
    EXPECT_EQ(measure.GetValue(0, 1), 0.0);
    EXPECT_EQ(displayOf(measure, false), "(P?, 45.0 deg)");
}

// Upwards from (20, -5): the bottom edge at y = 0, the top edge at y = 30 + 20 (1 + s) / (41 + s)
// in size (0, s): each size gets its own value.
TEST(ProbeMeasureTest, ShapeToShapeMeasuresAcrossTheRegionPerSize)
{
    GradedSquare square;
    CGradeRegion *region =
        testmodel::addRegion(square.mask, testmodel::boxShape(10, -5, 30, 45), REGION_GRADE);
    IBaseFormula *made = square.mask.GetFormulaManager()->AddNewRegionFormula(
        CMeasureDistS2S::kFormulaType, nullptr, region);
    auto *measure = dynamic_cast<CMeasureDistS2S *>(made);
    ASSERT_NE(measure, nullptr);
    EXPECT_NEAR(measure->GetValue(-1, -1), 30.0, 1e-9);
    for (const int s : {0, 2}) {
        SCOPED_TRACE(s);
        EXPECT_NEAR(measure->GetValue(0, s), 30 + 20 * (1.0 + s) / (41 + s), 1e-9);
    }
    EXPECT_NEAR(measure->GetFirstBound(-1, -1).y, 0.0, 1e-9);
    EXPECT_NEAR(measure->GetSecondBound(-1, -1).y, 30.0, 1e-9);
    for (int n = 1; n <= 4; ++n)
        EXPECT_TRUE(measure->UsesPoint(square.point(n))) << n;
    EXPECT_EQ(displayOf(*measure, false), "(90.0 deg)");

    // A lower region holds only the bottom crossing.
    region->SetMaxHeight(20);
    EXPECT_NEAR(measure->GetValue(0, 1), 0.0, 1e-9);
    EXPECT_FALSE(measure->UsesPoint(square.point(3)));
}
