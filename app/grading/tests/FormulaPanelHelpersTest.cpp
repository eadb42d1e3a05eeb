// Morvane program grading tests.
// Coordinate pairs split as the formula panels need them, and the owners of formulas.
#include "app/grading/FormulaPanelHelpers.h"

#include "model/BasePoint.h"
#include "model/GradeMask.h"

#include "MaskFixtures.h"
#include "TestFormulas.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase
{
    const char *text;
    bool zeroIfEmpty;
    const char *x;
    const char *y;
};

constexpr SplitCase kSplitCases[] = {
    {"1.5,2", false, "1.5", "2"},
    {"1,2,3", false, "1", "2"},
    {",2", false, "", "2"},
    {",2", true, "0", "2"},
    {"", true, "0", "0"},
    {"7", false, "7", "untouched"},
    {"7", true, "7", "0"},
    {"a ,", true, "a ", "0"},
};

TEST(FormulaPanelHelpersTest, SplitsCoordinatePairs)
{
    for (const auto &row : kSplitCases) {
        SCOPED_TRACE(row.text);
        std::string x = "untouched";
        std::string y = "untouched";
        SplitCoordinatePair(row.text, x, y, row.zeroIfEmpty);
        EXPECT_EQ(x, row.x);
        EXPECT_EQ(y, row.y);
    }
}

TEST(FormulaPanelHelpersTest, FindsAndLabelsTheOwnerOfAFormula)
{
    CGradeMask mask;
    CMaskPattern *pattern = testmodel::placeSquare(mask, "Front");
    CBasePoint *point = testmodel::maskPointAt(*pattern, 1);

    testformulas::TestFormula global;
    EXPECT_EQ(FindFormulaOwner(global).focusKind, 0);
    EXPECT_EQ(FindFormulaOwner(global).pattern, nullptr);
    EXPECT_EQ(FormatFormulaOwnerLabel(global), "Grade mask");

    testformulas::TestFormula ofPattern;
    ofPattern.SetPattern(pattern);
    EXPECT_EQ(FindFormulaOwner(ofPattern).pattern, pattern);
    EXPECT_EQ(FindFormulaOwner(ofPattern).focusKind, 1);
    EXPECT_EQ(FormatFormulaOwnerLabel(ofPattern), "Front");

    testformulas::TestFormula ofPoint;
    ofPoint.SetBasePoint(point);
    const FormulaOwner owner = FindFormulaOwner(ofPoint);
    EXPECT_EQ(owner.point, point);
    EXPECT_EQ(owner.pattern, pattern);
    EXPECT_EQ(owner.focusKind, 1);
    EXPECT_EQ(FormatFormulaOwnerLabel(ofPoint), "Front:" + point->GetFormatName());
}

} // namespace
