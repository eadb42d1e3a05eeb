// Morvane editing commands.
// "InsertMaskFromFile": a grade mask file opens beside the other masks.
#include "app/commands/CmdInsertMaskFromFile.h"

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

} // namespace

CCmdInsertMaskFromFile::CCmdInsertMaskFromFile()
{
    CreateWith("InsertMaskFromFile", false, CMT_NEW_HISTORY);
}

std::unique_ptr<ICommand> CCmdInsertMaskFromFile::Clone() const
{
    return std::make_unique<CCmdInsertMaskFromFile>(*this);
}

bool CCmdInsertMaskFromFile::OnExecute(void *data)
{
    IDocumentAccess *owner = GetOwner();
    const auto *file = static_cast<const std::filesystem::path *>(data);
    if (owner == nullptr || file == nullptr)
        return false;
    IDocumentServices &services = *owner->GetServices();
    CGradeMaskDocArray &masks = *owner->GetMaskDocs();
    if (masks.FindByFile(*file) >= 0) {
        morvane::showStopMessage(services, kAlreadyOpenText, {file->string()});
        return false;
    }
    std::unique_ptr<CGradeMaskDoc> doc = masks.CreateMaskDoc();
    bool loaded = false;
    {
        const WaitCursor waiting(services);
        services.SetStringAt(0, morvane::loadString(kLoadingText));
        loaded = doc->GetGradeMask()->Load(*file);
        services.SetStringAt(0, "");
    }
    if (!loaded) {
        morvane::showStopMessage(services, kLoadFailedText,
                                 {file->string(), morvane::maskFileError(*doc->GetGradeMask())});
        return false;
    }
    masks.InsertAt(masks.GetCount(), std::move(doc));
    return true;
}
