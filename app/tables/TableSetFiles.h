// Morvane measurement tables.
// What the file dialogs of the measurement table sets show.
#pragma once

#include "app/documents/IFileChooser.h"

class IOptions;

namespace morvane {

/// An open or save dialog of table sets ("*.mst"), opening in the folder of the option
/// "INPUT_TABLESET_FILES_PATH".
FileDialogRequest tableSetFileRequest(const IOptions &options);

} // namespace morvane
