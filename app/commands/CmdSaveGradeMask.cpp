// Morvane editing commands.
// "SaveGradeMask": a grade mask is written to its file.
#include "app/commands/CmdSaveGradeMask.h"

#include "app/commands/StopMessage.h"
#include "app/documents/EventRecords.h"
#include "app/documents/FileDialogFilter.h"
#include "app/documents/GradeMaskDocArray.h"
#include "app/documents/IDocumentAccess.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IFileChooser.h"
#include "app/documents/IOptions.h"
#include "app/documents/IUserInterface.h"
#include "app/documents/WaitCursor.h"
#include "model/GradeMask.h"

namespace {

constexpr uint32_t kAlreadyOpenText = 61248;
constexpr uint32_t kSaveFailedText = 61432;
constexpr uint32_t kMaskFilesText = 61246;

CGradeMaskDocArray *openMasks(IDocumentServices &document)
{
    IDocumentAccess *access = document.GetDocumentAccess();
    return access != nullptr ? access->GetMaskDocs() : nullptr;
}

/// The display name of the document holding mask; empty when none does.
std::string displayName(IDocumentServices &document, const IGradeMask &mask)
{
    const CGradeMaskDocArray *masks = openMasks(document);
    const CGradeMaskDoc *doc = masks != nullptr ? masks->FindByMask(&mask) : nullptr;
    return doc != nullptr ? doc->GetDisplayName() : std::string();
}

/// Whether an open mask other than mask has file.
bool isOpenElsewhere(IDocumentServices &document, const IGradeMask &mask,
                     const std::filesystem::path &file)
{
    const CGradeMaskDocArray *masks = openMasks(document);
    const int index = masks != nullptr ? masks->FindByFile(file) : -1;
    return index >= 0 && masks->GetAt(index)->GetGradeMask() != &mask;
}

} // namespace

CCmdSaveGradeMask::CCmdSaveGradeMask()
{
    Create("SaveGradeMask");
    SetFlags(false, true, CMT_SAVE_POINT);
}

std::unique_ptr<ICommand> CCmdSaveGradeMask::Clone() const
{
    return std::make_unique<CCmdSaveGradeMask>(*this);
}

bool CCmdSaveGradeMask::OnExecute(void *data)
{
    IDocumentServices *document = GetDocument();
    const auto *param = static_cast<const CSaveMaskParam *>(data);
    if (document == nullptr || param == nullptr)
        return false;
    IGradeMask *mask = param->mask != nullptr ? param->mask : document->GetActiveGradeMask();
    if (mask == nullptr)
        return false;
    std::filesystem::path file = param->path;
    if (file.empty()) {
        FileDialogRequest request;
        request.suggestedName = mask->GetFileName().empty()
                                    ? displayName(*document, *mask) + ".msk"
                                    : mask->GetFileName().string();
        request.defaultExtension = "msk";
        request.filter = morvane::fileDialogFilter(kMaskFilesText, "*.msk");
        request.initialFolder = document->GetOptions().GetStringOption("MASK_FILES_PATH");
        const std::optional<std::filesystem::path> chosen =
            document->GetUserInterface().GetFileChooser().ChooseFileToSave(request);
        if (!chosen)
            return false;
        file = *chosen;
    }
    if (isOpenElsewhere(*document, *mask, file)) {
        morvane::showStopMessage(*document, kAlreadyOpenText, {file.string()});
        return false;
    }
    bool saved = false;
    {
        const WaitCursor waiting(*document);
        saved = mask->Save(file);
    }
    if (!saved)
        morvane::showStopMessage(*document, kSaveFailedText,
                                 {file.string(), morvane::maskFileError(*mask)});
    return saved;
}

bool CCmdSaveGradeMask::IsEnabled(void *)
{
    IDocumentServices *document = GetDocument();
    return document != nullptr && document->IsEditMode();
}

std::string CCmdSaveGradeMask::GetShownName(IDocumentServices &document, const IGradeMask &mask)
{
    return mask.GetFileName().empty() ? displayName(document, mask) : mask.GetFileName().string();
}
