// Morvane measurement tables.
// "LoadTableSet": a measurement table set is read from its file.
#include "app/tables/CmdLoadTableSet.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IGradingEvents.h"
#include "app/documents/IPrompt.h"
#include "app/documents/IUserInterface.h"
#include "app/documents/WaitCursor.h"
#include "app/tables/CmdSaveModifiedTableSet.h"
#include "app/tables/CmdSetActiveTable.h"
#include "app/tables/MeasureTableDoc.h"
#include "app/tables/TableSetFiles.h"
#include "lang/ResourceText.h"
#include "platform/brismond/IBrismond.h"

namespace {

constexpr uint32_t kLoadFailedText = 61474;
constexpr uint32_t kLoadingText = 61502;

} // namespace

CCmdLoadTableSet::CCmdLoadTableSet()
{
    CreateWith("LoadTableSet", false, CMT_NEW_HISTORY);
}

std::unique_ptr<ICommand> CCmdLoadTableSet::Clone() const
{
    return std::make_unique<CCmdLoadTableSet>(*this);
}

bool CCmdLoadTableSet::OnExecute(void *data)
{
    CMeasureTableDoc *document = GetDocument();
    IGradingEvents *owner = GetOwner();
    if (document == nullptr || owner == nullptr)
        return false;
    CCmdSaveModifiedTableSet saveModified;
    if (!saveModified.Execute(GetTask(), nullptr))
        return false;
    std::filesystem::path file;
    if (const auto *given = static_cast<const std::filesystem::path *>(data)) {
        file = *given;
    } else {
        const std::optional<std::filesystem::path> chosen =
            owner->GetUserInterface().GetFileChooser().ChooseFileToOpen(
                morvane::tableSetFileRequest(owner->GetOptions()));
        if (!chosen)
            return false;
        file = *chosen;
    }

    bool loaded = false;
    {
        const WaitCursor waiting(*owner);
        owner->SetStringAt(0, morvane::loadString(kLoadingText));
        loaded = document->LoadFromFile(file);
        owner->SetStringAt(0, "");
    }
    if (!loaded) {
        owner->GetUserInterface().GetPrompt().ShowMessage(
            morvane::loadString(kLoadFailedText,
                                {file.string(), document->GetTableSet()->GetLastError()}),
            MessageIcon::Stop);
        return false;
    }
    if (document->GetTableSet()->GetTableCount() > 0) {
        CCmdSetActiveTable activate;
        activate.Execute(GetTask(), morvane::integerEventData(0));
    }
    return true;
}

bool CCmdLoadTableSet::IsEnabled(void *)
{
    IGradingEvents *owner = GetOwner();
    return owner != nullptr && owner->CanDeactivate();
}
