// Morvane program grading.
// A drag of one point of a grade path spread over the whole path, in one size.
#include "app/grading/PathGrading.h"

#include "app/extras/GeometryExtras.h"
#include "model/BasePoint.h"
#include "model/InputPoint.h"

std::vector<DPOINT> ComputePathOffsets(const std::vector<DPOINT> &positions, int pivot, DPOINT drag)
{
    std::vector<DPOINT> offsets(positions.size());
    if (positions.size() < 2)
        return offsets;
    const DPOINT first = positions.front();
    const DPOINT moved = positions[static_cast<std::size_t>(pivot)];
    const DPOINT last = positions.back();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const int index = static_cast<int>(i);
        if (index == pivot) {
            offsets[i] = drag;
            continue;
        }
        const DPOINT placed = index < pivot
                                  ? TransformBySegments(positions[i], first, moved, {}, drag)
                                  : TransformBySegments(positions[i], moved, last, drag, {});
        offsets[i] = {placed.x - positions[i].x, placed.y - positions[i].y};
    }
    return offsets;
}

void ApplyPathGrading(const std::vector<PathEntry> &path, int pivot, double dx, double dy,
                      GradeSize size)
{
    std::vector<DPOINT> positions;
    for (const PathEntry &entry : path)
        positions.push_back(entry.position);
    const std::vector<DPOINT> offsets = ComputePathOffsets(positions, pivot, {dx, dy});
    for (std::size_t i = 0; i < path.size(); ++i) {
        IInputPoint *input = path[i].point != nullptr ? path[i].point->GetInputPoint() : nullptr;
        if (input != nullptr)
            input->MoveGradePointAbs(size, offsets[i].x, offsets[i].y);
    }
}
