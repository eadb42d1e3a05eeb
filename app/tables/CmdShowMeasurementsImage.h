// Morvane measurement tables.
// "ShowMeasurementsImage": the image of the set's measurements opens in a window of its own.
#pragma once

#include "app/tables/TableSetCommand.h"

#include <filesystem>

/// Opens a window on the set's measurement image, found in the folder of the option
/// "INPUT_MEASUREMENT_IMAGE_FILES_PATH" (when set), else in the set's own image folder (found as
/// ResolveStoredPath says, from the set's file: an empty folder is the set's own). When neither
/// holds it, the user chooses its folder (61483, starting at the last place tried): the set keeps
/// that folder, outside its history, and the image is tried there once more. Each run opens another
/// window. Not recorded in the history.
class CCmdShowMeasurementsImage : public CTableSetCommand
{
public:
    CCmdShowMeasurementsImage();

    std::unique_ptr<ICommand> Clone() const override;
    /// Whether the image was shown (false when the user cancels the folder dialog).
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// The set names an image.
    bool IsEnabled(void *data) override;

private:
    /// Shows the image when the file is there and can be read.
    bool showFrom(const std::filesystem::path &image);
};
