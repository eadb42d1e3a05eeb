// Morvane editing commands.
// "ShowGrading": the graded sizes of the patterns are shown or hidden.
#pragma once

#include "app/commands/DocCommand.h"

/// Switches the display of the grading on for non-null data, off for null
/// (CDisplayFlags::SetShowGrading, which tells nobody when nothing changes). Not recorded in the
/// history.
class CCmdShowGrading : public CDocCommand
{
public:
    CCmdShowGrading();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a document or its display switches; true otherwise.
    bool OnExecute(void *data) override;
};
