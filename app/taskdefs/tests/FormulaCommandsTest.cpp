// Morvane interactive tasks, tests.
// The formula commands of a grade mask (add, change, reorder, delete, edit in a dialog) run
// through the shirt's real mask task manager: the mask's formulas and both histories after.
#include "MaskTasksOnShirt.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IFormulaDialogs.h"
#include "formulas/BaseFormula.h"
#include "formulas/MeasureExpressionFormula.h"
#include "lang/ResourceText.h"
#include "model/FormulaManager.h"
#include "model/IMeasureFormula.h"
#include "model/MaskPattern.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace morvane;
using testinteraction::placeSquare;

namespace {

constexpr int kIncrementType = 5;

/// Opens no window: records what was asked and answers as told; a confirmed whole-formula
/// dialog renames the measure it edits.
class RecordingFormulaDialogs : public IFormulaDialogs
{
public:
    bool EditFormula(uint32_t dialogId, IDocumentServices &, IBaseFormula &formula) override
    {
        asked.push_back("dialog " + std::to_string(dialogId));
        if (confirm && formula.AsMeasureFormula() != nullptr)
            formula.AsMeasureFormula()->SetVarName(newName);
        return confirm;
    }
    bool EditExpressionPair(IDocumentServices &, std::string &x, std::string &y) override
    {
        asked.push_back("pair " + x + ";" + y);
        return confirm;
    }
    bool EditExpression(IDocumentServices &, const std::string &title,
                        std::string &expression) override
    {
        asked.push_back("expression " + title + ": " + expression);
        expression = newExpression;
        return confirm;
    }

    bool confirm = true;
    std::string newName = "girth";
    std::string newExpression = "3";
    std::vector<std::string> asked;
};

class FormulaCommandsTest : public MaskTasksOnShirtTest
{
protected:
    void SetUp() override
    {
        MaskTasksOnShirtTest::SetUp();
        document.services.SetEditMode(true);
        document.services.userInterface.SetFormulaDialogs(&dialogs);
        square = placeSquare(mask, "A", {5000, 0});
        start();
    }

    CFormulaManager &formulas() { return mask.GetFormulas(); }
    /// A global measure of the name and expression, appended to the mask.
    IBaseFormula *addMeasure(const std::string &name, const std::string &expression)
    {
        auto *measure = static_cast<CBaseMeasureFormula *>(formulas().AddFormula(
            formulas().MakeGlobalFormula(CMeasureExpressionFormula::kFormulaType, nullptr)));
        measure->SetVarName(name);
        measure->GetParam(0)->SetValue(expression);
        return measure;
    }
    IBaseFormula *addIncrement()
    {
        return formulas().AddFormula(
            formulas().MakePointFormula(kIncrementType, nullptr, square->GetBasePointAt(0)));
    }
    static std::string expressionOf(IBaseFormula *formula)
    {
        return formula->GetBaseFormula()->GetStoredParamText(0);
    }
    /// A copy of the measure outside the mask, renamed.
    std::unique_ptr<IBaseFormula> renamedCopy(IBaseFormula *measure, const std::string &name)
    {
        std::unique_ptr<IBaseFormula> copy = measure->GetBaseFormula()->FindManagedCounterpartOf();
        copy->AsMeasureFormula()->SetVarName(name);
        return copy;
    }
    bool rename(IBaseFormula *measure, const std::string &name)
    {
        const std::unique_ptr<IBaseFormula> copy = renamedCopy(measure, name);
        UpdateFormulaRecord record{measure, copy.get()};
        return manager.DispatchEvent("UpdateFormula", &record);
    }
    std::vector<IBaseFormula *> order()
    {
        std::vector<IBaseFormula *> list;
        for (int i = 0; i < formulas().GetFormulaCount(); ++i)
            list.push_back(formulas().GetFormulaAt(i));
        return list;
    }

    RecordingFormulaDialogs dialogs;
    CMaskPattern *square = nullptr;
};

} // namespace

