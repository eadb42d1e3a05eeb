// Morvane editing commands tests.
// Which dialog edits a formula, by what it is attached to, its type and the part edited.
#include "app/commands/formulas/FormulaDialogChoice.h"

#include <gtest/gtest.h>

#include <string>

using namespace morvane;

TEST(FormulaDialogChoiceTest, EachKindOfFormulaReachesItsDialog)
{
    using Choice = FormulaDialogChoice;
    struct Case
    {
        int kind;
        int type;
        int part;
        Choice choice;
    };
    const auto whole = [](uint32_t id) { return Choice{Choice::WholeFormula, id}; };
    const auto expression = [](int parameter, uint32_t title, int number = 0) {
        return Choice{Choice::Expression, 0, parameter, title, number};
    };
    const Case cases[] = {
        {0, 15, -1, whole(4037)},  {0, 17, -1, whole(4039)},  {0, 18, -1, whole(4038)},
        {0, 28, -1, whole(12003)}, {0, 32, -1, whole(12007)}, {1, 13, -1, whole(190)},
        {1, 24, -1, whole(12001)}, {1, 28, -1, whole(12003)}, {1, 32, -1, whole(12007)},
        {2, 2, -1, whole(148)},    {2, 3, -1, whole(12002)},  {2, 4, -1, whole(159)},
        {2, 19, -1, whole(4040)},  {2, 23, -1, whole(4043)},  {2, 26, -1, whole(12002)},
        {2, 29, -1, whole(12006)}, {3, 5, -1, whole(189)},    {3, 6, -1, whole(190)},
        {3, 7, -1, whole(4030)},   {3, 8, -1, whole(4034)},   {3, 9, -1, whole(4033)},
        {3, 10, -1, whole(4032)},  {3, 11, -1, whole(4035)},  {3, 12, -1, whole(4036)},
        {3, 22, -1, whole(4042)},
        // A region's formula with expressions edits its X and Y texts, whatever the part.
        {1, 0, -1, {Choice::ExpressionPair, 12005}},
        {1, 16, 2, {Choice::ExpressionPair, 12005}},
        // A region's dart and lapel: the whole formula, or one expression by part.
        {1, 3, -1, whole(12002)},  {1, 3, 0, expression(0, 61243)},
        {1, 3, 1, expression(1, 61282)}, {1, 3, 2, expression(2, 61245)},
        {1, 3, 3, {}},             {1, 4, -1, whole(159)},
        {1, 4, 0, expression(0, 61242, 1)}, {1, 4, 1, expression(1, 61242, 2)},
        {1, 4, 2, {}},
        // A pattern's dart opens its dialog whatever the part.
        {2, 3, 1, whole(12002)},
        // No dialog.
        {0, 5, -1, {}},            {3, 17, -1, {}},           {2, 30, -1, {}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(std::to_string(row.kind) + "/" + std::to_string(row.type) + "/" +
                     std::to_string(row.part));
        EXPECT_EQ(ChooseFormulaDialog(row.kind, row.type, row.part), row.choice);
    }
}

