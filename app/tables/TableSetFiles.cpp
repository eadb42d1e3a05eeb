// Morvane measurement tables.
// What the file dialogs of the measurement table sets show.
#include "app/tables/TableSetFiles.h"

#include "app/documents/FileDialogFilter.h"
#include "app/documents/IOptions.h"

namespace morvane {

namespace {

constexpr uint32_t kTableSetFilesText = 61482;

} // namespace

FileDialogRequest tableSetFileRequest(const IOptions &options)
{
    FileDialogRequest request;
    request.initialFolder = options.GetStringOption("INPUT_TABLESET_FILES_PATH");
    request.defaultExtension = "mst";
    request.filter = fileDialogFilter(kTableSetFilesText, "*.mst");
    return request;
}

} // namespace morvane