TEST_F(FormulaCommandsTest, RenamingAMeasureRenamesItInEveryFormulaThatUsesItAsOneUndoStep)
{
    IBaseFormula *waist = addMeasure("waist", "10");
    IBaseFormula *half = addMeasure("half", "waist/2");
    IBaseFormula *hip = addMeasure("hip", "12");
    ASSERT_TRUE(rename(waist, "girth"));
    EXPECT_EQ(waist->GetFormulaName(), "girth");
    EXPECT_EQ(expressionOf(half), "girth/2");
    EXPECT_EQ(expressionOf(hip), "12");

    manager.Undo();
    EXPECT_EQ(waist->GetFormulaName(), "waist");
    EXPECT_EQ(expressionOf(half), "waist/2");
    manager.Redo();
    EXPECT_EQ(expressionOf(half), "girth/2");

    // Two updates in a row stay two steps: both are undone, in order.
    ASSERT_TRUE(rename(waist, "chest"));
    ASSERT_TRUE(rename(waist, "bust"));
    EXPECT_EQ(expressionOf(half), "bust/2");
    manager.Undo();
    EXPECT_EQ(expressionOf(half), "chest/2");
    manager.Undo();
    EXPECT_EQ(expressionOf(half), "girth/2");
    manager.Undo();
    EXPECT_EQ(expressionOf(half), "waist/2");
    EXPECT_FALSE(manager.CanUndo());
}

TEST_F(FormulaCommandsTest, AMeasureChangedUnderItsOwnNameTouchesOnlyItself)
{
    IBaseFormula *waist = addMeasure("waist", "10");
    IBaseFormula *half = addMeasure("half", "waist/2");
    const std::unique_ptr<IBaseFormula> copy = renamedCopy(waist, "waist");
    copy->GetBaseFormula()->GetParam(0)->SetValue("11");
    UpdateFormulaRecord record{waist, copy.get()};
    ASSERT_TRUE(manager.DispatchEvent("UpdateFormula", &record));
    EXPECT_EQ(expressionOf(waist), "11");
    EXPECT_EQ(expressionOf(half), "waist/2");
    manager.Undo();
    EXPECT_EQ(expressionOf(waist), "10");
}

TEST_F(FormulaCommandsTest, MovingAFormulaPassesOtherGroupsAndStopsAtItsGroupsEdge)
{
    IBaseFormula *g1 = addMeasure("g1", "1");
    IBaseFormula *i1 = addIncrement();
    IBaseFormula *g2 = addMeasure("g2", "2");
    IBaseFormula *i2 = addIncrement();
    const std::vector<IBaseFormula *> start{g1, i1, g2, i2};
    struct Case
    {
        const char *name;
        IBaseFormula *formula;
        bool towardsStart;
        bool measuresOnly;
        std::vector<IBaseFormula *> after; ///< empty: refused, nothing moved
    };
    const Case cases[] = {
        {"a measure over a point's formula", g2, true, false, {g2, g1, i1, i2}},
        {"the first of its group", g1, true, false, {}},
        {"the last of its group", i2, false, false, {}},
        {"a point's formula over a measure", i1, false, false, {g1, g2, i2, i1}},
        {"measures only: to the nearest measure", i1, true, true, {i1, g1, g2, i2}},
        {"measures only: over the point's formula", g1, false, true, {i1, g2, g1, i2}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.name);
        MoveFormulaParam move{row.formula, row.towardsStart, row.measuresOnly};
        const bool moved = !row.after.empty();
        EXPECT_EQ(manager.DispatchEvent("MoveFormula", &move), moved);
        EXPECT_EQ(order(), moved ? row.after : start);
        EXPECT_EQ(manager.CanUndo(), moved);
        if (moved)
            manager.Undo();
        EXPECT_EQ(order(), start);
        EXPECT_FALSE(manager.CanUndo());
    }
}

TEST_F(FormulaCommandsTest, AFormulaInUseIsNotDeleted)
{
    IBaseFormula *waist = addMeasure("waist", "10");
    IBaseFormula *half = addMeasure("half", "waist/2");
    EXPECT_FALSE(manager.DispatchEvent("DeleteFormula", waist));
    EXPECT_EQ(formulas().GetFormulaCount(), 2);
    EXPECT_FALSE(manager.CanUndo());
    ASSERT_EQ(document.services.userInterface.GetMessages(),
              std::vector<std::string>{loadString(61407, {"waist"})});
    EXPECT_NE(document.services.userInterface.GetMessages().front().find("waist"),
              std::string::npos);

    EXPECT_TRUE(manager.DispatchEvent("DeleteFormula", half));
    EXPECT_EQ(order(), std::vector<IBaseFormula *>{waist});
    manager.Undo();
    EXPECT_EQ(order(), (std::vector<IBaseFormula *>{waist, half}));
}

