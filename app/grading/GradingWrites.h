// Morvane program grading.
// One notification per grading pass for the writes to a pattern's points.
#pragma once

class CInputPattern;

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
