// Morvane program documents.
// The program's options as the documents read them.
#pragma once

#include <string>

/// The user's options (kept in "MORVANE.INI"), read by name at the time of use. An option that
/// is not declared reads as false, 0 or empty.
class IOptions
{
public:
    virtual ~IOptions() = default;

    virtual bool GetBoolOption(const std::string &name) const = 0;
    virtual int GetIntOption(const std::string &name) const = 0;
    virtual double GetDoubleOption(const std::string &name) const = 0;
    virtual std::string GetStringOption(const std::string &name) const = 0;
};
