// Morvane model library.
// Where two neighbouring lines of a contour meet, also where they would meet when prolonged.
#pragma once

#include "foundation/DPoint.h"

#include <span>

namespace morvane {

/// A meeting of two shapes: the point and the segment of each shape it lies on. A segment
/// index i names the segment from shape point i to i + 1; -1 names the prolongation before the
/// first point and n - 1 the one after the last (n points).
struct ShapeCrossing
{
    DPOINT point;
    int firstSegment = -1;
    int secondSegment = -1;
};

/// Finds where two shapes meet, trying in this order and taking the first meeting (segments
/// meet within 0.001):
/// 1. the shapes themselves (when their rectangles, grown by 0.001, overlap): each segment of
///    the second shape in order against each segment of the first in order;
/// 2. the second shape prolonged at its start, then at its end, against the first's segments;
/// 3. the first shape prolonged at its start, then at its end, against the second's segments;
/// 4. both prolonged: (start, start), (start, end), (end, start), (end, end).
/// A prolongation runs from the end point away from its neighbour, 100.0 farther than that
/// neighbour lies; a shape of fewer than two points has none (and no segments).
///
/// With reverseSecond the second shape is searched from its far end, and secondSegment is then
/// turned back into a segment index of the shape as given. Returns false, leaving crossing
/// unchanged, when the shapes do not meet.
bool findShapeCrossing(std::span<const DPOINT> first, std::span<const DPOINT> second,
                       bool reverseSecond, ShapeCrossing &crossing);

/// Where a line that leaves at the last point of `exiting` meets the next line, which enters at
/// the first point of `entering`: of all meetings of the two shapes, of `exiting` prolonged at
/// its last point and of `entering` prolonged at its first point (segments meet within 0.001,
/// prolongations as above), the one that trims the least off the two lines, measured along each
/// line from its joint end (a prolongation counts the length it adds). The meeting of the
/// joint's own ends so wins over a crossing far along the lines, such as the other joint of a
/// closed pair. Returns false, leaving crossing unchanged, when the lines do not meet.
bool findJointCrossing(std::span<const DPOINT> exiting, std::span<const DPOINT> entering,
                       ShapeCrossing &crossing);

} // namespace morvane
