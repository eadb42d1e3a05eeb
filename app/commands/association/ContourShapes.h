// Morvane editing commands: pattern association.
// Contours as polygon shapes for the comparison of contour sets.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"

#include <memory>
#include <vector>

class CContour;
class CCurveShape;

/// One shape per contour, in order: the base-size outline (closing position dropped, slider
/// points left out); with simplify, its nearly straight vertices go (SimplifyShape). asDrawn
/// mirrors back the outline of a pattern that lies face down (flipped), so that comparisons
/// that do not depend on where a piece lies see it as it was drawn.
std::vector<std::unique_ptr<CCurveShape>>
MakeContourShapes(const CPtrCollection<CContour> &contours, bool simplify, bool asDrawn = false);

/// The base-size outline of the contour (closing position dropped), mirrored back when its
/// pattern lies face down; with the pattern index of each vertex's point when asked.
std::vector<DPOINT> OutlineAsDrawn(const CContour &contour, std::vector<int> *pointIndexes);

/// Removes, one by one, every vertex at which the outline runs on nearly straight: whose
/// segment's angle value lies in [3/4 pi, pi).
void SimplifyShape(CCurveShape &shape);
