// Morvane documents and start-up.
// The command line as the application framework reads it: its switches and the file to open.
#pragma once

#include <string>
#include <vector>

/// The framework's reading of the command line: the embedding and automation switches, the
/// shell command with its file name and, for printing, the printer. Subclasses add options of
/// their own by overriding ParseParam.
class CCommandLineInfo
{
public:
    enum ShellCommand { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister };

    virtual ~CCommandLineInfo() = default;

    /// Reads one parameter. A flag (isFlag) comes without its leading "-" or "/": "Embedding"
    /// and "Automation" set their switches, "p" asks to print the file, "pt" to print it to the
    /// printer named by the next parameters, "dde" waits for a shell request, "Unregister" and
    /// "Unregserver" remove the program's registration (all without regard to case). The first
    /// other parameter is the file name, the following ones the printer, driver and port of
    /// "pt". After the last parameter (isLast) a file name turns "new" into "open".
    virtual void ParseParam(const std::string &param, bool isFlag, bool isLast);

    bool m_bShowSplash = true;
    bool m_bRunEmbedded = false;
    bool m_bRunAutomated = false;
    ShellCommand m_nShellCommand = FileNew;
    std::string m_strFileName;
    std::string m_strPrinterName;
    std::string m_strDriverName;
    std::string m_strPortName;

private:
    void ParseParamFlag(const std::string &param);
    void ParseParamNotFlag(const std::string &param);
};

/// Passes each argument after the program name to info.ParseParam. An argument is a flag when
/// it starts with "-", or with "/" unless it names an existing file or folder (so that a path
/// such as "/home/a.msk" stays a file name); the flag's text follows that first character.
void ParseCommandLine(const std::vector<std::string> &arguments, CCommandLineInfo &info);
