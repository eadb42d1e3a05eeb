// Morvane editing commands.
// "SaveModifiedMask": a mask's changes not saved yet are saved, dropped or kept.
#pragma once

#include "app/commands/DocCommand.h"

/// Asks about the grade mask the data names (an IGradeMask; null: the active one) when its
/// task's history holds changes not saved: Yes saves it as "SaveGradeMask" does (an unnamed
/// mask through the save dialog) and answers the save's result, No answers true, Cancel false.
/// A mask without such changes answers true at once.
class CCmdSaveModifiedMask : public CDocCommand
{
public:
    CCmdSaveModifiedMask();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};
