// Morvane measurement tables.
// "AssociateMeasurementsImage": the set names the image that shows its measurements.
#pragma once

#include "app/tables/TableSetCommand.h"

/// The user chooses an image file (opening in the folder of the option
/// "INPUT_MEASUREMENT_IMAGE_FILES_PATH"); the set takes its name and its folder, as one step of
/// the set's history, undone and redone with it. Nothing is recorded when the user cancels or
/// chooses the image the set names already.
class CCmdAssociateMeasurementsImage : public CTableSetCommand
{
public:
    CCmdAssociateMeasurementsImage();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;
};
