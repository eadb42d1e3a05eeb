// Morvane model library.
// The document's collection of input patterns, as the program and the grade masks use it.
#pragma once

#include "sources/grade-model/IGradePattern.h"

class CEventHandler;
class CInputPattern;
class CPattern;
class IInputPattern;
class IPatternLocation;

namespace morvane {
class InputPatternMask;
}

/// The input patterns of a document: one pattern per pattern of the loaded grade model, shown on
/// the current grade mask. The program adds the source's patterns, then calls Update.
class IInputPatterns
{
public:
    /// Deletes the patterns.
    virtual ~IInputPatterns() = default;

    /// Refreshes every pattern after additions, as one bulk change with events locked: each
    /// pattern's origin moves to the centre of its grade points, the points of all patterns are
    /// numbered with shared counters, and every pattern builds its contours.
    virtual void Update() = 0;
    /// Makes an input pattern from the source pattern and appends it (events locked); returns its
    /// index, or -1 for a null pattern. A critical error of the source ends the call with its
    /// CMorvaneException and leaves the collection as it was.
    virtual int AddPattern(IGradePattern *pattern) = 0;
    /// Removes and deletes pattern i; nothing for an index out of range.
    virtual void RemovePatternAt(int i) = 0;
    virtual int GetPatternCount() const = 0;
    /// Pattern i (unchecked).
    virtual CInputPattern *GetPatternAt(int i) const = 0;
    /// Removes and deletes every pattern, from the last to the first.
    virtual void RemoveAll() = 0;
    /// The number of patterns flagged on their location (IInputPattern::IsFlagged).
    virtual int GetFlaggedPatternCount() const = 0;
    /// The grade mask the patterns are shown on; null when none.
    virtual morvane::InputPatternMask *GetGradeMask() const = 0;
    /// When the mask changes: stores it, then InvalidateAll, since the patterns' locations now
    /// come from that mask. Null detaches the patterns from any mask.
    virtual void SetGradeMask(morvane::InputPatternMask *mask) = 0;
    virtual CEventHandler *GetEventHandler() = 0;
    /// The first pattern made from the source pattern; null when none.
    virtual IInputPattern *FindInputPattern(const IGradePattern *pattern) const = 0;
    /// Builds the contours of every pattern.
    virtual void BuildContours() = 0;
    /// The grade mask's location for the pattern; null without a grade mask.
    virtual IPatternLocation *GetInputPatternLocation(CPattern *pattern) = 0;
    /// Drops every pattern's cached extent and contour data.
    virtual void InvalidateAll() = 0;
};
