// Morvane measurement tables.
// "SaveTableSet": the measurement table set is written to its file.
#include "app/tables/CmdSaveTableSet.h"

#include "app/documents/IFileChooser.h"
#include "app/documents/IGradingEvents.h"
#include "app/documents/IPrompt.h"
#include "app/documents/IUserInterface.h"
#include "app/tables/MeasureTableDoc.h"
#include "app/tables/TableSetFiles.h"
#include "lang/ResourceText.h"
#include "platform/brismond/IBrismond.h"

namespace {

constexpr uint32_t kSaveFailedText = 61476;

} // namespace

CCmdSaveTableSet::CCmdSaveTableSet()
{
    CreateWith("SaveTableSet", false, CMT_SAVE_POINT);
}

std::unique_ptr<ICommand> CCmdSaveTableSet::Clone() const
{
    return std::make_unique<CCmdSaveTableSet>(*this);
}

bool CCmdSaveTableSet::OnExecute(void *data)
{
    CMeasureTableDoc *document = GetDocument();
    IGradingEvents *owner = GetOwner();
    if (document == nullptr || owner == nullptr)
        return false;
    const auto *given = static_cast<const std::filesystem::path *>(data);
    std::filesystem::path file = given != nullptr ? *given : std::filesystem::path();
    if (file.empty()) {
        FileDialogRequest request = morvane::tableSetFileRequest(owner->GetOptions());
        request.suggestedName = document->GetPathName().empty()
                                    ? document->GetTitle()
                                    : document->GetPathName().filename().string();
        if (!document->GetPathName().empty())
            request.initialFolder = document->GetPathName().parent_path();
        const std::optional<std::filesystem::path> chosen =
            owner->GetUserInterface().GetFileChooser().ChooseFileToSave(request);
        if (!chosen)
            return false;
        file = *chosen;
    }
    if (document->SaveToFile(file))
        return true;
    owner->GetUserInterface().GetPrompt().ShowMessage(
        morvane::loadString(kSaveFailedText,
                            {file.string(), document->GetTableSet()->GetLastError()}),
        MessageIcon::Stop);
    return false;
}
