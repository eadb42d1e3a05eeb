// Morvane measurement tables.
// "SaveModifiedTableSet": changes not saved yet are saved, dropped or kept, as the user says.
#include "app/tables/CmdSaveModifiedTableSet.h"

#include "app/documents/IGradingEvents.h"
#include "app/documents/IPrompt.h"
#include "app/documents/IUserInterface.h"
#include "app/tables/CmdSaveTableSet.h"
#include "app/tables/MeasureTableDoc.h"
#include "lang/ResourceText.h"
#include "tasks/ITask.h"
#include "tasks/UndoGroup.h"

namespace {

constexpr uint32_t kSaveChangesText = 61475;

} // namespace

CCmdSaveModifiedTableSet::CCmdSaveModifiedTableSet()
{
    CreateWith("SaveModifiedTableSet", false, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdSaveModifiedTableSet::Clone() const
{
    return std::make_unique<CCmdSaveModifiedTableSet>(*this);
}

bool CCmdSaveModifiedTableSet::OnExecute(void *)
{
    CMeasureTableDoc *document = GetDocument();
    IGradingEvents *owner = GetOwner();
    if (document == nullptr || owner == nullptr)
        return false;
    const CUndoGroup *history = GetTask()->GetUndoGroup();
    if (history == nullptr || !history->IsModified())
        return true;
    const std::filesystem::path &file = document->GetPathName();
    const std::string shown = file.empty() ? document->GetTitle() : file.string();
    switch (owner->GetUserInterface().GetPrompt().AskYesNoCancel(
        morvane::loadString(kSaveChangesText, {shown}))) {
    case PromptAnswer::Yes: {
        // A set never saved has only its title: the user chooses its file.
        std::filesystem::path target = file;
        CCmdSaveTableSet save;
        return save.Execute(GetTask(), file.empty() ? nullptr : &target);
    }
    case PromptAnswer::No:
        return true;
    case PromptAnswer::Cancel:
        return false;
    }
    return false;
}
