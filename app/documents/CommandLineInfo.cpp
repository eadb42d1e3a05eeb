// Morvane documents and start-up.
// The command line as the application framework reads it: its switches and the file to open.
#include "app/documents/CommandLineInfo.h"

#include "foundation/NameCompare.h"

#include <filesystem>

void CCommandLineInfo::ParseParam(const std::string &param, bool isFlag, bool isLast)
{
    if (isFlag)
        ParseParamFlag(param);
    else
        ParseParamNotFlag(param);

    if (isLast && m_nShellCommand == FileNew && !m_strFileName.empty())
        m_nShellCommand = FileOpen;
}

void CCommandLineInfo::ParseParamFlag(const std::string &param)
{
    if (morvane::equalsNoCase(param, "pt")) {
        m_nShellCommand = FilePrintTo;
    } else if (morvane::equalsNoCase(param, "p")) {
        m_nShellCommand = FilePrint;
    } else if (morvane::equalsNoCase(param, "Unregister") ||
               morvane::equalsNoCase(param, "Unregserver")) {
        m_nShellCommand = AppUnregister;
    } else if (morvane::equalsNoCase(param, "dde")) {
        m_nShellCommand = FileDDE;
    } else if (morvane::equalsNoCase(param, "Embedding")) {
        m_bRunEmbedded = true;
        m_bShowSplash = false;
    } else if (morvane::equalsNoCase(param, "Automation")) {
        m_bRunAutomated = true;
        m_bShowSplash = false;
    }
}

void CCommandLineInfo::ParseParamNotFlag(const std::string &param)
{
    if (m_strFileName.empty())
        m_strFileName = param;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.empty())
        m_strPrinterName = param;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.empty())
        m_strDriverName = param;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.empty())
        m_strPortName = param;
}

static bool isFlag(const std::string &argument)
{
    if (argument.starts_with('-'))
        return true;
    std::error_code error;
    return argument.starts_with('/') && !std::filesystem::exists(argument, error);
}

void ParseCommandLine(const std::vector<std::string> &arguments, CCommandLineInfo &info)
{
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        const bool flag = isFlag(argument);
        info.ParseParam(flag ? argument.substr(1) : argument, flag, i + 1 == arguments.size());
    }
}
