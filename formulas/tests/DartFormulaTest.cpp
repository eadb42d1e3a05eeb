// Morvane formula library tests.
// Dart formulas: their parser line, display text, the dart a region finds, and the points a
// complex dart requires.
#include "DrawnPiece.h"
#include "RegionFixtures.h"
#include "formulas/ComplexDartFormula.h"
#include "formulas/DartPatternFormula.h"
#include "formulas/DartRegionFormula.h"
#include "model/FormulaMessageList.h"

#include <gtest/gtest.h>

using namespace testformulas;
using namespace testmodel;

namespace {

// A bodice piece with a waist dart, drawn on paper first:
//
//   P7 (0,60) ------ P6 (40,60)   P4 (60,60) ------ P3 (100,60)
//     |                   \       /                     |
//     |                    \     /                      |
//     |                   P5 (50,20)                    |
//   P1 (0,0) -------------------------------------- P2 (100,0)
//
// The outline turns by about 152 degrees at the apex P5 and by 90 degrees or less elsewhere.
class DartFormulaTest : public ::testing::Test
{
protected:
    CDartPatternFormula *addPatternDart()
    {
        auto formula = std::make_unique<CDartPatternFormula>();
        auto *dart = formula.get();
        dart->SetOwner(&m_piece.mask);
        m_piece.mask.GetFormulaManager()->InsertFormulaAt(0, std::move(formula));
        return dart;
    }

    void resolve(CBaseFormula &formula, int first, int apex, int last)
    {
        formula.SetResolved(0, first > 0 ? m_piece.point(first) : nullptr);
        formula.SetResolved(1, apex > 0 ? m_piece.point(apex) : nullptr);
        formula.SetResolved(2, last > 0 ? m_piece.point(last) : nullptr);
    }

    CDartRegionFormula *addRegionDart(const RegionShape &shape)
    {
        CGradeRegion *region = addRegion(m_piece.mask, shape, REGION_GRADE);
        return static_cast<CDartRegionFormula *>(
            m_piece.mask.GetFormulaManager()->AddNewRegionFormula(CDartRegionFormula::kFormulaType,
                                                                  nullptr, region));
    }

    DrawnPiece m_piece{{{0, 0}, {100, 0}, {100, 60}, {60, 60}, {50, 20}, {40, 60}, {0, 60}}};
};

struct TextCase
{
    const char *name;
    bool openingAngle;
    bool symmetric;
    int moveControl;
    int lengthControl;
    const char *text;
};

} // namespace

TEST_F(DartFormulaTest, WritesTheDartLineWithTheParametersInTheParsersOrder)
{
    const TextCase cases[] = {
        {"a width opening", false, false, 0, 0, "%DG(P6,P5,P4,m,d,o,0,0.000000,0,0)"},
        {"an angle opening", true, false, 0, 0, "%DGA(P6,P5,P4,m,d,o,0,0.000000,0,0)"},
        {"symmetric, length kept", false, true, 0, 1, "%DG(P6,P5,P4,m,d,o,0,0.000000,1,1)"},
        {"move control other than 1", false, false, 2, 0, "%DG(P6,P5,P4,m,d,o,2,0.000000,0,0)"},
        // The line leaves P6 towards P7 and P1: 40 + 60 along the outline.
        {"moved by the reference length", false, false, 1, 0,
         "%DG(P6,P5,P4,m,d,o,1,100.000000,0,0)"},
    };
    CDartPatternFormula *dart = addPatternDart();
    resolve(*dart, 6, 5, 4);
    dart->SetDepthText("d");
    dart->SetOpeningText("o");
    dart->SetMovementText("m");
    for (const TextCase &row : cases) {
        SCOPED_TRACE(row.name);
        dart->SetOpeningAngle(row.openingAngle);
        dart->SetSymmetric(row.symmetric);
        dart->SetMoveControl(row.moveControl);
        dart->SetLengthControl(row.lengthControl);
        EXPECT_EQ(dart->GetFormulaText(), row.text);
    }
    EXPECT_EQ(dart->GetApplyTypeX(), 1);
    EXPECT_EQ(dart->GetApplyTypeY(), 1);
}

