// Morvane documents and start-up.
// The program's own one-letter command-line options beside the framework's switches.
#pragma once

#include "app/documents/CommandLineInfo.h"

/// The command line of the program: the framework's switches and file name, and four options,
/// each a flag of one letter followed directly by its value, matched without regard to case:
/// "l<mode>" the launch mode, "p<path>" the start path, "r..." the register flag, "g<code>" the
/// language code.
class CMorvaneCommandLineInfo : public CCommandLineInfo
{
public:
    /// Gives every parameter to the framework first, then matches a flag against "l", "p", "r"
    /// and "g" in that order, the first match winning; a flag that matches none is left to the
    /// framework alone. A later option replaces an earlier value.
    void ParseParam(const std::string &param, bool isFlag, bool isLast) override;

    /// True when param begins with prefix, compared without regard to case; value is then the
    /// rest of param as typed, else empty.
    static bool MatchOption(const std::string &prefix, const std::string &param,
                            std::string &value);

    std::string m_sLaunchMode;
    std::string m_sStartPath;
    bool m_bRegister = false;
    std::string m_sLanguageCode;
};
