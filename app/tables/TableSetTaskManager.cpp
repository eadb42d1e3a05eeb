// Morvane measurement tables.
// The task manager of the measurement-table document: every table edit as a named command.
#include "app/tables/TableSetTaskManager.h"

#include "app/tables/CmdAssociateMeasurementsImage.h"
#include "app/tables/CmdLoadTableSet.h"
#include "app/tables/CmdSaveModifiedTableSet.h"
#include "app/tables/CmdSaveTableSet.h"
#include "app/tables/CmdSetActiveTable.h"
#include "app/tables/CmdShowMeasurementsImage.h"
#include "app/tables/NewTableSet.h"
#include "tasks/ITask.h"
#include "tasks/UndoCommands.h"

#include <cassert>

namespace morvane {

namespace {

template <class Command> std::unique_ptr<CBaseCommand> makeCommand()
{
    return std::make_unique<Command>();
}

template <class Command>
constexpr TableSetCommandEntry command(std::string_view name, std::string_view transitionId = {})
{
    return {name, &makeCommand<Command>, nullptr, CMT_NO_MODIFY, transitionId};
}

/// A command whose class comes with the table editor's windows.
constexpr TableSetCommandEntry awaited(std::string_view name, std::string_view transitionId)
{
    return {name, nullptr, nullptr, CMT_NO_MODIFY, transitionId};
}

constexpr TableSetCommandEntry kCommands[] = {
    command<CCmdUndoAll>("UndoCurrentTask"),
    command<CCmdAddUndo>("AddCurrentTaskUndo"),
    command<CCmdUndoParentTask>("UndoParentTask"),
    command<CCmdAddParentTaskUndo>("AddParentTaskUndo"),
    command<CCmdUndo>("Undo", "0016"),
    command<CCmdRedo>("Redo", "0017"),
    awaited("EditGradeSize", "0000"),
    awaited("InsertTableAt", "0001"),
    awaited("EditTable", "0002"),
    command<CCmdLoadTableSet>("LoadTableSet", "0003"),
    command<CCmdSetActiveTable>("SetActiveTable", "0004"),
    awaited("DeleteTable", "0005"),
    awaited("SelectCustomSize", "0006"),
    awaited("SelectBaseSize", "0007"),
    command<CCmdSaveTableSet>("SaveTableSet", "0008"),
    awaited("UpdateMeasurement", "0009"),
    awaited("ViewSelectSizes", "000a"),
    command<CCmdShowMeasurementsImage>("ShowMeasurementsImage", "000b"),
    {"NewTableSet", nullptr, &NewTableSet, CMT_NEW_HISTORY, "000c"},
    awaited("DelGradeSize", "000d"),
    awaited("DeleteMeasurement", "000e"),
    awaited("InsertGradeSizeAt", "000f"),
    awaited("InsertMeasurementAt", "0010"),
    command<CCmdSaveModifiedTableSet>("SaveModifiedTableSet", "0011"),
    command<CCmdAssociateMeasurementsImage>("AssociateMeasurementsImage", "0012"),
    awaited("EditMeasurement", "0013"),
    awaited("GridEditPaste", "0018"),
};

/// The transitions from "IdleState", in the order they are defined.
constexpr std::string_view kChartCommands[] = {
    "EditGradeSize",
    "InsertTableAt",
    "EditTable",
    "LoadTableSet",
    "SetActiveTable",
    "DeleteTable",
    "SelectCustomSize",
    "SelectBaseSize",
    "SaveTableSet",
    "UpdateMeasurement",
    "ViewSelectSizes",
    "ShowMeasurementsImage",
    "NewTableSet",
    "DelGradeSize",
    "DeleteMeasurement",
    "InsertGradeSizeAt",
    "InsertMeasurementAt",
    "SaveModifiedTableSet",
    "AssociateMeasurementsImage",
    "EditMeasurement",
    "GridEditPaste",
};

const TableSetCommandEntry &entryOf(std::string_view name)
{
    for (const TableSetCommandEntry &entry : kCommands) {
        if (entry.name == name)
            return entry;
    }
    assert(false && "every charted command is in the table");
    return kCommands[0];
}

/// Adds the transition from "IdleState" that runs the command of the event's name, unless the
/// command is not registered: its event is then not taken.
void addCommandTransition(ITask *task, std::string_view name)
{
    const std::string command(name);
    if (task->GetTaskManager()->GetCommand(command) == nullptr)
        return;
    const std::string id(entryOf(name).transitionId);
    task->AddTransition("IdleState", command, "", "CommandState", id);
    task->SetTransitionCommand(id, command);
}

} // namespace

std::span<const TableSetCommandEntry> tableSetCommandEntries()
{
    return kCommands;
}

} // namespace morvane

using namespace morvane;

void CTableSetMaintTask::Define(ITask *task)
{
    task->SetUndoEnabled(true);
    task->SetUseParentUndo(false);
    task->AddState("IdleState", 0);
    task->AddState("CommandState", 1);
    task->AddEntryState("Entry", 2);
    for (std::string_view name : kChartCommands)
        addCommandTransition(task, name);
    task->AddTransition("CommandState", "", "", "IdleState", "0014");
    task->AddTransition("Entry", "", "", "IdleState", "0015");
    addCommandTransition(task, "Undo");
    addCommandTransition(task, "Redo");
}

CTableSetTaskManager::CTableSetTaskManager() = default;

CTableSetTaskManager::~CTableSetTaskManager() = default;

void CTableSetTaskManager::RegisterTaskTemplates()
{
    AddTaskTemplate("TableSetMaintTask", std::make_unique<CTableSetMaintTask>());
    SetMainTask("TableSetMaintTask");
}

void CTableSetTaskManager::RegisterCommands()
{
    for (const TableSetCommandEntry &entry : tableSetCommandEntries()) {
        if (entry.makeObject)
            AddCommand(entry.makeObject());
        else if (entry.execute)
            AddCommand(std::string(entry.name), entry.execute, nullptr, entry.modifyType);
    }
}
