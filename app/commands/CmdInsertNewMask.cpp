// Morvane editing commands.
// "InsertNewMask": an empty grade mask opens beside the others.
#include "app/commands/CmdInsertNewMask.h"

#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/IDocumentAccess.h"
#include "app/documents/IDocumentServices.h"
#include "lang/ResourceText.h"

namespace {

constexpr uint32_t kNewMaskTitle = 61247;

} // namespace

CCmdInsertNewMask::CCmdInsertNewMask()
{
    CreateWith("InsertNewMask", false, CMT_NEW_HISTORY);
}

std::unique_ptr<ICommand> CCmdInsertNewMask::Clone() const
{
    return std::make_unique<CCmdInsertNewMask>(*this);
}

bool CCmdInsertNewMask::OnExecute(void *)
{
    IDocumentAccess *owner = GetOwner();
    if (owner == nullptr)
        return false;
    CGradeMaskDocArray &masks = *owner->GetMaskDocs();
    std::unique_ptr<CGradeMaskDoc> doc = masks.CreateMaskDoc();
    doc->SetTitle(masks.MakeUniqueName(morvane::loadString(kNewMaskTitle)));
    masks.InsertAt(masks.GetCount(), std::move(doc));
    return true;
}

bool CCmdInsertNewMask::IsEnabled(void *)
{
    IDocumentServices *services = GetServices();
    return services != nullptr && services->IsEditMode();
}
