// Morvane editing commands.
// "CloseAllMasks": every grade mask closes, the last first.
#include "app/commands/CmdCloseAllMasks.h"

#include "app/commands/CmdDeleteGradeMask.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/IDocumentAccess.h"
#include "tasks/TaskManager.h"

CCmdCloseAllMasks::CCmdCloseAllMasks()
{
    CreateWith("CloseAllMasks", false, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdCloseAllMasks::Clone() const
{
    return std::make_unique<CCmdCloseAllMasks>(*this);
}

bool CCmdCloseAllMasks::OnExecute(void *)
{
    IDocumentAccess *owner = GetOwner();
    if (owner == nullptr)
        return false;
    CGradeMaskDocArray &masks = *owner->GetMaskDocs();
    for (int i = masks.GetCount() - 1; i >= 0; --i) {
        CCmdDeleteGradeMask close;
        if (!close.Execute(GetTask(), masks.GetAt(i)))
            return false;
    }
    return true;
}

bool CCmdCloseAllMasks::IsEnabled(void *)
{
    IDocumentAccess *owner = GetOwner();
    if (owner == nullptr || owner->GetMaskDocs()->GetCount() == 0)
        return false;
    CGradeMaskDocArray &masks = *owner->GetMaskDocs();
    CTaskManager *manager = owner->GetWorkspaceTaskManager();
    for (int i = 0; i < masks.GetCount(); ++i) {
        if (manager == nullptr || !manager->CanDispatchEvent("DeleteGradeMask", masks.GetAt(i)))
            return false;
    }
    return true;
}
