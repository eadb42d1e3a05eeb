// Morvane program.
// The application: start-up in its fixed order, the idle pass, the exception guard, help, the
// about box, and the exit that frees what the program loaded.
#include "app/program/MorvaneApp.h"

#include "app/automation/ActivationFile.h"
#include "app/automation/AutomationService.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/ProgramLibraries.h"
#include "app/program/AboutDlg.h"
#include "app/program/DialogUserInterface.h"
#include "app/program/MessageBoxPrompt.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "app/ui/main/CommandActions.h"
#include "app/ui/main/MainFrame.h"
#include "app/ui/options/Options.h"
#include "app/ui/options/OptionsByName.h"
#include "app/ui/view/MimeItemClipboard.h"
#include "app/ui/view/MorvaneView.h"
#include "foundation/NameCompare.h"
#include "model/MorvaneException.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <QUrl>

#include <iostream>
#include <unordered_map>

namespace {

CMorvaneApp *g_pApp = nullptr;

constexpr uint32_t kAboutCommand = 57664;
constexpr uint32_t kHelpCommand = 57667;
constexpr uint32_t kHelpContext = 1;
constexpr uint32_t kHelpContents = 11;
constexpr const char *kRecentFilesGroup = "Recent File List";

/// Command ids to help topics: edit-copy and edit-paste lead to topic 51.
const std::unordered_map<uint16_t, int> kHelpTopics = {{57634, 51}, {57637, 51}};

/// Events after which nothing a command shows can have changed: drawing, layout and timers.
bool LeavesCommandsAsTheyWere(QEvent::Type type)
{
    switch (type) {
    case QEvent::Timer:
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
    case QEvent::LayoutRequest:
    case QEvent::Polish:
    case QEvent::PolishRequest:
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:
    case QEvent::ChildRemoved:
    case QEvent::DeferredDelete:
        return true;
    default:
        return false;
    }
}

/// The running program's file; empty when it cannot be found.
std::filesystem::path programFile()
{
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

std::filesystem::path programFolder()
{
    const std::filesystem::path program = programFile();
    return program.empty() ? std::filesystem::current_path() : program.parent_path();
}

} // namespace

/// What the masks' tools ask of the main window: the context menu and the view's mouse
/// capture. The masks may outlive the window; then nothing shows and nothing is released.
class CMorvaneApp::FrameForTasks : public IMenuPresenter, public IMouseCapture
{
public:
    explicit FrameForTasks(const std::unique_ptr<CMainFrame> &frame) : m_rFrame(frame) {}

    bool ShowPopupMenu(uint32_t menuId, int32_t x, int32_t y) override
    {
        return m_rFrame && m_rFrame->ShowPopupMenu(menuId, x, y);
    }
    void ReleaseCapture() override
    {
        if (m_rFrame)
            m_rFrame->GetView()->ReleaseCapture();
    }

private:
    const std::unique_ptr<CMainFrame> &m_rFrame;
};

CMorvaneApplication::CMorvaneApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    // Made once every member is set: its making already passes through notify.
    m_pIdleTimer = new QTimer(this);
    m_pIdleTimer->setSingleShot(true);
    m_pIdleTimer->setInterval(0);
    connect(m_pIdleTimer, &QTimer::timeout, this, &CMorvaneApplication::RunIdle);
}

CMorvaneApplication::~CMorvaneApplication() = default;

bool CMorvaneApplication::notify(QObject *receiver, QEvent *event)
{
    if (!m_bInIdle && !LeavesCommandsAsTheyWere(event->type()))
        RequestIdle();
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &exception) {
        if (m_fnException)
            m_fnException(&exception);
    } catch (...) {
        if (m_fnException)
            m_fnException(nullptr);
    }
    return false;
}

void CMorvaneApplication::RequestIdle()
{
    if (m_pIdleTimer && !m_pIdleTimer->isActive())
        m_pIdleTimer->start();
}

void CMorvaneApplication::RunIdle()
{
    if (!m_fnIdle)
        return;
    m_bInIdle = true;
    try {
        m_fnIdle();
    } catch (...) {
        m_bInIdle = false;
        throw;
    }
    m_bInIdle = false;
}

CMorvaneApp::CMorvaneApp(int &argc, char **argv)
    : m_pApplication(std::make_unique<CMorvaneApplication>(argc, argv))
{
    // The program's name first, as the command line's reading expects it.
    for (int i = 0; i < argc; ++i)
        m_aArguments.emplace_back(argv[i]);
    m_pApplication->SetExceptionHandler(
        [this](const std::exception *exception) { OnException(exception); });
    m_pApplication->SetIdleHandler([this] { OnIdle(); });
    g_pApp = this;
}

