// Morvane editing commands.
// "DeleteGradeMask": a grade mask closes, its changes saved first if the user wants.
#include "app/commands/CmdDeleteGradeMask.h"

#include "app/commands/CmdSetActiveMask.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/IDocumentAccess.h"

namespace {

/// The first open mask, in order, that is not doc; null when there is none.
CGradeMaskDoc *firstOtherMask(const CGradeMaskDocArray &masks, const CGradeMaskDoc *doc)
{
    for (int i = 0; i < masks.GetCount(); ++i) {
        if (masks.GetAt(i) != doc)
            return masks.GetAt(i);
    }
    return nullptr;
}

} // namespace

CCmdDeleteGradeMask::CCmdDeleteGradeMask()
{
    CreateWith("DeleteGradeMask", false, CMT_NEW_HISTORY);
}

std::unique_ptr<ICommand> CCmdDeleteGradeMask::Clone() const
{
    return std::make_unique<CCmdDeleteGradeMask>(*this);
}

bool CCmdDeleteGradeMask::OnExecute(void *data)
{
    IDocumentAccess *owner = GetOwner();
    auto *doc = static_cast<CGradeMaskDoc *>(data);
    if (owner == nullptr || doc == nullptr)
        return false;
    // Whatever the edit mode: a mask with unsaved changes must never close unasked.
    if (!doc->GetTaskManager()->DispatchEvent("SaveModifiedMask", doc->GetGradeMask()))
        return false;
    doc->GetFocusManager()->ClearActiveObject();
    CGradeMaskDocArray &masks = *owner->GetMaskDocs();
    if (owner->GetActiveMaskDoc() == doc) {
        doc->GetTaskManager()->DispatchEvent("OnDeactivate", nullptr);
        CCmdSetActiveMask activate;
        activate.Execute(GetTask(), firstOtherMask(masks, doc));
    }
    masks.RemoveAt(masks.IndexOf(doc));
    return true;
}

bool CCmdDeleteGradeMask::IsEnabled(void *data)
{
    auto *doc = static_cast<CGradeMaskDoc *>(data);
    if (doc == nullptr)
        return false;
    CTaskManager *manager = doc->GetTaskManager();
    return manager->CanDispatchEvent("OnDeactivate", nullptr)
           || manager->CanDispatchEvent("OnActivate", nullptr);
}
