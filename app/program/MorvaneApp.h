// Morvane program.
// The application: start-up in its fixed order, the idle pass, the exception guard, help, the
// about box, and the exit that frees what the program loaded.
#pragma once

#include "app/documents/CommandTable.h"
#include "app/documents/MorvaneCommandLineInfo.h"
#include "app/documents/RecentFileList.h"
#include "lang/LanguageLibrary.h"

#include <QApplication>

#include <cstdint>
#include <exception>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CDialogUserInterface;
class CMainFrame;
class CMessageBoxPrompt;
class MimeItemClipboard;
class CMorvaneDoc;
class OptionsByName;

namespace morvane::automation {
class AutomationService;
}

QT_BEGIN_NAMESPACE
class QTimer;
QT_END_NAMESPACE

/// The program's QApplication: every event passes its exception guard, and every event that
/// may change what the commands show asks for an idle pass once the queue is empty.
class CMorvaneApplication : public QApplication
{
    Q_OBJECT

public:
    /// Called with what escaped an event handler (null: not a std::exception).
    using ExceptionHandler = std::function<void(const std::exception *)>;

    CMorvaneApplication(int &argc, char **argv);
    ~CMorvaneApplication() override;

    bool notify(QObject *receiver, QEvent *event) override;

    void SetExceptionHandler(ExceptionHandler handler) { m_fnException = std::move(handler); }
    /// What runs in the idle pass.
    void SetIdleHandler(std::function<void()> handler) { m_fnIdle = std::move(handler); }
    /// Asks for an idle pass as soon as the event queue is empty.
    void RequestIdle();

private:
    void RunIdle();

    ExceptionHandler m_fnException;
    std::function<void()> m_fnIdle;
    QTimer *m_pIdleTimer = nullptr;
    bool m_bInIdle = false;
};

/// The one application object. It owns the QApplication, the command line, the language
/// library, the options, the main document and the main window.
///
/// A CMorvaneException that escapes an event handler is reported through the main document
/// (drawing stops, the prompt shows it) and ends the program with exit code 1; another
/// exception is reported and the program goes on.
class CMorvaneApp
{
public:
    /// The launch mode that marks a start by the client program.
    static constexpr const char *kClientProgramName = "Wendrake";
    /// Exit codes: a critical error, or no language library.
    static constexpr int kExitCritical = 1;
    static constexpr int kExitNoLanguage = 2;
    /// Exit codes: the automation service cannot be had on the bus; the register switch
    /// cannot write the activation file.
    static constexpr int kExitNoService = 3;
    static constexpr int kExitNotRegistered = 4;

    CMorvaneApp(int &argc, char **argv);
    ~CMorvaneApp();
    CMorvaneApp(const CMorvaneApp &) = delete;
    CMorvaneApp &operator=(const CMorvaneApp &) = delete;

    /// The program: InitInstance, then the event loop, or ExitInstance when start-up ended
    /// the program. Returns the exit code.
    int Run();

    /// The start-up, in order: the profile's names and recent files, the command line, the
    /// language library. With the automation or embedding switch, the document is then served
    /// on the session bus (its service name printed) and no window shows until a client's run;
    /// the program ends when that client leaves the bus. With the register switch, the user's
    /// activation file is written and the program ends. Otherwise the document and the main
    /// window are made, the window connected to the document, shown, and started on the launch
    /// mode and start path. False when the program is to end now (GetExitCode says how).
    bool InitInstance();
    /// Ends the window and the document, writes the recent files, frees the plug-ins and then
    /// the language library. Returns the exit code.
    int ExitInstance();
    int GetExitCode() const { return m_nExitCode; }

    /// The idle pass: the main window's idle hooks and the update pass of its commands.
    void OnIdle();

    /// 4 when the launch mode names the client program (ignoring case), else 0.
    static int StartModeOf(const std::string &launchMode);

    /// The help page for a help request: command 1 (a command's context help: the low 16 bits
    /// of data name the command) opens its topic's page or the first page; command 11 the
    /// first page; any other opens none.
    std::optional<std::filesystem::path> GetHelpPage(uint32_t data, uint32_t command) const;
    /// Opens the page of the request in the desktop's browser.
    void WinHelp(uint32_t data, uint32_t command);
    /// The folder of the help pages: "help_<code>" beside the program for a language code
    /// whose folder exists, else "help".
    std::filesystem::path GetHelpFolder() const;
    /// Shows the about box.
    void OnAppAbout();

    /// The one application object; null when none exists.
    static CMorvaneApp *GetMorvaneApp();
    CMainFrame *GetMainFrame() const { return m_pFrame.get(); }
    CMorvaneDoc *GetDocument() const { return m_pDocument.get(); }
    CMorvaneApplication &GetApplication() const { return *m_pApplication; }
    const CMorvaneCommandLineInfo &GetCommandLine() const { return m_oCommandLine; }
    CLanguageLibrary &GetLanguageLibrary() { return m_oLanguage; }

private:
    class FrameForTasks;

    bool LoadLanguageLibrary();
    /// Serves the document on the session bus; false when the bus refuses.
    bool StartAutomation();
    /// Writes the user's activation file, or says why it cannot.
    void Register();
    void CreateDocumentAndFrame();
    void RegisterAppCommands();
    void ProcessShellCommand();
    void OnException(const std::exception *exception);
    void LoadRecentFiles();
    void SaveRecentFiles() const;

    std::unique_ptr<CMorvaneApplication> m_pApplication;
    std::vector<std::string> m_aArguments;
    CMorvaneCommandLineInfo m_oCommandLine;
    CLanguageLibrary m_oLanguage;
    CRecentFileList m_oRecentFiles;
    std::unique_ptr<OptionsByName> m_pOptions;
    std::unique_ptr<CMessageBoxPrompt> m_pPrompt;
    /// Copies and pastes of mask items go through the system clipboard.
    std::unique_ptr<MimeItemClipboard> m_pItemClipboard;
    /// Declared before the document, whose masks use it to their end.
    std::unique_ptr<FrameForTasks> m_pFrameForTasks;
    std::unique_ptr<CMorvaneDoc> m_pDocument;
    std::unique_ptr<CMainFrame> m_pFrame;
    std::unique_ptr<CDialogUserInterface> m_pUserInterface;
    std::unique_ptr<morvane::automation::AutomationService> m_pAutomation;
    /// The about box and help, asked after the window's own commands.
    CCommandTable m_oAppCommands;
    int m_nExitCode = 0;
};
