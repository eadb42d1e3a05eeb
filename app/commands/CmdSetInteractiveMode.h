// Morvane editing commands.
// "SetInteractiveMode": automatic moving and rotating of the tools, switched on and off.
#pragma once

#include "app/commands/DocCommand.h"

/// The mode is the event data itself (morvane::integerEventData): 1 switches auto rotate
/// ("bAutoRotate") and has the rotation pivot redrawn, 2 switches auto move ("bAutoMove"), 0
/// clears auto rotate, or auto move when auto rotate is off already; any other mode does
/// nothing. The variables are those of the task that runs the command. Not recorded in the
/// history.
class CCmdSetInteractiveMode : public CDocCommand
{
public:
    static constexpr intptr_t kSwitchOff = 0;
    static constexpr intptr_t kAutoRotate = 1;
    static constexpr intptr_t kAutoMove = 2;

    CCmdSetInteractiveMode();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a task; true otherwise.
    bool OnExecute(void *data) override;
};
