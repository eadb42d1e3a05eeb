// Morvane program documents tests.
// The automation objects: reused and re-aimed, checked at every index, never reaching a deleted
// target.
#include "ExpectThrowMessage.h"
#include "app/documents/AutomationError.h"
#include "app/documents/TrgMeasureTable.h"
#include "app/documents/TrgPattern.h"
#include "app/documents/TestRectangle.h"
#include "app/documents/testing/ClientTestModel.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/MorvaneFactory.h"
#include "model/NoGeomPolyline.h"
#include "platform/brismond/GradeSize.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IMeasureTable.h"
#include "platform/brismond/TableSetFactory.h"
#include "sources/client-model/ClientGradeModel.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using morvane::AutomationError;
using morvane::ClientPatternRef;

namespace {

/// The client's test rectangle: nine grade points, four polylines, and on polyline 2 (from
/// (350, 50) to (0, 50)) three notches: at point 7 (a slider lying on point 2), at point 4 (on
/// the line) and at point 8 (a slider at (40, 50)). The model is attached to a table set of one
/// table with the sizes S, M (base) and L, its input patterns are made, and grading has begun.
class AutomationObjectsTest : public testing::Test
{
protected:
    AutomationObjectsTest()
    {
        m_model.AddPattern("Rectangle");
        CGeomPattern &pattern = *m_model.GetGeomPatternAt(0);
        AddTestRectangle(pattern);

        IMeasureTable &table = *m_set->GetTableAt(m_set->InsertTable(0, 1, "Women", -1));
        table.InsertSizesAt({"S", "M", "L"}, 0, -1, 1);
        table.InsertMeasurement("CHEST", 0, 0, 0, -1);
        table.InsertMeasurement("WAIST", 0, 0, 0, -1);

        m_model.PrepareData();
        m_model.OnAttach(&m_set->GetGradeData());
        m_inputs->AddPattern(&pattern);
        m_inputs->Update();
        m_model.BeginGrading();
        m_pattern.SetPattern(ClientPatternRef(&m_model, &pattern, m_inputs.get()));
        m_table.SetMeasureTable(m_set.get(), &table);
    }

    CGeomPattern &pattern() { return *m_model.GetGeomPatternAt(0); }

    /// The input point standing for base point i of the client pattern.
    IInputPoint *inputPointOf(int i)
    {
        CInputPattern &input = *m_inputs->GetPatternAt(0);
        const int index = input.FindInputPoint(pattern().GetBasePointAt(i));
        return index >= 0 ? input.GetInputPointAt(index) : nullptr;
    }

    /// The slider point that notch 2 (point 8) has on the input polyline of polyline 2.
    CBasePoint *sliderOfLastNotch()
    {
        CGeomPolyline &line = *pattern().GetPatternPolylineAt(2);
        CNoGeomPolyline *modelLine = m_inputs->GetPatternAt(0)->FindCurvePolyline(&line);
        return modelLine->GetSliderPoint(pattern().GetBasePointAt(8));
    }

    CClientGradeModel m_model;
    CEventHandler *m_setHandler = nullptr;
    std::unique_ptr<IBrismond> m_set = CTableSetFactory::Make("set", m_setHandler);
    CEventHandler *m_inputsHandler = nullptr;
    std::unique_ptr<IInputPatterns> m_inputs = CMorvaneFactory::MakeInputPatterns(m_inputsHandler);
    CTrgPattern m_pattern;
    CTrgMeasureTable m_table;
};

} // namespace

TEST_F(AutomationObjectsTest, APatternHandsOutOnePolylineObjectAimedAtTheLastPolylineAskedFor)
{
    CTrgPolyline &first = m_pattern.GetPolylineAt(2);
    EXPECT_EQ(first.GetPointCount(), 4);
    EXPECT_EQ(first.GetNotchCount(), 3);
    CTrgPolyline &second = m_pattern.GetPolylineAt(0);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.GetPointCount(), 2);
    EXPECT_EQ(first.GetNotchCount(), 0);
    EXPECT_EQ(first.GetPointAt(1), 1);
    EXPECT_EQ(m_pattern.GetPolylineCount(), 4);
    EXPECT_EQ(m_pattern.GetBasePointCount(), 9);
}