TEST_F(FormulaCommandsTest, AddingAndInsertingAppendAndNeedTheEditSwitch)
{
    addMeasure("waist", "10");
    auto made = formulas().MakeGlobalFormula(CMeasureExpressionFormula::kFormulaType, nullptr);
    IBaseFormula *added = made.get();
    ASSERT_TRUE(manager.DispatchEvent("AddFormula", made.release()));
    EXPECT_EQ(formulas().GetFormulaAt(1), added);

    InsertFormulaRecord point{nullptr, nullptr, nullptr, kIncrementType, 3};
    EXPECT_FALSE(manager.CanDispatchEvent("InsertBaseFormula", &point)) << "no point given";
    point.point = square->GetBasePointAt(1);
    EXPECT_TRUE(manager.CanDispatchEvent("InsertBaseFormula", &point));
    InsertFormulaRecord global{nullptr, nullptr, nullptr, CMeasureExpressionFormula::kFormulaType, 0};
    EXPECT_TRUE(manager.CanDispatchEvent("InsertBaseFormula", &global));

    dialogs.confirm = false;
    EXPECT_FALSE(manager.DispatchEvent("InsertBaseFormula", &global));
    EXPECT_EQ(formulas().GetFormulaCount(), 2);
    dialogs.confirm = true;
    EXPECT_TRUE(manager.DispatchEvent("InsertBaseFormula", &global));
    ASSERT_EQ(formulas().GetFormulaCount(), 3);
    EXPECT_EQ(formulas().GetFormulaAt(2)->GetFormulaName(), "girth");
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{"dialog 4039", "dialog 4039"}));

    document.services.SetEditMode(false);
    EXPECT_FALSE(manager.CanDispatchEvent("InsertBaseFormula", &global));
    EXPECT_FALSE(manager.CanDispatchEvent("AddFormula", added));
}

TEST_F(FormulaCommandsTest, EditingAFormulaChangesItOnlyWhenTheDialogIsConfirmed)
{
    IBaseFormula *waist = addMeasure("waist", "10");
    IBaseFormula *half = addMeasure("half", "waist/2");
    EditFormulaRecord edit{waist, -1};
    ASSERT_TRUE(manager.CanDispatchEvent("EditBaseFormula", &edit));

    dialogs.confirm = false;
    EXPECT_FALSE(manager.DispatchEvent("EditBaseFormula", &edit));
    EXPECT_EQ(waist->GetFormulaName(), "waist");
    EXPECT_FALSE(manager.CanUndo());
    EXPECT_FALSE(mask.GetHistory()->IsGrouping());

    dialogs.confirm = true;
    EXPECT_TRUE(manager.DispatchEvent("EditBaseFormula", &edit));
    EXPECT_EQ(waist->GetFormulaName(), "girth");
    EXPECT_EQ(expressionOf(half), "girth/2");
    manager.Undo();
    EXPECT_EQ(waist->GetFormulaName(), "waist");
    EXPECT_EQ(expressionOf(half), "waist/2");
    EXPECT_EQ(dialogs.asked, (std::vector<std::string>{"dialog 4039", "dialog 4039"}));

    // Without formula dialogs (a batch run) nothing is edited.
    document.services.userInterface.SetFormulaDialogs(nullptr);
    EXPECT_FALSE(manager.DispatchEvent("EditBaseFormula", &edit));
    EXPECT_FALSE(manager.CanUndo());

    // A formula that is not the mask's is not editable.
    const std::unique_ptr<IBaseFormula> outside = renamedCopy(waist, "other");
    EditFormulaRecord stranger{outside.get(), -1};
    EXPECT_FALSE(manager.CanDispatchEvent("EditBaseFormula", &stranger));
}
