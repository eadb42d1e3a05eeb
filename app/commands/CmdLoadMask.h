// Morvane editing commands.
// "LoadMask": the active grade mask takes the content of a mask file.
#pragma once

#include "app/commands/DocCommand.h"

/// Replaces the content of the active grade mask by the mask file the data names (a
/// std::filesystem::path), after "SaveModifiedMask" agreed. Reloading the active mask's own
/// file is allowed; a file another open mask has is refused with message 61248. The file is
/// read into a fresh mask, so a file that does not load leaves the mask as it was and shows
/// message 61430 with the reason: false. Drawing is suspended while it loads; a replaced mask
/// starts a new undo history.
class CCmdLoadMask : public CDocCommand
{
public:
    CCmdLoadMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};
