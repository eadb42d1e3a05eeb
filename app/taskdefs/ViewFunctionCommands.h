// Morvane interactive tasks.
// Function commands of the view, the measure line, the context menu and the mask's display.
#pragma once

class ITask;

namespace morvane {

// Each runs for the task whose chart named it, with the data of the event being handled, and
// reaches the documents through the task's manager. Without an active mask (or document) those
// that need one do nothing and answer false.

/// The views redraw (notification 0). True.
bool InvalidateView(ITask *task, void *data);
/// The view takes the mouse capture (notification 1). True.
bool SetCapture(ITask *task, void *data);
/// The mouse capture is released through the manager's IMouseCapture. True.
bool ReleaseCapture(ITask *task, void *data);
/// Runs "FindFocusLine" (no data): the line under the pointer becomes the focus; then the
/// information panels refresh (notification 4). True whatever the search found.
bool FindMeasurePoint(ITask *task, void *data);
/// Offers to save the mask ("SaveModifiedMask", no data, with task events held back while it
/// asks); when that answers true, empties the mask. Answers what "SaveModifiedMask" answered
/// (false without it). Registered with CMT_NEW_HISTORY: a run that answers true empties the
/// undo history.
bool NewGradeMask(ITask *task, void *data);

} // namespace morvane
