// Morvane documents and start-up.
// The program's own one-letter command-line options beside the framework's switches.
#include "app/documents/MorvaneCommandLineInfo.h"

#include "foundation/NameCompare.h"

void CMorvaneCommandLineInfo::ParseParam(const std::string &param, bool isFlag, bool isLast)
{
    CCommandLineInfo::ParseParam(param, isFlag, isLast);
    if (!isFlag)
        return;

    std::string value;
    if (MatchOption("l", param, value))
        m_sLaunchMode = value;
    else if (MatchOption("p", param, value))
        m_sStartPath = value;
    else if (MatchOption("r", param, value))
        m_bRegister = true;
    else if (MatchOption("g", param, value))
        m_sLanguageCode = value;
}

bool CMorvaneCommandLineInfo::MatchOption(const std::string &prefix, const std::string &param,
                                          std::string &value)
{
    value.clear();
    if (!morvane::toLowerAscii(param).starts_with(morvane::toLowerAscii(prefix)))
        return false;
    value = param.substr(prefix.size());
    return true;
}
