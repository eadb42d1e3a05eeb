// Morvane program interaction test support.
// Small square pieces of known geometry placed on a mask.
#include "app/interaction/testing/SquarePiece.h"

#include "model/GradeMask.h"
#include "model/MaskPattern.h"
#include "model/MaskPolyline.h"

namespace testinteraction {

CPolyline *addLine(CMaskPattern &pattern, std::initializer_list<int> points, int lineType)
{
    CPtrCollection<CBasePoint> linePoints;
    for (const int i : points)
        linePoints.Add(pattern.GetBasePointAt(i));
    return pattern.InsertNewPolyline(-1, GRADE_LINE_TYPE{lineType}, linePoints);
}

CMaskPattern *placeSquare(CGradeMask &mask, const std::string &name, DPOINT origin,
                          int lineType)
{
    std::unique_ptr<CMaskPattern> pattern = mask.MakePattern();
    pattern->SetPatternName(name);
    pattern->AddPoint({0, 0}, GRADE_POINT_GRADE);
    pattern->AddPoint({40, 0}, GRADE_POINT_GRADE);
    pattern->AddPoint({40, 40}, GRADE_POINT_GRADE);
    pattern->AddPoint({0, 40}, GRADE_POINT_GRADE);
    pattern->AddPoint({20, 0}, GRADE_POINT_INTERMEDIATE);
    addLine(*pattern, {0, 4, 1}, lineType);
    addLine(*pattern, {1, 2, 3, 0}, lineType);
    pattern->BuildContours();
    pattern->SetPatternPosition(origin.x, origin.y);
    CMaskPattern *placed = pattern.get();
    mask.InsertPatternAt(mask.GetPatternCount(), std::move(pattern));
    return placed;
}

} // namespace testinteraction
