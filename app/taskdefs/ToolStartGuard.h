// Morvane interactive tasks.
// When the tools that add to a mask's patterns may start.
#pragma once

class ITask;

namespace morvane {

/// The start guard of the dart, lapel, path and two-point line tools: the main document's
/// editing switch is on and the active grade mask holds a pattern.
bool CanStartPatternEditTool(ITask *task);

} // namespace morvane
