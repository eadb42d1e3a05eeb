// Morvane program grading.
// One notification per grading pass for the writes to a pattern's points.
#include "app/grading/GradingWrites.h"

#include "model/InputPattern.h"

PatternGradingChange::PatternGradingChange(CInputPattern &pattern)
    : m_pattern(pattern)
{
    m_pattern.OnGradingChange(false);
}

PatternGradingChange::~PatternGradingChange()
{
    m_pattern.OnGradingChange(true);
}
