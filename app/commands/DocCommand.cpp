// Morvane editing commands.
// The base of the commands that reach the main document.
#include "app/commands/DocCommand.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/InteractionModes.h"
#include "app/tables/MeasureTableDoc.h"
#include "lang/ResourceText.h"
#include "model/Pattern.h"
#include "tasks/ITask.h"
#include "tasks/TaskManager.h"

namespace morvane {

IDocumentServices *commandDocument(const CBaseCommand &command)
{
    const ITask *task = command.GetTask();
    if (task == nullptr || task->GetTaskManager() == nullptr)
        return nullptr;
    return static_cast<IDocumentServices *>(task->GetTaskManager()->GetDataObject());
}

int selectionMode(IDocumentServices &document)
{
    const CInteractionModes *modes = document.GetInteractionModes();
    return modes != nullptr ? modes->GetSelectionMode() : 0;
}

bool isPatternEditable(IDocumentServices &document, CPattern *pattern)
{
    return pattern != nullptr && (!pattern->IsMaskPattern() || document.IsEditMode());
}

void setCommandToolTips(CBaseCommand &command, uint32_t undoTextId)
{
    command.SetUndoToolTip(loadString(undoTextId));
    command.SetRedoToolTip(loadString(undoTextId + 1));
}

} // namespace morvane

IDocumentServices *CDocCommand::GetDocument() const
{
    return morvane::commandDocument(*this);
}

void *CDocCommand::GetCurrentTableObject(IDocumentServices &document)
{
    const CMeasureTableDoc *tables = document.GetMeasureTableDoc();
    return tables != nullptr ? tables->GetActiveTable() : nullptr;
}

void *CDocCommand::GetCurrentTableObject() const
{
    IDocumentServices *document = GetDocument();
    return document != nullptr ? GetCurrentTableObject(*document) : nullptr;
}

bool CDocCommand::IsEnabled(ITask *task, void *data)
{
    SetTask(task);
    if (m_bNeedsActiveMask && !HasActiveMask())
        return false;
    return CBaseCommand::IsEnabled(task, data);
}

CFocusManager *CDocCommand::GetFocusManager() const
{
    IDocumentServices *document = GetDocument();
    return document != nullptr ? document->GetFocusManager() : nullptr;
}

void CDocCommand::SetFlags(bool addToHistory, bool repeat, COMMAND_MODIFY_TYPE modifyType)
{
    SetAddToHistory(addToHistory);
    SetRepeatCommand(repeat);
    SetCommandModifyType(modifyType);
}

void CDocCommand::SetToolTips(uint32_t undoTextId)
{
    morvane::setCommandToolTips(*this, undoTextId);
}

bool CDocCommand::HasActiveMask() const
{
    IDocumentServices *document = GetDocument();
    return document != nullptr && document->GetActiveGradeMask() != nullptr;
}

bool CDocCommand::RunCommand(const std::string &name, void *data) const
{
    CTaskManager *manager = GetTaskManager();
    ICommand *command = manager != nullptr ? manager->GetCommand(name) : nullptr;
    return command != nullptr && command->Execute(GetTask(), data);
}

bool CDocCommand::IsCommandEnabled(const std::string &name, void *data) const
{
    CTaskManager *manager = GetTaskManager();
    ICommand *command = manager != nullptr ? manager->GetCommand(name) : nullptr;
    return command != nullptr && command->IsEnabled(GetTask(), data);
}
