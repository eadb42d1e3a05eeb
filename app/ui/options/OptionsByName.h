// Morvane main window, view and interaction.
// The user's options read by their names, as the documents and commands read them.
#pragma once

#include "app/documents/IOptions.h"

class CLarkweft;

/// Reads the options of a CLarkweft (not owned; it must outlive the reader) by key, in any
/// section, the first declared of that key. The values are read at the time of the call.
class OptionsByName : public IOptions
{
public:
    explicit OptionsByName(const CLarkweft &options) : m_options(options) {}

    bool GetBoolOption(const std::string &name) const override;
    int GetIntOption(const std::string &name) const override;
    double GetDoubleOption(const std::string &name) const override;
    std::string GetStringOption(const std::string &name) const override;

private:
    const CLarkweft &m_options;
};
