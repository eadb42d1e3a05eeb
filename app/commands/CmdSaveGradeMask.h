// Morvane editing commands.
// "SaveGradeMask": a grade mask is written to its file.
#pragma once

#include "app/commands/DocCommand.h"

#include <string>

class IGradeMask;

/// Saves the mask of the data (a CSaveMaskParam; a null mask: the active one) to its path. An
/// empty path is chosen in the save dialog, which offers the mask's file, or "<name>.msk" for a
/// mask never saved. A file that another open mask has is refused with message 61248, a save
/// that fails shows message 61432 with the reason; both answer false. Sets the history's save
/// point. Enabled in edit mode.
class CCmdSaveGradeMask : public CDocCommand
{
public:
    CCmdSaveGradeMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CDocCommand::IsEnabled;
    bool IsEnabled(void *data) override;

    /// How the user knows the mask: its file, or its document's display name when it has none
    /// (empty when the document does not hold the mask).
    static std::string GetShownName(IDocumentServices &document, const IGradeMask &mask);
};
