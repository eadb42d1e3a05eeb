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
/// Activates the measure line and puts both its points on the focus position; the views
/// redraw.
bool InitMeasureObject(ITask *task, void *data);
/// Moves the measure line's second point to the focus position; the views redraw and the
/// information panels refresh (notifications 0 and 4).
bool UpdateMeasure(ITask *task, void *data);
/// Runs "FindFocusLine" (no data): the line under the pointer becomes the focus; then the
/// information panels refresh (notification 4). True whatever the search found.
bool FindMeasurePoint(ITask *task, void *data);
/// The measure mode becomes 0.
bool ClearMeasure(ITask *task, void *data);
/// Shows the context menu that fits the active object (choosePopupMenu) through the manager's
/// IMenuPresenter, at the PopupMenuPoint of the data. False when no menu fits, without data or
/// presenter, or when the presenter cannot load the menu.
bool ShowPopupMenu(ITask *task, void *data);
/// Switches the display of mask regions over. Before hiding them, a grade region or the mask
/// centre that is active gives way to nothing ("SetActiveItem" with an empty focus object), so
/// that nothing hidden stays active. True.
bool ShowMaskRegions(ITask *task, void *data);
/// Pans the view of the mouse record (VIEW_MOUSE_PARAM) by the way from the pointer back to
/// where the button went down, so that the point pressed follows the pointer, and repaints it.
/// False without a record or its view.
bool ChangeViewCenter(ITask *task, void *data);
/// Hides the document's frame rectangle (its listeners hear of it only when it was shown). True.
bool HideFrameRect(ITask *task, void *data);
/// Offers to save the mask ("SaveModifiedMask", no data, with task events held back while it
/// asks); when that answers true, empties the mask. Answers what "SaveModifiedMask" answered
/// (false without it). Registered with CMT_NEW_HISTORY: a run that answers true empties the
/// undo history.
bool NewGradeMask(ITask *task, void *data);

} // namespace morvane
