// Morvane measurement tables.
// "AssociateMeasurementsImage": the set names the image that shows its measurements.
#include "app/tables/CmdAssociateMeasurementsImage.h"

#include "app/documents/FileDialogFilter.h"
#include "app/documents/IFileChooser.h"
#include "app/documents/IGradingEvents.h"
#include "app/documents/IOptions.h"
#include "app/documents/IUserInterface.h"
#include "app/tables/MeasureTableDoc.h"
#include "lang/ResourceText.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/TableSetUndoStack.h"

namespace {

constexpr uint32_t kUndoToolTip = 0xF056;
constexpr uint32_t kImageFilesText = 61222;
constexpr uint32_t kTitleText = 61473;

FileDialogRequest imageFileRequest(const IOptions &options)
{
    FileDialogRequest request;
    request.title = morvane::loadString(kTitleText);
    request.initialFolder = options.GetStringOption("INPUT_MEASUREMENT_IMAGE_FILES_PATH");
    request.filter = morvane::fileDialogFilter(kImageFilesText, "*.jpg; *.bmp; *.tif; *.gif");
    return request;
}

} // namespace

CCmdAssociateMeasurementsImage::CCmdAssociateMeasurementsImage()
{
    CreateWith("AssociateMeasurementsImage", true, CMT_MODIFY);
    SetUndoToolTip(morvane::loadString(kUndoToolTip));
    SetRedoToolTip(morvane::loadString(kUndoToolTip + 1));
}

std::unique_ptr<ICommand> CCmdAssociateMeasurementsImage::Clone() const
{
    return std::make_unique<CCmdAssociateMeasurementsImage>(*this);
}

bool CCmdAssociateMeasurementsImage::OnExecute(void *)
{
    CMeasureTableDoc *document = GetDocument();
    IGradingEvents *owner = GetOwner();
    if (document == nullptr || owner == nullptr)
        return false;
    const std::optional<std::filesystem::path> chosen =
        owner->GetUserInterface().GetFileChooser().ChooseFileToOpen(
            imageFileRequest(owner->GetOptions()));
    if (!chosen)
        return false;
    IBrismond &set = *document->GetTableSet();
    const std::string name = chosen->filename().string();
    // The folder with its separator at the end, as the set keeps it.
    const std::string folder = (chosen->parent_path() / "").string();
    // The same image again would record an empty step, which would make this entry undo
    // another one.
    if (name == set.GetImageFileName() && folder == set.GetImageDirectory())
        return false;
    set.GetUndoStack().BeginStep();
    set.SetImageFileName(name);
    set.SetImageDirectory(folder);
    set.GetUndoStack().EndStep();
    return true;
}

void CCmdAssociateMeasurementsImage::OnUndo()
{
    if (CMeasureTableDoc *document = GetDocument())
        document->GetTableSet()->GetUndoStack().Undo();
}

void CCmdAssociateMeasurementsImage::OnRedo()
{
    if (CMeasureTableDoc *document = GetDocument())
        document->GetTableSet()->GetUndoStack().Redo();
}
