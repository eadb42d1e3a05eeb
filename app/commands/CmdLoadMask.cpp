// Morvane editing commands.
// "LoadMask": the active grade mask takes the content of a mask file.
#include "app/commands/CmdLoadMask.h"

#include "app/commands/CmdSaveModifiedMask.h"
#include "app/commands/StopMessage.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/IDocumentAccess.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/WaitCursor.h"
#include "lang/ResourceText.h"
#include "model/GradeMask.h"

namespace {

constexpr uint32_t kAlreadyOpenText = 61248;
constexpr uint32_t kLoadFailedText = 61430;
constexpr uint32_t kLoadingText = 61501;

/// Whether an open mask other than the active one has file.
bool isOpenElsewhere(IDocumentServices &document, const std::filesystem::path &file)
{
    IDocumentAccess *access = document.GetDocumentAccess();
    const CGradeMaskDocArray *masks = access != nullptr ? access->GetMaskDocs() : nullptr;
    const int index = masks != nullptr ? masks->FindByFile(file) : -1;
    return index >= 0 && masks->GetAt(index)->GetGradeMask() != document.GetActiveGradeMask();
}

} // namespace

CCmdLoadMask::CCmdLoadMask()
{
    Create("LoadMask");
    SetFlags(false, true, CMT_NEW_HISTORY);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdLoadMask::Clone() const
{
    return std::make_unique<CCmdLoadMask>(*this);
}

bool CCmdLoadMask::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    const auto *file = static_cast<const std::filesystem::path *>(data);
    IGradeMask *mask = document != nullptr ? document->GetActiveGradeMask() : nullptr;
    if (mask == nullptr || file == nullptr)
        return false;
    if (isOpenElsewhere(*document, *file)) {
        morvane::showStopMessage(*document, kAlreadyOpenText, {file->string()});
        return false;
    }
    CCmdSaveModifiedMask saveModified;
    if (!saveModified.Execute(GetTask(), nullptr))
        return false;

    bool loaded = false;
    {
        const WaitCursor waiting(*document);
        document->SetStringAt(0, morvane::loadString(kLoadingText));
        const bool wasSuspended = document->IsFailed();
        document->SetFailed(true);
        loaded = mask->Load(*file);
        document->SetFailed(wasSuspended);
        document->SetStringAt(0, "");
    }
    if (!loaded)
        morvane::showStopMessage(*document, kLoadFailedText,
                                 {file->string(), morvane::maskFileError(*mask)});
    return loaded;
}
