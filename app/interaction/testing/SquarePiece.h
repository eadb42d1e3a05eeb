// Morvane program interaction test support.
// Small square pieces of known geometry placed on a mask.
#pragma once

#include "foundation/DPoint.h"

#include <initializer_list>
#include <string>

class CGradeMask;
class CMaskPattern;
class CPolyline;

namespace testinteraction {

/// A square mask piece of side 40 with its lower left corner at origin on the mask: grade
/// points 0 (0, 0), 1 (40, 0), 2 (40, 40), 3 (0, 40) and an ordinary point 4 (20, 0); lines
/// 0-4-1 and 1-2-3-0, of the line type given, forming one closed contour. Placed at the end of
/// the mask.
CMaskPattern *placeSquare(CGradeMask &mask, const std::string &name, DPOINT origin,
                          int lineType = 1);

/// A new line of the pattern through its points of those indexes.
CPolyline *addLine(CMaskPattern &pattern, std::initializer_list<int> points, int lineType);

} // namespace testinteraction
