// Morvane interactive tasks.
// Function commands of the point-association tool and of the main task: its focus rules for
// either side of an association, and the interactive mode.
#pragma once

class ITask;

namespace morvane {

/// Runs "SetInteractiveMode" without data; answers what it answers (false without it).
bool ClearInteractiveMode(ITask *task, void *data);
/// The running tool takes the points of the side being associated: the focus types become 5,
/// "nSnapMode" 5, and its rules pick grade points, pattern points and pattern lines of the
/// flagged input patterns and the mask's patterns. True.
bool UpdateActivePointAssFocus(ITask *task, void *data);
/// The running tool takes the points of the other side: grade points and pattern points of the
/// mask's patterns, lines of the mask's patterns and the flagged input patterns, and the
/// grade and pattern points of the active object at any distance. True.
bool UpdateNoActivePointAssFocus(ITask *task, void *data);

} // namespace morvane
