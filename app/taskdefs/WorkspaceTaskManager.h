// Morvane interactive tasks.
// The main document's own task manager: the commands on the whole document.
#pragma once

#include "tasks/TaskManager.h"

/// The task manager the main document owns beside its masks' managers. It runs
/// "WorkspaceMainTask" with its own undo history, and registers the engine's undo commands and
/// the commands on the open masks, the input patterns, the graded style and the options. Its
/// data object is the main document's IDocumentAccess, given to Create.
class CWorkspaceTaskManager : public CTaskManager
{
public:
    CWorkspaceTaskManager();
    ~CWorkspaceTaskManager() override;

protected:
    /// "WorkspaceMainTask", the main task.
    void RegisterTaskTemplates() override;
    /// The six undo commands, then "InsertNewMask", "DeleteGradeMask", "InsertMaskFromFile",
    /// "SetActiveMask", "LoadInputPatterns", "SaveGrading", "Options" and "CloseAllMasks".
    void RegisterCommands() override;
};
