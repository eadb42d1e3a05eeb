// Morvane model library.
// The grade mask as the input patterns see it: their locations on it and its patterns.
#pragma once

class CPattern;
class IPatternLocation;

namespace morvane {

/// What the input patterns ask of the grade mask they are shown on. The grade mask implements
/// it (its own operations of these names); the input patterns hold it, never own it.
class InputPatternMask
{
public:
    virtual ~InputPatternMask() = default;

    /// The mask's location for the input pattern, made on first request and kept by the mask.
    virtual IPatternLocation *GetInputPatternLocation(CPattern *inputPattern) = 0;
    /// The number of patterns placed on the mask.
    virtual int GetPatternCount() const = 0;
    /// Placed pattern i, in mask order (unchecked).
    virtual CPattern *GetPatternAt(int i) const = 0;
};

} // namespace morvane
