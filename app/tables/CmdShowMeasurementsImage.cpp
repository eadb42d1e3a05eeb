// Morvane measurement tables.
// "ShowMeasurementsImage": the image of the set's measurements opens in a window of its own.
#include "app/tables/CmdShowMeasurementsImage.h"

#include "app/documents/IFileChooser.h"
#include "app/documents/IGradingEvents.h"
#include "app/documents/IOptions.h"
#include "app/documents/IUserInterface.h"
#include "app/extras/StoredPath.h"
#include "app/tables/MeasureTableDoc.h"
#include "lang/ResourceText.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/TableSetUndoStack.h"

#include <fstream>

namespace {

constexpr uint32_t kChooseFolderText = 61483;

/// The folder and the name joined, with "/" between them unless the folder ends in a separator.
std::string joined(const std::string &folder, const std::string &name)
{
    if (folder.empty() || folder.back() == '/' || folder.back() == '\\')
        return folder + name;
    return folder + "/" + name;
}

} // namespace

CCmdShowMeasurementsImage::CCmdShowMeasurementsImage()
{
    CreateWith("ShowMeasurementsImage", false, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdShowMeasurementsImage::Clone() const
{
    return std::make_unique<CCmdShowMeasurementsImage>(*this);
}

bool CCmdShowMeasurementsImage::OnExecute(void *)
{
    CMeasureTableDoc *document = GetDocument();
    IGradingEvents *owner = GetOwner();
    if (document == nullptr || owner == nullptr)
        return false;
    IBrismond &set = *document->GetTableSet();
    const std::string name = set.GetImageFileName();
    const std::string optionFolder =
        owner->GetOptions().GetStringOption("INPUT_MEASUREMENT_IMAGE_FILES_PATH");
    if (!optionFolder.empty() && showFrom(joined(optionFolder, name)))
        return true;
    const std::filesystem::path inSetFolder =
        ResolveStoredPath(joined(set.GetImageDirectory(), name), document->GetPathName());
    if (showFrom(inSetFolder))
        return true;

    const std::optional<std::filesystem::path> folder =
        owner->GetUserInterface().GetFileChooser().ChooseFolder(
            morvane::loadString(kChooseFolderText, {name}), inSetFolder.parent_path());
    if (!folder)
        return false;
    // A place to look, not an edit of the set: its history stays in step with the task's.
    set.GetUndoStack().RunUnrecorded([&set, &folder] { set.SetImageDirectory(folder->string()); });
    return showFrom(*folder / name);
}

bool CCmdShowMeasurementsImage::IsEnabled(void *)
{
    CMeasureTableDoc *document = GetDocument();
    return document != nullptr && !document->GetTableSet()->GetImageFileName().empty();
}

bool CCmdShowMeasurementsImage::showFrom(const std::filesystem::path &image)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(image, error) || !std::ifstream(image).good())
        return false;
    GetOwner()->GetUserInterface().GetImageWindow().ShowImage(image);
    return true;
}
