// Morvane editing commands.
// "SaveModifiedMask": a mask's changes not saved yet are saved, dropped or kept.
#include "app/commands/CmdSaveModifiedMask.h"

#include "app/commands/CmdSaveGradeMask.h"
#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IPrompt.h"
#include "app/documents/IUserInterface.h"
#include "lang/ResourceText.h"
#include "model/GradeMask.h"
#include "tasks/ITask.h"
#include "tasks/UndoGroup.h"

namespace {

constexpr uint32_t kSaveChangesText = 61433;

} // namespace

CCmdSaveModifiedMask::CCmdSaveModifiedMask()
{
    Create("SaveModifiedMask");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdSaveModifiedMask::Clone() const
{
    return std::make_unique<CCmdSaveModifiedMask>(*this);
}

bool CCmdSaveModifiedMask::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    if (document == nullptr)
        return false;
    IGradeMask *mask = data != nullptr ? static_cast<IGradeMask *>(data)
                                       : document->GetActiveGradeMask();
    const CUndoGroup *history = GetTask()->GetUndoGroup();
    if (mask == nullptr || history == nullptr || !history->IsModified())
        return true;
    const std::string name = CCmdSaveGradeMask::GetShownName(*document, *mask);
    switch (document->GetUserInterface().GetPrompt().AskYesNoCancel(
        morvane::loadString(kSaveChangesText, {name}))) {
    case PromptAnswer::Yes: {
        CSaveMaskParam save(mask->GetFileName(), mask);
        CCmdSaveGradeMask saveMask;
        return saveMask.Execute(GetTask(), &save);
    }
    case PromptAnswer::No:
        return true;
    case PromptAnswer::Cancel:
        return false;
    }
    return false;
}
