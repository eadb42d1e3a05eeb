// Morvane model library.
// The interface of a formula that measures the length of a grade path.
#pragma once

#include <string>

class IGradePath;

/// A path formula: a measure whose value is the length of a grade path between two points
/// (IBaseFormula::AsPathFormula).
class IPathFormula
{
public:
    virtual ~IPathFormula() = default;

    /// Brings the formula up to date, then returns its path.
    virtual IGradePath *GetPath() = 0;
    /// The path as the user reads it, such as "(P1->P4)".
    virtual std::string GetPathText() = 0;
    virtual bool GetReverse() const = 0;
    /// When the value changes: stores it and marks the formula for recomputation.
    virtual void SetReverse(bool reverse) = 0;
};