TEST_F(AutomationObjectsTest, AnIndexThatNamesNothingIsRefusedWithItsCallAndRange)
{
    struct Case
    {
        const char *name;
        std::function<void()> call;
        const char *message;
    };
    double dx = 0;
    double dy = 0;
    const Case cases[] = {
        {"polyline", [&] { m_pattern.GetPolylineAt(4); },
         "GetPolylineAt: polyline 4 is out of range (0 to 3)"},
        {"point", [&] { m_pattern.GetPointRuleValue(-1, 0, 0, dx, dy); },
         "GetPointRuleValue: point -1 is out of range (0 to 8)"},
        {"table", [&] { m_pattern.GetPointRuleValue(0, 1, 0, dx, dy); },
         "GetPointRuleValue: grade-rule table 1 is out of range (0 to 0)"},
        {"size", [&] { m_pattern.GetPointRuleValue(0, 0, 3, dx, dy); },
         "GetPointRuleValue: size 3 is out of range (0 to 2)"},
        {"notch", [&] { m_pattern.GetPolylineAt(2).GetNotchRefGradePoint(3); },
         "GetNotchRefGradePoint: notch 3 is out of range (0 to 2)"},
        {"notch on a line without notches",
         [&] { m_pattern.GetPolylineAt(0).GetNotchDistanceValue(0, 0, 0); },
         "GetNotchDistanceValue: notch 0 is out of range: there is none"},
        {"notch size", [&] { m_pattern.GetPolylineAt(2).GetNotchDistanceValue(2, 0, -1); },
         "GetNotchDistanceValue: size -1 is out of range (0 to 2)"},
        {"base size", [&] { m_table.SetOriginalGradeSize(3); },
         "SetOriginalGradeSize: size 3 is out of range (0 to 2)"},
        {"size name", [&] { m_table.SetGradeSizeName(-1, "XL"); },
         "SetGradeSizeName: size -1 is out of range (0 to 2)"},
        {"size name read", [&] { m_table.GetGradeSizeName(3); },
         "GetGradeSizeName: size 3 is out of range (0 to 2)"},
        {"measurement", [&] { m_table.GetIMeasurementAt(2); },
         "GetIMeasurementAt: measurement 2 is out of range (0 to 1)"},
        {"measurement value", [&] { m_table.GetIMeasurementAt(0).GetMeasureSizeValueAt(3, false); },
         "GetMeasureSizeValueAt: size 3 is out of range (0 to 2)"},
        {"measurement value set",
         [&] { m_table.GetIMeasurementAt(0).SetMeasureSizeValueAt(-2, 1, false); },
         "SetMeasureSizeValueAt: size -2 is out of range (0 to 2)"},
        {"value not a number",
         [&] { m_table.GetIMeasurementAt(0).SetMeasureSizeValueAt(0, NAN, false); },
         "SetMeasureSizeValueAt: the value is not a finite number"},
        {"colour", [&] { m_pattern.SetOutlineColor(-1); },
         "SetOutlineColor: 0xFFFFFFFF is no colour reference 0x00BBGGRR"},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_THROW_MSG(row.call(), AutomationError, row.message);
    }
    EXPECT_EQ(m_table.GetOriginalGradeSize(), 1);
    EXPECT_EQ(m_table.GetGradeSizeName(0), "S");
    EXPECT_EQ(pattern().GetOutlineColor(), CGeomPattern::kNoOutlineColor);
}

