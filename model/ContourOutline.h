// Morvane model library.
// The outline of a contour: its lines trimmed where they meet and joined, with base points.
#pragma once

#include "model/ContourData.h"

#include <span>

class CPolyline;
class IGradeSize;

namespace morvane {

/// A line of a contour as the outline reads it.
struct OutlineLine
{
    const CPolyline *polyline;
    bool backward;
};

/// Builds the outline of a contour's lines for a size (null: the base size).
///
/// Trimming: each line's shape (absolute; withSliders: with its own slider points inserted) is
/// cut where its exit end meets the next line's entry end (findJointCrossing; a backward line
/// enters at its last point; a closed contour also joins its last line to its first). A line
/// whose shape is empty takes no part. The ends of an open contour are turned to the side their
/// neighbours leave them.
///
/// Joining: each line adds its start point (the previous line's exit), the shape points in
/// between, in the direction the trimming gives, and its exit point; a shape point within 0.5
/// of the exit point gives way to it, so that lines meet at their meeting point. The line's
/// grade points
/// (and withSliders its slider points) are attached to the nearest of those within 0.5 that has
/// none yet; with attachAtEnds a point less than 2.0 from the line's first or last entry is
/// attached there first. Entries within 0.5 of the previous position are merged into it. The
/// outline of a closed contour ends with the point that closes it.
ContourData buildContourOutline(std::span<const OutlineLine> lines, bool closed,
                                const IGradeSize *size, bool withSliders, bool attachAtEnds);

} // namespace morvane