CMorvaneApp::~CMorvaneApp()
{
    m_pAutomation.reset();
    m_pFrame.reset();
    m_pDocument.reset();
    if (m_pItemClipboard)
        morvane::installItemClipboard(nullptr);
    if (g_pApp == this)
        g_pApp = nullptr;
}

CMorvaneApp *CMorvaneApp::GetMorvaneApp()
{
    return g_pApp;
}

int CMorvaneApp::Run()
{
    try {
        if (InitInstance()) {
            const int code = m_pApplication->exec();
            if (m_nExitCode == 0)
                m_nExitCode = code;
        }
    } catch (const std::exception &exception) {
        OnException(&exception);
        m_nExitCode = kExitCritical;
    } catch (...) {
        OnException(nullptr);
        m_nExitCode = kExitCritical;
    }
    return ExitInstance();
}

bool CMorvaneApp::InitInstance()
{
    QCoreApplication::setOrganizationName("Morvane");
    QCoreApplication::setApplicationName("Morvane");
    LoadRecentFiles();
    ParseCommandLine(m_aArguments, m_oCommandLine);
    m_pItemClipboard = std::make_unique<MimeItemClipboard>();
    morvane::installItemClipboard(m_pItemClipboard.get());
    if (!LoadLanguageLibrary()) {
        m_nExitCode = kExitNoLanguage;
        return false;
    }
    if (m_oCommandLine.m_bRunEmbedded || m_oCommandLine.m_bRunAutomated)
        return StartAutomation();
    if (m_oCommandLine.m_bRegister) {
        Register();
        return false;
    }
    CreateDocumentAndFrame();
    ProcessShellCommand();
    m_pFrame->ConnectDocument();
    m_pFrame->show();
    m_pFrame->InitSession(StartModeOf(m_oCommandLine.m_sLaunchMode),
                          m_oCommandLine.m_sStartPath);
    return true;
}

bool CMorvaneApp::LoadLanguageLibrary()
{
    if (m_oLanguage.LoadLanguageLibrary(m_oCommandLine.m_sLanguageCode))
        return true;
    // No language library: the message is the program's own. Without a screen (the offscreen
    // platform) nobody could close a message box.
    std::cerr << CLanguageLibrary::kLoadFailedMessage << "\n" << m_oLanguage.GetFailureReason();
    if (CMessageBoxPrompt::HasScreen())
        QMessageBox::critical(nullptr, "Morvane", CLanguageLibrary::kLoadFailedMessage);
    return false;
}

bool CMorvaneApp::StartAutomation()
{
    CreateDocumentAndFrame();
    m_pDocument->OnNewDocument();
    CMorvaneDoc *document = m_pDocument.get();
    m_pAutomation = std::make_unique<morvane::automation::AutomationService>(
        document->GetAutomation(),
        [document](const CMorvaneException *exception) {
            document->OnUnhandledException(exception);
        },
        QDBusConnection::sessionBus());
    if (!m_pAutomation->Start()) {
        std::cerr << "morvane: " << m_pAutomation->ErrorText().toStdString() << "\n";
        m_nExitCode = kExitNoService;
        return false;
    }
    m_pAutomation->SetOnClientLeft([] { QCoreApplication::quit(); });
    std::cout << m_pAutomation->ServiceName().toStdString() << std::endl;
    return true;
}

void CMorvaneApp::Register()
{
    std::string error;
    if (morvane::automation::writeActivationFile(programFile(), error)) {
        std::cout << "morvane: registered " << morvane::automation::activationFilePath().string()
                  << "\n";
        return;
    }
    std::cerr << "morvane: " << error << "\n";
    m_nExitCode = kExitNotRegistered;
}

void CMorvaneApp::CreateDocumentAndFrame()
{
    COptions *options = COptions::GetInstance();
    m_pOptions = std::make_unique<OptionsByName>(*options);
    m_pPrompt = std::make_unique<CMessageBoxPrompt>();
    m_pDocument = std::make_unique<CMorvaneDoc>(*m_pOptions, *m_pPrompt, &m_oRecentFiles);
    options->SetEventHandler(&m_pDocument->GetEventHandler());
    m_pFrame = std::make_unique<CMainFrame>(*m_pDocument, *m_pPrompt);
    m_pFrameForTasks = std::make_unique<FrameForTasks>(m_pFrame);
    FrameForTasks *frame = m_pFrameForTasks.get();
    m_pDocument->GetMaskDocs()->SetTaskManagerFactory([frame] {
        auto tasks = std::make_unique<CMaskTaskManager>();
        tasks->SetMenuPresenter(frame);
        tasks->SetMouseCapture(frame);
        return tasks;
    });
    m_pUserInterface = std::make_unique<CDialogUserInterface>(m_pFrame.get());
    m_pDocument->SetUserInterface(m_pUserInterface.get());
    m_pDocument->SetMainWindow(m_pFrame.get());
    CMorvaneDoc *document = m_pDocument.get();
    m_pFrame->AddIdleHook([document] { document->OnIdle(); });
    RegisterAppCommands();
}

