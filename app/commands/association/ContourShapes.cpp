// Morvane editing commands: pattern association.
// Contours as polygon shapes for the comparison of contour sets.
#include "app/commands/association/ContourShapes.h"

#include "app/extras/GeometryExtras.h"
#include "foundation/CurveShape.h"
#include "model/Contour.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"

namespace {

/// The angle values of a vertex at which the outline runs on nearly straight.
constexpr double kNearlyStraightFrom = 2.35619449019235;
constexpr double kNearlyStraightTo = 3.1415926535898;

} // namespace

std::vector<DPOINT> OutlineAsDrawn(const CContour &contour, std::vector<int> *pointIndexes)
{
    std::vector<DPOINT> points;
    contour.GetOutContour(&points, pointIndexes, nullptr, nullptr, true, false, false);
    const CPattern *pattern = contour.GetPattern();
    if (pattern == nullptr || !pattern->GetPatternLocation()->IsFlipped())
        return points;
    for (DPOINT &point : points)
        point.x = -point.x;
    return points;
}

std::vector<std::unique_ptr<CCurveShape>>
MakeContourShapes(const CPtrCollection<CContour> &contours, bool simplify, bool asDrawn)
{
    std::vector<std::unique_ptr<CCurveShape>> shapes;
    for (const CContour *contour : contours) {
        std::vector<DPOINT> points;
        if (asDrawn)
            points = OutlineAsDrawn(*contour, nullptr);
        else
            contour->GetOutContour(&points, static_cast<std::vector<int> *>(nullptr), nullptr,
                                   nullptr, true, false, false);
        auto shape = std::make_unique<CCurveShape>();
        shape->SetPoints(points);
        if (simplify)
            SimplifyShape(*shape);
        shapes.push_back(std::move(shape));
    }
    return shapes;
}

void SimplifyShape(CCurveShape &shape)
{
    for (int i = FindSegmentInRange(shape, kNearlyStraightFrom, kNearlyStraightTo); i >= 0;
         i = FindSegmentInRange(shape, kNearlyStraightFrom, kNearlyStraightTo))
        shape.RemoveVertex(i);
}
