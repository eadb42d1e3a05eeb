// Morvane grade geometry.
// How an ordinary point follows the two grade points around it into a graded size.
#include "sources/grade-geometry/GradeInterpolation.h"

namespace morvane {

DPOINT interpolateGradedPosition(const DPOINT &a, const DPOINT &b, const DPOINT &gradedA,
                                 const DPOINT &gradedB, const DPOINT &p)
{
    const DPOINT d{b.x - a.x, b.y - a.y};
    const DPOINT e{gradedB.x - gradedA.x, gradedB.y - gradedA.y};
    const double baseSquared = d.x * d.x + d.y * d.y;
    const double gradedSquared = e.x * e.x + e.y * e.y;
    if (baseSquared > 0.0 && gradedSquared > 0.0) {
        const double cosine = (e.x * d.x + e.y * d.y) / baseSquared;
        const double sine = (e.y * d.x - e.x * d.y) / baseSquared;
        const double px = p.x - a.x;
        const double py = p.y - a.y;
        return {gradedA.x + cosine * px - sine * py, gradedA.y + sine * px + cosine * py};
    }
    const double meanX = (gradedA.x - a.x + gradedB.x - b.x) * 0.5;
    const double meanY = (gradedA.y - a.y + gradedB.y - b.y) * 0.5;
    return {p.x + meanX, p.y + meanY};
}

} // namespace morvane