TEST_F(AutomationObjectsTest, ObjectsNotYetAimedOrWhoseTargetIsGoneRefuseEveryCall)
{
    CTrgPattern fresh;
    EXPECT_THROW_MSG(fresh.GetBasePointCount(), AutomationError,
                     "GetBasePointCount: no pattern was asked for (GetPatternAt)");
    EXPECT_THROW_MSG(fresh.GetPolyline().AddPoint(0), AutomationError,
                     "AddPoint: no polyline was asked for (GetPolylineAt)");
    CTrgMeasureTable freshTable;
    EXPECT_THROW_MSG(freshTable.GetTableType(), AutomationError,
                     "GetTableType: no measurement table was asked for (GetIMeasureTableAt)");
    EXPECT_THROW_MSG(freshTable.GetMeasurement().GetName(), AutomationError,
                     "GetName: no measurement was asked for (GetIMeasurementAt)");

    CTrgPolyline &line = m_pattern.GetPolylineAt(1);
    CTrgMeasurement &measurement = m_table.GetIMeasurementAt(1);
    m_model.ClearPatterns();
    m_set->GetTableAt(0)->RemoveMeasurementAt(1);
    EXPECT_THROW_MSG(m_pattern.AddBasePoint(1, 2, 1), AutomationError,
                     "AddBasePoint: the pattern was cleared from the model");
    EXPECT_THROW_MSG(line.AddNotch(0, 1, 1), AutomationError,
                     "AddNotch: the pattern was cleared from the model");
    EXPECT_THROW_MSG(measurement.SetName("hip"), AutomationError,
                     "SetName: the measurement is no longer in the measurement tables");
    EXPECT_EQ(m_table.GetMeasurementCount(), 1);

    m_set->Clear();
    EXPECT_THROW_MSG(m_table.GetGradeSizeCount(), AutomationError,
                     "GetGradeSizeCount: the measurement table is no longer in the table set");
}

TEST_F(AutomationObjectsTest, TheClientModelsOwnAnswersForIndexesAreKept)
{
    EXPECT_EQ(m_pattern.AddMarkPoint(9), -1);
    EXPECT_EQ(m_pattern.AddPolyline(8, 2, 0), -1);
    CTrgPolyline &line = m_pattern.GetPolylineAt(3);
    EXPECT_EQ(line.GetPointAt(2), -1);
    EXPECT_EQ(line.AddPoint(9), -1);
    EXPECT_EQ(line.AddNotch(-1, 0, 0), -1);
    EXPECT_EQ(m_pattern.AddBasePoint(5, 5, 0), 9);
    EXPECT_EQ(line.AddPoint(9), 2);
    EXPECT_EQ(m_pattern.AddMarkPoint(9), 0);
}

TEST_F(AutomationObjectsTest, RuleValuesAreReadPerPointTableAndSize)
{
    pattern().GetBasePointAt(1)->SetRuleValue(0, 2, 12.5, -3);
    double dx = 0;
    double dy = 0;
    m_pattern.GetPointRuleValue(1, 0, 2, dx, dy);
    EXPECT_EQ(dx, 12.5);
    EXPECT_EQ(dy, -3);
    m_pattern.GetPointRuleValue(1, 0, 0, dx, dy);
    EXPECT_EQ(dx, 0);
    EXPECT_EQ(dy, 0);
}

TEST_F(AutomationObjectsTest, NotchQueriesAnswerThroughTheSliderPointOfTheInputPolyline)
{
    CTrgPolyline &line = m_pattern.GetPolylineAt(2);
    // The notch at point 4 lies on the line: it has no slider point.
    EXPECT_EQ(line.GetNotchRefGradePoint(1), -1);
    EXPECT_EQ(line.GetNotchDistanceValue(1, 0, 1), 0.0);
    // A slider that measures from no point yet.
    EXPECT_EQ(line.GetNotchRefGradePoint(2), -1);

    CBasePoint *slider = sliderOfLastNotch();
    ASSERT_NE(slider, nullptr);
    slider->GetInputPoint()->SetLinkedPoint(inputPointOf(5));
    EXPECT_EQ(line.GetNotchRefGradePoint(2), 5);
    // The slider at (40, 50) lies 40 along the outline from point 5 at (0, 50).
    EXPECT_NEAR(std::fabs(line.GetNotchDistanceValue(2, 0, 1)), 40.0, 1e-9);
    EXPECT_NEAR(line.GetNotchDistanceValue(2, 0, 1),
                -m_inputs->GetPatternAt(0)
                     ->FindCurvePolyline(pattern().GetPatternPolylineAt(2))
                     ->GetSliderDistanceValue(slider, 0, 1),
                1e-12);
}

