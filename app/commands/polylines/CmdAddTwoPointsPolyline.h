// Morvane editing commands.
// "AddTwoPointsPolyline": a line between the two positions the two-point tool picked.
#pragma once

#include "app/commands/MaskHistoryCommand.h"

/// "AddTwoPointsPolyline" (data not read): the first two entries of the item list (the focus
/// objects the tool picked) give two positions on the mask; unless they lie within 0.5 of each
/// other, each becomes a grade point of the active mask pattern (an existing grade point within
/// 0.25 is taken instead) and a line of type 0 joins them, in pick order, after the pattern's
/// lines. One step of the mask's history.
class CCmdAddTwoPointsPolyline : public CMaskHistoryCommand
{
public:
    CCmdAddTwoPointsPolyline();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};
