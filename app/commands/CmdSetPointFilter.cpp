// Morvane editing commands.
// "SetPointFilter": the snap mode of the tools.
#include "app/commands/CmdSetPointFilter.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"
#include "tasks/TaskManager.h"

CCmdSetPointFilter::CCmdSetPointFilter()
{
    Create("SetPointFilter");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdSetPointFilter::Clone() const
{
    return std::make_unique<CCmdSetPointFilter>(*this);
}

bool CCmdSetPointFilter::OnExecute(void *data)
{
    ICommandAttributes *variables = GetAttributes();
    if (variables == nullptr)
        return false;
    variables->SetInteger("nSnapMode", static_cast<int>(morvane::eventDataInteger(data)));
    void *focusSearch = nullptr;
    variables->GetPointer("pFocusManager", &focusSearch);
    CTaskManager *manager = GetTask()->GetTaskManager();
    ICommand *update = manager != nullptr ? manager->GetCommand("UpdateFocusManager") : nullptr;
    if (focusSearch != nullptr && update != nullptr)
        update->Execute(GetTask(), nullptr);
    return true;
}

bool CCmdSetPointFilter::IsEnabled(void *data)
{
    IDocumentServices *document = GetDocument();
    return document != nullptr &&
           document->IsFocusType(static_cast<int>(morvane::eventDataInteger(data)));
}
