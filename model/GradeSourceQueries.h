// Morvane model library.
// Guarded questions to a grade-model source, each answer checked for critical errors.
#pragma once

#include "foundation/DPoint.h"
#include "sources/grade-model/GradeSize.h"
#include "sources/grade-model/IGradePattern.h"

#include <string>
#include <vector>

namespace morvane {

/// How a source point slides: on a curve of its pattern (isSlider) or not at all.
struct SliderInfo
{
    bool isSlider = false;
    /// The curve it slides on; null when the source names none.
    IGradeCurve *curve = nullptr;
    /// The third value of the source's answer (0 from the system's own sources).
    int index = 0;
};

// Every function below passes the source's result code to CMorvaneException::HandleCriticalError,
// so a critical code ends the operation with that exception. A count below 0 is taken as 0, and a
// list stops at the first null answer: a source answers null only past its real end, so a count
// that claims more objects than the source holds is cut short there.

/// The pattern's name.
std::string nameOf(IGradePattern &pattern);
/// The pattern's curves in order.
std::vector<IGradeCurve *> curvesOf(IGradePattern &pattern);
/// The pattern's grade points in the source's order.
std::vector<IGradePoint *> internalPointsOf(IGradePattern &pattern);
/// The curve's grade points in curve order.
std::vector<IGradePoint *> gradePointsOf(IGradeCurve &curve);
/// The curve's grade point index; null when the index lies outside the curve's grade points.
IGradePoint *gradePointAt(IGradeCurve &curve, int index);
/// More notches than any garment curve carries: a source stating more is cut to this many.
inline constexpr int kMostNotchesPerCurve = 4096;
/// The number of notches of the curve: the stated count, 0 when negative, at most
/// kMostNotchesPerCurve. A notch on no grade point (a null answer) is a notch all the same.
int notchCountOf(IGradeCurve &curve);
/// The point's position in size.
DPOINT positionOf(IGradePoint &point, GradeSize size);
/// Stores the point's position in size.
void storePosition(IGradePoint &point, GradeSize size, DPOINT position);
SliderInfo sliderInfoOf(IGradePoint &point);
bool isMarkPoint(IGradePoint &point);

} // namespace morvane
