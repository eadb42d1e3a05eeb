// Morvane model library tests.
// Grade regions drawn from a few numbers, alone or placed on a mask.
#pragma once

#include "model/GradeMask.h"
#include "model/GradeRegion.h"

#include <optional>

namespace testmodel {

/// A region: position, direction in radians, and the limited offsets and height (a side
/// without a value is unlimited).
struct RegionShape
{
    DPOINT position;
    double direction = 0.0;
    std::optional<double> left;
    std::optional<double> right;
    std::optional<double> height;
};

/// The half plane x >= 0: no limit, extending along +x from the base line through (0, 0).
extern const RegionShape kHalfPlaneShape;

/// The closed region x in [minX, maxX], y in [minY, maxY], extending upwards from its base.
RegionShape boxShape(double minX, double minY, double maxX, double maxY);

/// Gives the region that shape, through its setters.
void shapeRegion(CGradeRegion &region, const RegionShape &shape);

/// A new region of that shape and kind, inserted at the end of the mask; returns it.
CGradeRegion *addRegion(CGradeMask &mask, const RegionShape &shape, REGION_TYPE type);

} // namespace testmodel
