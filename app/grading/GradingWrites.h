// Morvane program grading.
// Writing the grading of input points during a grading pass, with one notification per pass.
#pragma once

#include "foundation/DPoint.h"
#include "sources/grade-model/GradeSize.h"

class CBasePoint;
class CInputPattern;

/// Sets the grading of an input point in size to increment, given in the pattern's own frame.
/// The pattern is not told (see PatternGradingChange); nothing for a point that is no input
/// point.
void setOwnGrading(CBasePoint *point, GradeSize size, DPOINT increment);

/// setOwnGrading with the increment given on the mask: turned back by the pattern's placement
/// (rotation, then the flip).
void setGradingOnMask(CBasePoint *point, GradeSize size, DPOINT increment);

/// Tells the pattern that the grading of its points changes for its lifetime: the before-change
/// notification at the start, the shapes dropped and the after-change notification at the end,
/// once for every point written in between.
class PatternGradingChange
{
public:
    explicit PatternGradingChange(CInputPattern &pattern);
    ~PatternGradingChange();
    PatternGradingChange(const PatternGradingChange &) = delete;
    PatternGradingChange &operator=(const PatternGradingChange &) = delete;

private:
    CInputPattern &m_pattern;
};
