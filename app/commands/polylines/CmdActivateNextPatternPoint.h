// Morvane editing commands.
// "ActivateNextPatternPoint": the active grade point steps along the active pattern.
#pragma once

#include "app/commands/DocCommand.h"

/// "ActivateNextPatternPoint" (data: an integer through integerEventData, non-zero steps
/// backwards): the next grade point of the active pattern, wrapping round, becomes the active
/// grade point. Enabled in selection mode 1 while the active object is not held by a moving
/// tool and there is a point to step to. Not recorded in the history.
class CCmdActivateNextPatternPoint : public CDocCommand
{
public:
    CCmdActivateNextPatternPoint();

    std::unique_ptr<ICommand> Clone() const override;
    using CDocCommand::IsEnabled;
    bool IsEnabled(void *data) override;
    bool OnExecute(void *data) override;

private:
    bool IsSelectingPoints() const;
};
