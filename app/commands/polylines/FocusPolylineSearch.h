// Morvane editing commands.
// The questions the line-collecting commands ask: whether two lines meet, which line a focus
// object designates, and which line may come next in a contour.
#pragma once

class CFocusObject;
class CPattern;
class CPolyline;
class IMaskDocumentAccess;
class ITask;

namespace morvane {

/// Lines whose gap (polylineGap) is below this meet.
constexpr double kLinesMeetGap = 1.0;

/// How far apart the base-size shapes (with slider points) of two lines are: where they meet,
/// also when an end is prolonged by kLinesMeetGap, the greater of that place's distances to the
/// two shapes; 1e10 when they do not meet so. A result below kLinesMeetGap means the lines meet.
double polylineGap(const CPolyline &first, const CPolyline &second);

/// The polyline a polyline focus object designates: the line at its line index in its pattern
/// (the detail object), else its item; null when it designates none.
CPolyline *focusPolyline(const CFocusObject &focus);

/// The index of the first entry of the document's focus-polyline list that designates the
/// polyline; -1 when none does.
int findFocusPolyline(const IMaskDocumentAccess &document, const CPolyline *polyline);

/// The first polyline of the pattern, other than the one at lineIndex, with points, not in the
/// document's focus-polyline list, that has an end within 0.25 (inclusive) of an end of the line
/// at lineIndex; -1 when none does.
int findNextContourLine(const IMaskDocumentAccess &document, const CPattern &pattern,
                        int lineIndex);

/// Stores in the task's "bCanSelectNextLine" whether the next contour line of the document's
/// last focus polyline can be found (0 for an empty list).
void updateCanSelectNextLine(ITask &task, const IMaskDocumentAccess &document);

} // namespace morvane
