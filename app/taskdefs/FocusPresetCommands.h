// Morvane interactive tasks.
// Function commands that change what the running tool can point at: its focus rules replaced
// by a fixed preset, or its candidates built again from the rules it has.
#pragma once

class ITask;

namespace morvane {

// Each works on the focus search that the task's "pFocusManager" holds (the tool's own, else the
// nearest enclosing tool's) and does nothing without one. A preset empties the rules, adds its
// rows in order and builds the candidates again. True.

/// The candidates built again from the current rules.
bool UpdateFocusManager(ITask *task, void *data);
/// Preset A: points, grade points and lines of the active object.
bool LoadActiveMaskPatternToFM(ITask *task, void *data);
/// Preset B: lines of every pattern but the active one.
bool LoadAllPatternPolylinesToFocusMgr(ITask *task, void *data);
/// Preset C: the pivot, points, grade points, lines and regions, of the active object and of
/// the others; the pattern rules take both kinds of patterns in edit mode, else input patterns.
bool UpdateFMRotateSelection(ITask *task, void *data);
/// Preset D: grade points, points and lines of every pattern, at any distance under snapping.
bool UpdateFMPivotPoint(ITask *task, void *data);
/// Preset E: grade points at any distance and lines, of every pattern but the active one.
bool UpdateFMNoActivePolylinesAndPoints(ITask *task, void *data);
/// Preset F: lines of the active object.
bool UpdateFMActivePolylines(ITask *task, void *data);
/// Preset G: grade points at any distance, in the size the grade path started in when that is
/// not the base size, else those of the active contour.
bool UpdateFMActivePolyPoints(ITask *task, void *data);

} // namespace morvane
