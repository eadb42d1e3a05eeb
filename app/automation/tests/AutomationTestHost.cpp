// Morvane automation service tests.
// A program that serves the main document's automation on the session bus, as the program does,
// with a main window that has no window: the tests start it and drive it as a client program would.
// With --client-mask, the window's start routine finds, as the mask commands will give it, a mask
// made from the client's test rectangle with increments, and the grading recalculates.
#include "app/automation/AutomationService.h"
#include "app/documents/MorvaneDoc.h"
#include "app/documents/testing/ClientRunMask.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/documents/testing/FakeMainWindow.h"
#include "app/grading/testing/RecordingMessages.h"
#include "app/taskdefs/testing/MaskTaskTesting.h"
#include "model/MorvaneException.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace morvane;

namespace {

/// The fake window, whose posted close is taken by the event loop.
class HostWindow : public FakeMainWindow
{
public:
    using FakeMainWindow::FakeMainWindow;

    void PostClose() override
    {
        FakeMainWindow::PostClose();
        QTimer::singleShot(0, [this] { ProcessPostedCloses(); });
    }
};

/// The main document the host serves, with options in memory, a prompt that answers quietly and
/// a main window that connects itself when a client's run shows it.
struct HostDocument
{
    explicit HostDocument(bool clientMask)
    {
        document.SetMainWindow(&window);
        window.onShow = [this, clientMask] {
            document.ConnectToFrame(&window);
            if (clientMask)
                addClientMaskWithIncrements(document);
        };
        document.GetMaskDocs()->SetTaskManagerFactory([this] {
            auto manager = std::make_unique<test::ScriptedMaskTaskManager>(&log);
            manager->command(std::make_unique<RecalculateGradingStandIn>(document));
            return manager;
        });
    }

    test::EventLog log;
    FakeOptions options;
    testgrading::RecordingMessages prompt;
    CMorvaneDoc document{options, prompt};
    HostWindow window{document.GetAutomation()};
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    HostDocument host(argc > 1 && std::strcmp(argv[1], "--client-mask") == 0);
    const automation::ExceptionReport report = [&](const CMorvaneException *exception) {
        std::fprintf(stderr, "unhandled exception: %s\n",
                     exception != nullptr ? exception->what() : "(none)");
        host.document.OnUnhandledException(exception);
    };
    automation::AutomationService service(host.document.GetAutomation(), report,
                                          QDBusConnection::sessionBus());
    if (!service.Start()) {
        std::fprintf(stderr, "%s\n", qPrintable(service.ErrorText()));
        return 1;
    }
    service.SetOnClientLeft([] { QCoreApplication::quit(); });
    std::printf("%s\n", qPrintable(service.ServiceName()));
    std::fflush(stdout);
    return application.exec();
}
