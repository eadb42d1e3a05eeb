// Morvane model library.
// The interface of a formula that publishes a measured value under a variable name.
#pragma once

#include <string>

/// A measure: a formula that publishes a value per size under a variable name, which other
/// formulas use in their parameter texts (IBaseFormula::AsMeasureFormula).
class IMeasureFormula
{
public:
    virtual ~IMeasureFormula() = default;

    virtual std::string GetVarName() const = 0;
    /// Stores the name trimmed and lower-cased; a change sends the change events (property 0).
    virtual void SetVarName(const std::string &name) = 0;
    /// The measured value for the size (table, size); (-1, -1) is the base size.
    virtual double GetValue(int table, int size) = 0;
    /// The formula's check without a reporter.
    virtual bool IsValid() = 0;
    virtual bool IsRuntime() const = 0;
};
