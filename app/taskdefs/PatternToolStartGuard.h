// Morvane interactive tasks.
// When the tools that draw on mask patterns may start.
#pragma once

class ITask;

namespace morvane {

/// The start guard of the tools that draw lines, darts, lapels and paths on mask patterns:
/// the main document's edit mode is on and the active grade mask holds at least one pattern.
/// False without a document or an active mask.
bool canStartPatternTool(ITask *task);

} // namespace morvane
