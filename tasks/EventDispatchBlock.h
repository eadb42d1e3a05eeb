// Morvane command, task and undo engine.
// Holds back every task event while the program waits for the user in a nested event loop.
#pragma once

/// While one lives, no task manager dispatches an event: DispatchEvent answers false and
/// changes nothing. The program keeps one while a modal question runs its own event loop in the
/// middle of a dispatch (so that a timer or a queued input does not start a chart's transition
/// inside another one), and while it paints. Blocks nest; single-threaded, as the engine.
class CEventDispatchBlock
{
public:
    CEventDispatchBlock();
    ~CEventDispatchBlock();
    CEventDispatchBlock(const CEventDispatchBlock &) = delete;
    CEventDispatchBlock &operator=(const CEventDispatchBlock &) = delete;

    /// Whether a block lives now.
    static bool IsActive();
};
