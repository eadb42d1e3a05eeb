// Morvane interactive tasks.
// The main document's own task manager: the commands on the whole document.
#include "app/taskdefs/WorkspaceTaskManager.h"

#include "app/commands/CmdCloseAllMasks.h"
#include "app/commands/CmdDeleteGradeMask.h"
#include "app/commands/CmdInsertMaskFromFile.h"
#include "app/commands/CmdInsertNewMask.h"
#include "app/commands/CmdLoadInputPatterns.h"
#include "app/commands/CmdOptions.h"
#include "app/commands/CmdSaveGrading.h"
#include "app/commands/CmdSetActiveMask.h"
#include "app/taskdefs/WorkspaceMainTask.h"
#include "tasks/UndoCommands.h"

CWorkspaceTaskManager::CWorkspaceTaskManager() = default;

CWorkspaceTaskManager::~CWorkspaceTaskManager() = default;

void CWorkspaceTaskManager::RegisterTaskTemplates()
{
    AddTaskTemplate("WorkspaceMainTask", std::make_unique<morvane::CWorkspaceMainTask>());
    SetMainTask("WorkspaceMainTask");
}

void CWorkspaceTaskManager::RegisterCommands()
{
    AddCommand(std::make_unique<CCmdUndoAll>());
    AddCommand(std::make_unique<CCmdAddUndo>());
    AddCommand(std::make_unique<CCmdUndoParentTask>());
    AddCommand(std::make_unique<CCmdAddParentTaskUndo>());
    AddCommand(std::make_unique<CCmdUndo>());
    AddCommand(std::make_unique<CCmdRedo>());
    AddCommand(std::make_unique<CCmdInsertNewMask>());
    AddCommand(std::make_unique<CCmdDeleteGradeMask>());
    AddCommand(std::make_unique<CCmdInsertMaskFromFile>());
    AddCommand(std::make_unique<CCmdSetActiveMask>());
    AddCommand(std::make_unique<CCmdLoadInputPatterns>());
    AddCommand(std::make_unique<CCmdSaveGrading>());
    AddCommand(std::make_unique<CCmdOptions>());
    AddCommand(std::make_unique<CCmdCloseAllMasks>());
}
