// Morvane model library.
// A grade path that a relative formula grades along, with whether its ends are graded elsewhere.
#pragma once

class IGradePath;

/// One path of a relative formula: the path and two flags saying whether other formulas grade
/// its first and its last point (read, set, and recomputed from the mask's formulas).
class IGradePathSource
{
public:
    virtual ~IGradePathSource() = default;

    /// The path; null when there is none.
    virtual IGradePath *GetGradePath() const = 0;
    virtual bool GetStartGraded() const = 0;
    virtual bool GetEndGraded() const = 0;
    virtual void SetStartGraded(bool graded) = 0;
    virtual void SetEndGraded(bool graded) = 0;
    virtual void UpdateStartGraded() = 0;
    virtual void UpdateEndGraded() = 0;
};
