// Morvane interactive tasks, tests.
// The registration table of a grade mask's task manager: its names, what is built, what charts
// name.
#include "app/taskdefs/MaskRegistrations.h"
#include "app/taskdefs/MaskTaskManager.h"

#include "app/documents/testing/FakeDocumentServices.h"
#include "tasks/BaseCommand.h"
#include "tasks/CallbackCommand.h"
#include "tasks/UndoCommands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

using namespace morvane;
using ::testing::IsEmpty;

namespace {

// What is not built yet, in the table's order. A class that lands takes its name off here;
// the lists are empty when the last of the editing commands has landed.
const std::vector<std::string_view> kAwaitedCommands = {
    "ClearPointsAssociations",
    "ClearSelectedPatternsAssociations", "ClearPatternAssociation", "ClearPatternsAssociation",
    "ClearPointAssociation", "ClearPatternPointsAssociation", "ClearPatternsPointsAssociation",
    "EditPatternsAssociations", "EditPatternPointsAssociations", "EditPointsAssociation",
    "ChangeRegionFormulaType",
    "AddPointAssociation",
    "AddPointAssList", "InsertPoint",
    "UpdateAssRule", "UpdatePointAss",
    "AddPointAss",
};

const std::vector<std::string_view> kAwaitedTemplates = {
    "EditPointAssTask", "AddRegionThreePointsTask", "AddGradeRegionTwoPointsTask",
    "AddRectangleRegionTask",
    "AddRegionHTask", "AddRegionVTask", "AssociatePointsTask",
    "MoveRegionTask",
    "AssociatePointTask",
    "ChangeRegionDirectionToParallelTask", "AddRegionTask",
};

/// A mask task manager created on document services in memory, keeping its diagnostics.
class CreatedMaskTaskManager : public CMaskTaskManager
{
public:
    CreatedMaskTaskManager()
    {
        SetDiagnosticHandler([this](const std::string &message) { diagnostics.push_back(message); });
        Create(&services);
    }

    FakeDocumentServices services;
    std::vector<std::string> diagnostics;
};

} // namespace

TEST(MaskRegistrationTest, ListsTheNamesNotBuiltYet)
{
    std::vector<std::string_view> commands;
    for (const MaskCommandEntry &entry : maskCommandEntries()) {
        if (!entry.isBuilt())
            commands.push_back(entry.name);
    }
    EXPECT_EQ(commands, kAwaitedCommands);
    std::vector<std::string_view> templates;
    for (const MaskTemplateEntry &entry : maskTemplateEntries()) {
        if (!entry.makeDefinition)
            templates.push_back(entry.name);
    }
    EXPECT_EQ(templates, kAwaitedTemplates);
}

TEST(MaskRegistrationTest, EveryCommandAChartNamesIsInTheTable)
{
    // The engine reports every name a chart gives that is neither registered nor awaited.
    const CreatedMaskTaskManager manager;
    EXPECT_THAT(manager.diagnostics, IsEmpty());
}

TEST(MaskRegistrationTest, TableHoldsEachNameOnceInItsKind)
{
    const auto commands = maskCommandEntries();
    const auto templates = maskTemplateEntries();
    ASSERT_EQ(commands.size(), 168u);
    ASSERT_EQ(templates.size(), 39u);
    EXPECT_EQ(templates.front().name, "MainTask");
    EXPECT_EQ(templates.back().name, "IdleTask");

    std::set<std::string_view> names;
    int functions = 0;
    for (const MaskCommandEntry &entry : commands) {
        SCOPED_TRACE(std::string(entry.name));
        EXPECT_TRUE(names.insert(entry.name).second);
        functions += entry.kind == MaskCommandEntry::Function;
        // Only "NewGradeMask" empties the history when it runs.
        EXPECT_EQ(entry.modifyType, entry.name == "NewGradeMask" ? CMT_NEW_HISTORY : CMT_NO_MODIFY);
        if (entry.makeObject) {
            EXPECT_EQ(entry.makeObject()->GetName(), entry.name);
        }
    }
    EXPECT_EQ(functions, 38);
    for (const MaskTemplateEntry &entry : templates)
        EXPECT_TRUE(names.insert(entry.name).second) << entry.name;
}

TEST(MaskRegistrationTest, RegistersTheBuiltCommandsByName)
{
    CreatedMaskTaskManager manager;
    EXPECT_NE(dynamic_cast<CCmdUndo *>(manager.GetCommand("Undo")), nullptr);
    EXPECT_NE(dynamic_cast<CCmdAddParentTaskUndo *>(manager.GetCommand("AddParentTaskUndo")),
              nullptr);
    EXPECT_EQ(manager.GetCommand("NoSuchCommand"), nullptr);
    EXPECT_FALSE(manager.IsAwaited("Undo"));
    EXPECT_FALSE(manager.IsAwaited("NoSuchCommand"));
    for (std::string_view name : kAwaitedCommands)
        EXPECT_TRUE(manager.IsAwaited(std::string(name))) << name;
}