TEST_F(DartFormulaTest, AMissingDartPointWritesNoLineAndShowsAsUnknown)
{
    CDartPatternFormula *dart = addPatternDart();
    resolve(*dart, 6, 0, 4);
    dart->SetIndexPoint(0, m_piece.point(6));

    EXPECT_EQ(dart->GetFormulaText(), "");
    std::vector<std::string> lines;
    dart->AddFormulaText(lines);
    EXPECT_TRUE(lines.empty());
    std::string shown;
    dart->GetDisplayText(shown, false);
    EXPECT_EQ(shown, "(P6,P?,P4)");
    dart->GetDisplayText(shown, true);
    EXPECT_EQ(shown, "(P6,P?,P?)");
    EXPECT_FALSE(dart->CheckIndexPoints(nullptr));
}

TEST_F(DartFormulaTest, CollectsEachDartPointOnceAndKnowsTheirPattern)
{
    CDartPatternFormula *dart = addPatternDart();
    resolve(*dart, 6, 5, 6);
    CPtrCollection<CBasePoint> points;
    dart->CollectPoints(points);
    ASSERT_EQ(points.GetCount(), 2);
    EXPECT_EQ(points.GetAt(0), m_piece.point(6));
    EXPECT_EQ(points.GetAt(1), m_piece.point(5));
    EXPECT_EQ(dart->GetPatternOfPoints(), m_piece.point(6)->GetParent());
}

TEST_F(DartFormulaTest, ARegionFindsTheDartWhereTheOutlineTurnsMoreThan135Degrees)
{
    // The box from x 30 to 65 holds P4, P5 and P6; its position (47.5, 10) is nearer to P6.
    CDartRegionFormula *dart = addRegionDart(boxShape(30, 10, 65, 65));

    EXPECT_EQ(dart->GetDartPoint(0), m_piece.point(6));
    EXPECT_EQ(dart->GetDartPoint(1), m_piece.point(5));
    EXPECT_EQ(dart->GetDartPoint(2), m_piece.point(4));
    std::string shown;
    dart->GetDisplayText(shown, true);
    EXPECT_EQ(shown, "()");
    EXPECT_TRUE(dart->Validate(nullptr, nullptr));
}

TEST_F(DartFormulaTest, ARegionWithoutASharpTurnHasNoDart)
{
    // P2 and P3 turn by 90 degrees only.
    CDartRegionFormula *dart = addRegionDart(boxShape(90, -5, 105, 65));

    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(dart->GetDartPoint(i), nullptr);
    EXPECT_EQ(dart->GetFormulaText(), "");
}

TEST_F(DartFormulaTest, ADartPointInAReadOnlyRegionFailsTheCheck)
{
    CDartPatternFormula *dart = addPatternDart();
    for (int i = 0; i < 3; ++i)
        dart->SetIndexPoint(i, m_piece.point(6 - i));
    resolve(*dart, 6, 5, 4);
    ASSERT_TRUE(dart->Validate(nullptr, nullptr));
    addRegion(m_piece.mask, boxShape(55, 50, 65, 65), REGION_READ_ONLY);

    EXPECT_FALSE(dart->Validate(nullptr, nullptr));
    CFormulaMessageList messages;
    EXPECT_FALSE(dart->Validate(&messages, nullptr));
    ASSERT_EQ(messages.GetCount(), 1);
    EXPECT_EQ(messages.GetAt(0)->GetCode(), FM_READ_ONLY_REGION);
    EXPECT_EQ(messages.GetAt(0)->GetText(), "P4");
}

TEST_F(DartFormulaTest, AComplexDartRequiresThreeToSixIndexPoints)
{
    struct Case
    {
        const char *name;
        bool closedDartPoint;
        bool rotateBegin;
        bool extendBegin;
        bool rotateEnd;
        bool extendEnd;
        int required;
    };
    const Case cases[] = {
        {"the dart alone", false, false, false, false, false, 3},
        {"a closed-dart point", true, false, false, false, false, 4},
        {"the end side turning", false, false, false, true, false, 4},
        {"both flags of the begin side", false, true, true, false, false, 4},
        {"closed and the begin side extended", true, false, true, false, false, 5},
        {"closed and both sides extended", true, false, true, false, true, 6},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        CComplexDartFormula dart;
        EXPECT_EQ(dart.GetFormulaType(), 26);
        dart.SetClosedDartPoint(row.closedDartPoint ? m_piece.point(1) : nullptr);
        dart.SetRotateBegin(row.rotateBegin);
        dart.SetExtendBegin(row.extendBegin);
        dart.SetRotateEnd(row.rotateEnd);
        dart.SetExtendEnd(row.extendEnd);
        EXPECT_EQ(dart.GetRequiredIndexCount(), row.required);

        CComplexDartFormula copy;
        copy.CopyFrom(dart);
        EXPECT_EQ(copy.GetRequiredIndexCount(), row.required);
    }
}
