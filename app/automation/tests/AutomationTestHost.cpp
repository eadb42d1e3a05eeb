// Morvane automation service tests.
// A program that serves a document's automation on the session bus, as the program does, with a
// main window that has no window: the tests start it and drive it as a client program would.
#include "app/automation/AutomationService.h"
#include "app/documents/DocumentAutomation.h"
#include "app/documents/testing/FakeDocumentServices.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "app/documents/testing/FakeMainWindow.h"
#include "model/MorvaneException.h"
#include "platform/brismond/TableSetFactory.h"
#include "sources/client-model/ClientGradeModel.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
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

/// The document the host serves: a table set, the client's grade model and the automation face.
struct HostDocument
{
    HostDocument()
    {
        services.tableSet = tableSet.get();
        automation.SetMainWindow(&window);
    }

    CEventHandler *tableSetHandler = nullptr;
    std::unique_ptr<IBrismond> tableSet = CTableSetFactory::Make("set", tableSetHandler);
    FakeDocumentServices services;
    FakeGradingEvents grading;
    CClientGradeModel clientModel;
    DocumentAutomation automation{services, grading, clientModel};
    HostWindow window{automation};
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    HostDocument document;
    const automation::ExceptionReport report = [&](const CMorvaneException *exception) {
        std::fprintf(stderr, "unhandled exception: %s\n",
                     exception != nullptr ? exception->what() : "(none)");
        document.automation.OnRunException();
    };
    automation::AutomationService service(document.automation, report,
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