TEST_F(AutomationObjectsTest, WithoutInputPatternsTheNotchQueriesGiveTheirMissingAnswers)
{
    m_pattern.SetPattern(ClientPatternRef(&m_model, &pattern(), nullptr));
    CTrgPolyline &line = m_pattern.GetPolylineAt(2);
    EXPECT_EQ(line.GetNotchRefGradePoint(2), -1);
    EXPECT_EQ(line.GetNotchDistanceValue(2, 0, 0), 0.0);
}

TEST_F(AutomationObjectsTest, TheOutlineColourIsAColourReference)
{
    m_pattern.SetOutlineColor(0x00336699);
    EXPECT_EQ(pattern().GetOutlineColor(), 0x00336699u);
}

TEST_F(AutomationObjectsTest, SizeNamesCarryAnOptionalNumber)
{
    struct Case
    {
        const char *name;
        int index;
        const char *text;
        const char *stored;
        int number;
        int naming;
        const char *readBack;
    };
    const Case cases[] = {
        {"numbered", 0, "38<M>", "M", 38, IMeasureTable::kNumberedSizeNames, "38<M>"},
        {"plain", 1, "XL", "XL", 0, IMeasureTable::kPlainSizeNames, "XL"},
        {"no closing bracket", 2, "40<L", "L", 40, IMeasureTable::kNumberedSizeNames, "40<L>"},
        {"text after the bracket", 2, " 42<XL>x", "XL", 42, IMeasureTable::kNumberedSizeNames,
         "42<XL>"},
        {"no number", 0, "<S>", "S", 0, IMeasureTable::kNumberedSizeNames, "0<S>"},
    };
    IMeasureTable &table = *m_set->GetTableAt(0);
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        m_table.SetGradeSizeName(row.index, row.text);
        EXPECT_EQ(table.GetSizeAt(row.index)->GetName(), row.stored);
        if (row.naming == IMeasureTable::kNumberedSizeNames) {
            EXPECT_EQ(table.GetSizeAt(row.index)->GetNumberName(), row.number);
        }
        EXPECT_EQ(table.GetTableSizeType(), row.naming);
        EXPECT_EQ(m_table.GetGradeSizeName(row.index), row.readBack);
    }
    // Switching back to plain names reads the names alone.
    m_table.SetGradeSizeName(1, "M");
    EXPECT_EQ(m_table.GetGradeSizeName(0), "S");
}

TEST_F(AutomationObjectsTest, TablesAndMeasurementsAreNamedTypedAndValued)
{
    m_table.SetName("chest table");
    EXPECT_EQ(m_set->GetTableAt(0)->GetName(), "chest table");
    m_table.SetTableType(3);
    EXPECT_EQ(m_table.GetTableType(), 3);
    m_table.SetTableType(7);
    EXPECT_EQ(m_table.GetTableType(), 0);

    CTrgMeasurement &first = m_table.GetIMeasurementAt(0);
    CTrgMeasurement &second = m_table.GetIMeasurementAt(1);
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.GetName(), "WAIST");
    first.SetName("hip ä");
    EXPECT_EQ(first.GetName(), "HIP ä");
    first.SetComment("around");
    EXPECT_EQ(first.GetComment(), "around");

    EXPECT_EQ(first.GetMeasureSizeValueCount(), 3);
    first.SetMeasureSizeValueAt(1, 800, false);
    first.SetMeasureSizeValueAt(2, 40, true);
    EXPECT_EQ(first.GetMeasureSizeValueAt(2, false), 840);
    EXPECT_EQ(first.GetMeasureSizeValueAt(2, true), 40);
    m_table.SetOriginalGradeSize(2);
    EXPECT_EQ(m_table.GetOriginalGradeSize(), 2);
    EXPECT_EQ(m_table.GetGradeSizeCount(), 3);
}
