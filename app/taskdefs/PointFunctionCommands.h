// Morvane interactive tasks.
// Function commands that take a snapshot of the pointer, the focus or the active object for the
// rest of a tool: starting angles and offsets, the selection's first move, path and focus points.
#pragma once

class ITask;

namespace morvane {

// Each runs for the task whose chart named it, with the data of the event being handled (the
// view's mouse record, VIEW_MOUSE_PARAM, where one is read), and reaches the documents through
// the task's manager. Without what it needs it changes nothing and answers false.

/// The rotation pivot collects the selection to turn and takes the angle from its pivot point
/// to the button-down point as the turn's start: the tool starts a few pixels after the press,
/// and the turn from the press on is the user's.
bool SaveInitialRotAngle(ITask *task, void *data);
/// "dRotStartRad" becomes the angle from the active region's position to where the button went
/// down, less the region's direction (radians). False without an active region.
bool SaveRegionInitialRotAngle(ITask *task, void *data);
/// "dx" and "dy" become where the button went down less the active region's position. False
/// without an active region.
bool SaveRegionDelta(ITask *task, void *data);
/// Runs "MoveSelectedItems" with the mouse record whose previous pointer is the focus position;
/// answers what it answers.
bool SaveFirstPointDelta(ITask *task, void *data);
/// Runs "FindFocusLine" with the mouse record: the pattern line under the pointer becomes the
/// focus object. True.
bool FindPathPoint(ITask *task, void *data);
/// The grade-path editor starts a path at the focused point of a pattern, and keeps the size the
/// point was found in. False when the focus object is not a pattern's point.
bool SetFirstPathPoint(ITask *task, void *data);
/// Empties the active mask document's item list. True.
bool ClearFocusPoints(ITask *task, void *data);
/// Appends a copy of the focus object to the active mask document's item list (which owns it),
/// then starts the measure line at the focus position ("InitMeasureObject").
bool AddFocusPoint(ITask *task, void *data);

} // namespace morvane
