// Morvane interactive tasks.
// Function commands of the path-grading tool: the path of the size being edited, the points
// of the other sizes' paths, and the texts of a drag.
#pragma once

class ITask;

namespace morvane {

// Each runs for the task whose chart named it and reaches the documents through the task's
// manager; without them it changes nothing.

/// "bIsActiveSizePathFocused" becomes 1 when the grade-path editor's path has a segment, a size
/// is being edited, and the focus object was found in that size; else 0. True.
bool UpdateActiveSizePathFocused(ITask *task, void *data);
/// The running tool's rules become: the grade-path line of every shown size that is neither a
/// base size nor the focused one, within 3 pixels, then the grade-path points of the focused
/// size at any distance; the focus types become 1. True.
bool LoadGradePathPoints(ITask *task, void *data);
/// The focused size becomes the edited one, and every entry of the item list is moved to it:
/// its size, and the position of its point in that size. The views redraw. True.
bool UpdateGradePathSize(ITask *task, void *data);
/// The last entry of the item list goes. True.
bool RemoveLastFocusPoint(ITask *task, void *data);
/// The message lines show the prompt to drag the last picked point (string 61215 with its
/// name) and the distance texts from it to the pointer (the event's DPOINT position, or the
/// view's mouse record). False without data.
bool UpdateMovement(ITask *task, void *data);

} // namespace morvane
