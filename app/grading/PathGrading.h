// Morvane program grading.
// A drag of one point of a grade path spread over the whole path, in one size.
#pragma once

#include "foundation/DPoint.h"
#include "sources/grade-model/GradeSize.h"

#include <vector>

class CBasePoint;

/// One entry of a grade path: where it lies on the mask and the point it stands for (null for
/// a place of the path that is no grade point).
struct PathEntry
{
    CBasePoint *point = nullptr;
    DPOINT position;
};

/// The offset of every position when the one at pivot moves by drag and both ends stay: the
/// positions before the pivot follow the similarity that keeps the first end and moves the pivot
/// by drag, those after it the one that moves the pivot and keeps the last end. Fewer than two
/// positions give all offsets (0, 0).
std::vector<DPOINT> ComputePathOffsets(const std::vector<DPOINT> &positions, int pivot,
                                       DPOINT drag);

/// Adds each entry's offset (ComputePathOffsets) to the grading of its point in size, given on
/// the mask; entries without a point only shape the path. The caller keeps 0 < pivot <
/// count - 1. Applying the same drag twice adds it twice.
void ApplyPathGrading(const std::vector<PathEntry> &path, int pivot, double dx, double dy,
                      GradeSize size);
