// Morvane model library tests.
// Grade regions drawn from a few numbers, alone or placed on a mask.
#include "RegionFixtures.h"

#include <numbers>

namespace testmodel {

const RegionShape kHalfPlaneShape{{0, 0}, 0.0, {}, {}, {}};

RegionShape boxShape(double minX, double minY, double maxX, double maxY)
{
    const double middle = (minX + maxX) / 2.0;
    const double halfWidth = (maxX - minX) / 2.0;
    return {{middle, minY}, std::numbers::pi / 2, -halfWidth, halfWidth, maxY - minY};
}

void shapeRegion(CGradeRegion &region, const RegionShape &shape)
{
    region.SetPosition(shape.position);
    region.SetDirection(shape.direction, true);
    region.SetLimLeft90(shape.left.has_value());
    region.SetLeft90(shape.left.value_or(0.0));
    region.SetLimRight90(shape.right.has_value());
    region.SetRight90(shape.right.value_or(0.0));
    region.SetLimMaxHeight(shape.height.has_value());
    region.SetMaxHeight(shape.height.value_or(0.0));
}

CGradeRegion *addRegion(CGradeMask &mask, const RegionShape &shape, REGION_TYPE type)
{
    std::unique_ptr<CGradeRegion> region = mask.MakeRegion();
    shapeRegion(*region, shape);
    region->SetType(type);
    CGradeRegion *added = region.get();
    mask.InsertGradeRegionAt(mask.GetGradeRegionCount(), std::move(region));
    return added;
}

} // namespace testmodel
