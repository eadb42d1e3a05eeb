// Morvane formula library tests.
// Measures: variable names, point-to-point values per size, the tangent direction and the
// expression measure's text and value table.
#include "GradedSquare.h"
#include "MaskFixtures.h"
#include "formulas/MeasureExpressionFormula.h"
#include "formulas/MeasureP2P.h"
#include "formulas/MeasureTangent.h"
#include "model/FormulaMessageList.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace testformulas;
using testmodel::SourceLog;

namespace {

using Texts = std::vector<std::string>;

} // namespace

TEST(MeasureFormulaTest, VariableNamesAreTrimmedAndLowerCased)
{
    CMeasureExpressionFormula measure;
    EXPECT_EQ(measure.GetPointsText(), "m?");
    SourceLog log;
    measure.AddListener(&log);
    measure.SetVarName("  Waist ");
    measure.SetVarName("waist");
    measure.SetVarName("WAIST");
    measure.RemoveListener(&log);
    EXPECT_EQ(measure.GetVarName(), "waist");
    EXPECT_EQ(measure.GetFormulaName(), "waist");
    EXPECT_EQ(measure.GetPointsText(), "waist");
    EXPECT_EQ(log.events, (Texts{"4:3:0", "8:3:0"}));
    EXPECT_EQ(measure.AsMeasureFormula(), &measure);
    EXPECT_EQ(measure.GetApplyTypeX(), 2);
    EXPECT_EQ(measure.GetApplyTypeY(), 2);
}

TEST(MeasureFormulaTest, PointToPointMeasuresEachTypePerSize)
{
    GradedSquare square;
    struct Row
    {
        const char *name;
        int type;
        int first;
        int second;
        int size;
        double value;
    };
    // In size (0, s) P2 lies s + 1 further right, P3 s + 1 further right and up.
    const Row rows[] = {
        {"distance, base size", MEASURE_DISTANCE, 1, 3, -1, 50.0},
        {"distance, size 1", MEASURE_DISTANCE, 1, 3, 1, std::hypot(42.0, 32.0)},
        {"x difference, size 0", MEASURE_X_DIFFERENCE, 3, 1, 0, 41.0},
        {"y difference, size 2", MEASURE_Y_DIFFERENCE, 1, 3, 2, 33.0},
        {"direction, base size", MEASURE_DIRECTION, 1, 2, -1, 0.0},
        {"direction straight down", MEASURE_DIRECTION, 4, 1, -1, -90.0},
        {"direction, size 0", MEASURE_DIRECTION, 2, 3, 0, 90.0},
        {"unknown type", 7, 1, 3, 1, 0.0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        CMeasureP2P measure;
        measure.SetPattern(square.pattern());
        measure.SetMeasureType(row.type);
        measure.SetResolved(0, square.point(row.first));
        measure.SetResolved(1, square.point(row.second));
        const int table = row.size < 0 ? -1 : 0;
        EXPECT_NEAR(measure.GetValue(table, row.size), row.value, 1e-9);
    }
}

TEST(MeasureFormulaTest, APointThatDoesNotFollowTheSizeStaysAtTheBase)
{
    GradedSquare square;
    CMeasureP2P measure;
    measure.SetMeasureType(MEASURE_X_DIFFERENCE);
    measure.SetResolved(0, square.point(1));
    measure.SetResolved(1, square.point(2));
    EXPECT_NEAR(measure.GetValue(0, 4), 45.0, 1e-9);
    EXPECT_TRUE(measure.UsesPoint(square.point(2)));
    measure.SetFollowsSize(1, false);
    EXPECT_NEAR(measure.GetValue(0, 4), 40.0, 1e-9);
    EXPECT_FALSE(measure.UsesPoint(square.point(2)));
    EXPECT_TRUE(measure.UsesPoint(square.point(1)));
    EXPECT_FALSE(measure.UsesPoint(nullptr));

    CMeasureP2P empty;
    EXPECT_EQ(empty.GetValue(0, 1), 0.0);
    std::string text;
    empty.GetDisplayText(text, false);
    EXPECT_EQ(text, "(P?, P?)");
    empty.SetIndexPoint(0, square.point(1));
    empty.GetDisplayText(text, false);
    EXPECT_EQ(text, "(P1, P?)");
}

// The mask square's second line runs P2 (40, 0), P3 (40, 40), P4 (0, 40), P1.
TEST(MeasureFormulaTest, TangentIsTheLinesDirectionAtThePoint)
{
    CGradeMask mask;
    CMaskPattern *square = testmodel::placeSquare(mask, "Front");
    CMeasureTangent tangent;
    tangent.SetTangentPoint(square->GetBasePointAt(2));
    CFormulaMessageList messages;
    EXPECT_FALSE(tangent.Validate(&messages, nullptr));
    ASSERT_EQ(messages.GetCount(), 1);
    EXPECT_EQ(messages.Find(FM_NO_POLYLINE, &tangent), 0);
    EXPECT_EQ(tangent.GetValue(-1, -1), 0.0);

    tangent.SetPolyline(square->GetPatternPolylineAt(1));
    EXPECT_TRUE(tangent.Validate(nullptr, nullptr));
    EXPECT_NEAR(tangent.GetValue(-1, -1), 180.0, 1e-9);
    EXPECT_TRUE(tangent.UsesPoint(square->GetBasePointAt(3)));
    EXPECT_FALSE(tangent.UsesPoint(square->GetBasePointAt(1)));
    std::string text;
    tangent.GetDisplayText(text, false);
    EXPECT_EQ(text, "(Front:P3->)");

    tangent.SetForward(false);
    EXPECT_NEAR(tangent.GetValue(0, 1), -90.0, 1e-9);
    EXPECT_TRUE(tangent.UsesPoint(square->GetBasePointAt(1)));
    tangent.GetDisplayText(text, false);
    EXPECT_EQ(text, "(Front:P3<-)");
}

TEST(MeasureFormulaTest, ExpressionMeasureWritesItsLineAndKeepsValuesPerSize)
{
    CMeasureExpressionFormula measure;
    measure.SetVarName("Waist");
    EXPECT_EQ(measure.GetFormulaText(), "%PA(1,2,waist)=(0,0)");
    measure.GetParam(0)->SetValue(" a+b ");
    EXPECT_EQ(measure.GetFormulaText(), "%PA(1,2,waist)=(a+b,0)");

    SourceLog log;
    measure.AddListener(&log);
    measure.SetValue(0, 2, 5.5);
    measure.SetValue(1, 2, 7.0);
    measure.SetValue(-1, -1, 1.5);
    EXPECT_EQ(measure.GetValue(0, 2), 5.5);
    EXPECT_EQ(measure.GetValue(-1, -1), 1.5);
    EXPECT_EQ(measure.GetValue(0, 3), 0.0);
    measure.ClearTable(0);
    EXPECT_EQ(measure.GetValue(0, 2), 0.0);
    EXPECT_EQ(measure.GetValue(1, 2), 7.0);
    measure.ClearValues();
    measure.RemoveListener(&log);
    EXPECT_EQ(measure.GetValue(1, 2), 0.0);
    EXPECT_EQ(log.events, (Texts(5, "8:3:3")));
}
