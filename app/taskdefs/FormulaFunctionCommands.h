// Morvane interactive tasks.
// Function commands of the dart and lapel tools: the formula made of the points picked.
#pragma once

class CBasePoint;
class ITask;

namespace morvane {

/// A complex dart (formula type 26) on the three points of the active mask document's item
/// list (first leg end, apex, second leg end), with the point between the legs along the
/// contour as its closed-dart point (FindDartPathMiddlePoint), added to the mask ("AddFormula")
/// and opened in its dialog ("EditBaseFormula"; a cancelled dialog keeps the dart). False,
/// nothing made, unless the list holds exactly three points of one pattern (focus kind 10).
bool AddDartFormula(ITask *task, void *data);
/// A lapel formula (type 4) on the six points of the item list, in order, added and opened as
/// AddDartFormula does. False, nothing made, unless the list holds exactly six points of one
/// pattern.
bool AddLapelFormula(ITask *task, void *data);

/// The middle point of the grade path from first to last when that path has exactly three
/// points and its middle one is not middle; the shorter of the two ways round is taken (the
/// first one on equal lengths). Null otherwise.
CBasePoint *FindDartPathMiddlePoint(CBasePoint *first, CBasePoint *middle, CBasePoint *last);

} // namespace morvane
