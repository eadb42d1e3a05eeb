// Morvane program tests.
// The automation switch: the program serves its document on the session bus and shows no window
// until a client's run. Every case runs on a bus of its own (dbus-run-session).
#include "ProgramTest.h"
#include "app/ui/main/MainFrame.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// Qt's bus thread ends with the program and leaves what was posted to it; the allocations show
// no frame past Qt's own libraries.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libQt6DBus.so\nleak:libQt6Core.so\n";
}
#endif

namespace {

TEST_F(ProgramTest, TheAutomationSwitchServesTheDocumentWithoutAWindow)
{
    for (const char *automationSwitch : {"-Automation", "-Embedding"}) {
        SCOPED_TRACE(automationSwitch);
        CMorvaneApp &app = start({automationSwitch});
        testing::internal::CaptureStdout();
        ASSERT_TRUE(app.InitInstance());
        const std::string printed = testing::internal::GetCapturedStdout();
        EXPECT_EQ(printed, "org.morvane.Morvane\n");
        EXPECT_TRUE(QDBusConnection::sessionBus().interface()->isServiceRegistered(
            "org.morvane.Morvane"));
        ASSERT_NE(app.GetMainFrame(), nullptr);
        EXPECT_FALSE(app.GetMainFrame()->isVisible());
        app.ExitInstance();
        m_app.reset();
        EXPECT_FALSE(QDBusConnection::sessionBus().interface()->isServiceRegistered(
            "org.morvane.Morvane"));
    }
}

} // namespace
