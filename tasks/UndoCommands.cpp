// Morvane command, task and undo engine.
// The eight built-in undo commands that menus and task charts run by name.
#include "tasks/UndoCommands.h"

#include "tasks/TaskManager.h"

bool CCmdUndo::OnExecute(void *)
{
    if (CTaskManager *manager = GetTaskManager())
        manager->Undo();
    return true;
}

bool CCmdUndo::IsEnabled(void *)
{
    return GetTaskManager() && GetTaskManager()->CanUndo();
}

bool CCmdRedo::OnExecute(void *)
{
    if (CTaskManager *manager = GetTaskManager())
        manager->Redo();
    return true;
}

bool CCmdRedo::IsEnabled(void *)
{
    return GetTaskManager() && GetTaskManager()->CanRedo();
}