void CMorvaneApp::RegisterAppCommands()
{
    m_oAppCommands.Add(kAboutCommand, [this] { OnAppAbout(); });
    m_oAppCommands.Add(kHelpCommand, [this] { WinHelp(0, kHelpContents); });
    m_pFrame->GetCommandActions().AddTarget(&m_oAppCommands);
}

void CMorvaneApp::ProcessShellCommand()
{
    if (!m_oCommandLine.m_strFileName.empty())
        std::cerr << "morvane: " << m_oCommandLine.m_strFileName
                  << " is not opened; start with -p<folder> to open a folder's workspace\n";
    m_pDocument->OnNewDocument();
}

int CMorvaneApp::ExitInstance()
{
    m_pAutomation.reset();
    if (m_pDocument)
        m_pDocument->SetUserInterface(nullptr);
    m_pFrame.reset();
    m_pUserInterface.reset();
    m_pDocument.reset();
    m_pPrompt.reset();
    m_pOptions.reset();
    COptions::DeleteInstance();
    SaveRecentFiles();
    FreeProgramLibraries(m_oLanguage);
    return m_nExitCode;
}

void CMorvaneApp::OnIdle()
{
    if (m_pFrame)
        m_pFrame->OnIdleHooks();
}

void CMorvaneApp::OnException(const std::exception *exception)
{
    const auto *critical = dynamic_cast<const CMorvaneException *>(exception);
    if (exception && !critical) {
        if (m_pPrompt)
            m_pPrompt->ReportProblem(exception->what());
        else
            std::cerr << "morvane: " << exception->what() << "\n";
        return;
    }
    if (m_pFrame)
        m_pFrame->ReportException(exception);
    else
        std::cerr << "morvane: " << (exception ? exception->what() : "critical error") << "\n";
    m_nExitCode = kExitCritical;
    m_pApplication->exit(kExitCritical);
}

int CMorvaneApp::StartModeOf(const std::string &launchMode)
{
    return morvane::equalsNoCase(launchMode, kClientProgramName) ? 4 : 0;
}

std::filesystem::path CMorvaneApp::GetHelpFolder() const
{
    const std::filesystem::path folder = programFolder();
    const std::string &code = m_oCommandLine.m_sLanguageCode;
    if (!code.empty() && std::filesystem::is_directory(folder / ("help_" + code)))
        return folder / ("help_" + code);
    return folder / "help";
}

std::optional<std::filesystem::path> CMorvaneApp::GetHelpPage(uint32_t data,
                                                              uint32_t command) const
{
    if (command == kHelpContents)
        return GetHelpFolder() / "index.html";
    if (command != kHelpContext)
        return std::nullopt;
    const auto topic = kHelpTopics.find(static_cast<uint16_t>(data & 0xFFFF));
    if (topic == kHelpTopics.end())
        return GetHelpFolder() / "index.html";
    return GetHelpFolder() / ("topic-" + std::to_string(topic->second) + ".html");
}

void CMorvaneApp::WinHelp(uint32_t data, uint32_t command)
{
    if (const auto page = GetHelpPage(data, command))
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(page->string())));
}

void CMorvaneApp::OnAppAbout()
{
    CAboutDlg dialog(m_pFrame.get());
    dialog.exec();
}

void CMorvaneApp::LoadRecentFiles()
{
    QSettings profile;
    profile.beginGroup(kRecentFilesGroup);
    for (int i = m_oRecentFiles.GetMaxSize(); i >= 1; --i) {
        const QString path = profile.value(QString("File%1").arg(i)).toString();
        if (!path.isEmpty())
            m_oRecentFiles.Add(path.toStdString());
    }
}

void CMorvaneApp::SaveRecentFiles() const
{
    QSettings profile;
    profile.remove(kRecentFilesGroup);
    profile.beginGroup(kRecentFilesGroup);
    const auto &entries = m_oRecentFiles.GetEntries();
    for (size_t i = 0; i < entries.size(); ++i)
        profile.setValue(QString("File%1").arg(i + 1), QString::fromStdString(entries[i].string()));
}
