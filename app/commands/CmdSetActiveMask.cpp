// Morvane editing commands.
// "SetActiveMask": another grade mask, or none, becomes the active one.
#include "app/commands/CmdSetActiveMask.h"

#include "app/documents/GradeMaskDoc.h"
#include "app/documents/IDocumentAccess.h"
#include "lang/ResourceText.h"

namespace {

constexpr uint32_t kUndoText = 61404;

} // namespace

CCmdSetActiveMask::CCmdSetActiveMask()
{
    CreateWith("SetActiveMask", true, CMT_MODIFY);
    SetUndoToolTip(morvane::loadString(kUndoText));
    SetRedoToolTip(morvane::loadString(kUndoText + 1));
}

std::unique_ptr<ICommand> CCmdSetActiveMask::Clone() const
{
    return std::make_unique<CCmdSetActiveMask>(*this);
}

bool CCmdSetActiveMask::OnExecute(void *data)
{
    IDocumentAccess *owner = GetOwner();
    if (owner == nullptr)
        return false;
    auto *doc = static_cast<CGradeMaskDoc *>(data);
    if (CGradeMaskDoc *active = owner->GetActiveMaskDoc())
        active->GetTaskManager()->DispatchEvent("OnDeactivate", nullptr);
    owner->SetActiveMaskDoc(doc);
    if (doc != nullptr)
        doc->GetTaskManager()->DispatchEvent("OnActivate", nullptr);
    return true;
}

bool CCmdSetActiveMask::IsEnabled(void *data)
{
    IDocumentAccess *owner = GetOwner();
    if (owner == nullptr)
        return false;
    CGradeMaskDoc *active = owner->GetActiveMaskDoc();
    if (active == data)
        return false;
    return active == nullptr || active->GetTaskManager()->CanDispatchEvent("OnDeactivate", nullptr);
}
