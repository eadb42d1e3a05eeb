// Morvane program grading.
// One point's grading read and written during a grading pass, in its pattern's frame or the mask's.
#pragma once

#include "foundation/DPoint.h"
#include "sources/grade-model/GradeSize.h"

class CBasePoint;
class CInputPoint;

/// The grading of one point during a pass: increments from the base size, in the pattern's own
/// frame or turned onto the mask by the pattern's placement (the flip, then the rotation). The
/// base position and the placement are read once, when made, so a pass over many sizes asks the
/// grade model only for the sizes themselves: a size written is never the base size. The pattern
/// is not told (see PatternGradingChange). A point that is no input point reads as ungraded and
/// takes no writes.
class PointGrading
{
public:
    explicit PointGrading(CBasePoint *point);

    /// The increment of size in the pattern's own frame; (0, 0) for the base size.
    DPOINT GetOwn(GradeSize size) const;
    /// GetOwn turned onto the mask.
    DPOINT GetOnMask(GradeSize size) const;
    /// Sets the increment of size, given in the pattern's own frame.
    void SetOwn(GradeSize size, DPOINT increment);
    /// Sets the increment of size, given on the mask: turned back by the placement (rotation,
    /// then the flip).
    void SetOnMask(GradeSize size, DPOINT increment);

private:
    CInputPoint *m_pInput = nullptr;
    DPOINT m_oBase{};
    /// Whether the point lies on a pattern whose placement turns it.
    bool m_bPlaced = false;
    bool m_bFlipped = false;
    /// The cosine and sine of the placement's angle, and of the angle turned back.
    double m_dCos = 1;
    double m_dSin = 0;
};
