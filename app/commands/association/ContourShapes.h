// Morvane editing commands: pattern association.
// Contours as polygon shapes for the comparison of contour sets.
#pragma once

#include "foundation/PtrCollection.h"

#include <memory>
#include <vector>

class CContour;
class CCurveShape;

/// One shape per contour, in order: the base-size outline (closing position dropped, slider
/// points left out); with simplify, its nearly straight vertices go (SimplifyShape).
std::vector<std::unique_ptr<CCurveShape>>
MakeContourShapes(const CPtrCollection<CContour> &contours, bool simplify);

/// Removes, one by one, every vertex at which the outline runs on nearly straight: whose
/// segment's angle value lies in [3/4 pi, pi).
void SimplifyShape(CCurveShape &shape);
