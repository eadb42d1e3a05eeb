// Morvane program tests.
// The application: its start-up, the idle pass, the exception guard, help, the about box, and
// how the program ends.
#include "FileText.h"
#include "ProgramTest.h"
#include "app/automation/ActivationFile.h"
#include "app/documents/MorvaneDoc.h"
#include "app/program/AboutDlg.h"
#include "app/program/MorvaneApp.h"
#include "app/ui/view/MimeItemClipboard.h"
#include "app/ui/main/MainFrame.h"
#include "model/MorvaneException.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

namespace {

TEST_F(ProgramTest, StartsWithItsWindowConnectedToTheDocument)
{
    CMorvaneApp &app = start({});
    ASSERT_TRUE(app.InitInstance());
    ASSERT_NE(app.GetMainFrame(), nullptr);
    EXPECT_TRUE(app.GetMainFrame()->isVisible());
    EXPECT_EQ(app.GetMainFrame()->windowTitle().toStdString(), "Morvane");
    EXPECT_EQ(app.GetDocument()->GetListenerList().GetCount(), 4);
    EXPECT_EQ(CMorvaneApp::GetMorvaneApp(), &app);
}

TEST_F(ProgramTest, CopiedItemsGoToTheSystemClipboardWhileTheProgramRuns)
{
    CMorvaneApp &app = start({});
    ASSERT_TRUE(app.InitInstance());
    morvane::itemClipboard().SetItems("items");
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->data(MimeItemClipboard::kMimeType).toStdString(), "items");
    m_app->ExitInstance();
    m_app.reset();
    EXPECT_FALSE(dynamic_cast<MimeItemClipboard *>(&morvane::itemClipboard()));
}

TEST_F(ProgramTest, ALanguageWithoutItsLibraryFallsBackToEnglishSilently)
{
    CMorvaneApp &app = start({"-gXX"});
    ASSERT_TRUE(app.InitInstance());
    EXPECT_EQ(app.GetLanguageLibrary().GetLoadedFile().filename(), "MorvaneLang.so");
    EXPECT_EQ(app.GetExitCode(), 0);
}

TEST_F(ProgramTest, TheRegisterSwitchWritesTheActivationFileAndEndsWithoutAWindow)
{
    const std::filesystem::path data = m_config / "data";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    CMorvaneApp &app = start({"-r"});
    EXPECT_FALSE(app.InitInstance());
    EXPECT_EQ(app.GetMainFrame(), nullptr);
    EXPECT_EQ(app.GetExitCode(), 0);
    const std::string text = readFileText(morvane::automation::activationFilePath());
    EXPECT_NE(text.find("Exec=" + std::filesystem::read_symlink("/proc/self/exe").string()),
              std::string::npos)
        << text;
    unsetenv("XDG_DATA_HOME");
}

TEST_F(ProgramTest, AnActivationFileThatCannotBeWrittenIsReportedAndEndsWithAnError)
{
    // The data folder is a file: the services folder cannot be made below it.
    const std::filesystem::path data = m_config / "data";
    std::ofstream(data).put('x');
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    CMorvaneApp &again = start({"-r"});
    testing::internal::CaptureStderr();
    EXPECT_FALSE(again.InitInstance());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(again.GetExitCode(), CMorvaneApp::kExitNotRegistered);
    EXPECT_EQ(again.GetMainFrame(), nullptr);
    EXPECT_NE(said.find(data.string()), std::string::npos) << said;
    unsetenv("XDG_DATA_HOME");
}

TEST_F(ProgramTest, TheClientProgramsNameGivesStartMode4)
{
    struct Row
    {
        const char *mode;
        int start;
    };
    for (const Row &row : {Row{"Wendrake", 4}, Row{"WENDRAKE", 4}, Row{"", 0}, Row{"other", 0}}) {
        SCOPED_TRACE(row.mode);
        EXPECT_EQ(CMorvaneApp::StartModeOf(row.mode), row.start);
    }
}

TEST_F(ProgramTest, HelpRequestsOpenTheirTopicsPage)
{
    CMorvaneApp &app = start({});
    struct Row
    {
        uint32_t data;
        uint32_t command;
        std::optional<std::string> page;
    };
    const Row rows[] = {
        {57634, 1, "topic-51.html"},  {0x1E000 + 57637 - 0xE000, 1, "topic-51.html"},
        {57600, 1, "index.html"},     {0, 11, "index.html"},
        {57634, 2, std::nullopt},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.data);
        const auto page = app.GetHelpPage(row.data, row.command);
        ASSERT_EQ(page.has_value(), row.page.has_value());
        if (page) {
            EXPECT_EQ(page->filename(), *row.page);
            EXPECT_TRUE(std::filesystem::exists(*page)) << *page;
        }
    }
}

TEST_F(ProgramTest, TheAboutBoxShowsTheVersion)
{
    CMorvaneApp &app = start({});
    ASSERT_TRUE(app.InitInstance());
    CAboutDlg about;
    EXPECT_EQ(about.windowTitle().toStdString(), "About Morvane");
    EXPECT_TRUE(about.GetVersionText().startsWith("Morvane, version "));
    EXPECT_FALSE(about.GetVersionText().endsWith("version "));
}

TEST_F(ProgramTest, AnEventRunsOneIdlePassOnceTheQueueIsEmpty)
{
    CMorvaneApp &app = start({});
    ASSERT_TRUE(app.InitInstance());
    int passes = 0;
    app.GetMainFrame()->AddIdleHook([&passes] { ++passes; });
    QTest::qWait(20);
    passes = 0;

    QCoreApplication::postEvent(app.GetMainFrame(), new QEvent(QEvent::User));
    ASSERT_TRUE(QTest::qWaitFor([&passes] { return passes > 0; }, 1000));
    QTest::qWait(50);
    EXPECT_EQ(passes, 1);
}

/// Throws what it is given when it sees a user event.
class Thrower : public QObject
{
public:
    explicit Thrower(std::function<void()> toThrow) : m_throw(std::move(toThrow)) {}
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            m_throw();
        return QObject::event(event);
    }

private:
    std::function<void()> m_throw;
};

TEST_F(ProgramTest, ACriticalErrorInAnEventIsReportedAndEndsTheProgramWithAnError)
{
    CMorvaneApp &app = start({});
    ASSERT_TRUE(app.InitInstance());
    Thrower ordinary([] { throw std::runtime_error("not critical"); });
    QEvent first(QEvent::User);
    QCoreApplication::sendEvent(&ordinary, &first);
    EXPECT_EQ(app.GetExitCode(), 0);
    EXPECT_FALSE(app.GetDocument()->IsFailed());

    Thrower critical([] { throw CMorvaneException(GM_ERROR(8)); });
    QEvent second(QEvent::User);
    QCoreApplication::sendEvent(&critical, &second);
    EXPECT_EQ(app.GetExitCode(), CMorvaneApp::kExitCritical);
    EXPECT_TRUE(app.GetDocument()->IsFailed());
}

TEST_F(ProgramTest, WithoutALanguageLibraryTheProgramEndsWithAnError)
{
    start({});
    const std::filesystem::path alone = m_config / "alone";
    std::filesystem::create_directories(alone);
    std::filesystem::copy_file(MORVANE_PROGRAM, alone / "morvane");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", QString::fromStdString(m_config.path().string()));
    program.setProcessEnvironment(environment);
    program.start(QString::fromStdString((alone / "morvane").string()), {});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), CMorvaneApp::kExitNoLanguage);
    EXPECT_TRUE(program.readAllStandardError().contains("Failed to load language resources!"));
}

} // namespace
