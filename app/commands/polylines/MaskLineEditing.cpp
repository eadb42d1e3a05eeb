// Morvane editing commands.
// What the line and point editing commands share: the pattern a point or line is edited on,
// and their constants.
#include "app/commands/polylines/MaskLineEditing.h"

#include "model/BasePoint.h"
#include "model/Pattern.h"
#include "model/Polyline.h"

namespace morvane {

CPattern *maskPatternOf(const CBasePoint *point)
{
    CPattern *pattern = point != nullptr ? point->GetParent() : nullptr;
    if (pattern == nullptr || pattern->GetMaskPattern() == nullptr ||
        pattern->FindBasePoint(point) < 0)
        return nullptr;
    return pattern;
}

CPattern *maskPatternOf(const CPolyline *line)
{
    CPattern *pattern = line != nullptr ? line->GetOwner() : nullptr;
    if (pattern == nullptr || pattern->GetMaskPattern() == nullptr ||
        pattern->FindPolyline(line) < 0)
        return nullptr;
    return pattern;
}

} // namespace morvane
