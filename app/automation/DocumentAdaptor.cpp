// Morvane automation service.
// The main document on the bus: interface org.morvane.Document at /Document.
#include "app/automation/DocumentAdaptor.h"

#include "app/automation/AutomationCall.h"
#include "app/automation/AutomationNames.h"
#include "app/automation/DBusClient.h"
#include "app/documents/AutomationError.h"
#include "app/documents/IDocumentAutomation.h"

#include <QDBusMessage>

#include <memory>

namespace morvane::automation {

DocumentAdaptor::DocumentAdaptor(IDocumentAutomation &document, ExceptionReport report,
                                 std::function<void(const QString &)> onRun, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_report(std::move(report))
    , m_onRun(std::move(onRun))
{
}

DocumentAdaptor::~DocumentAdaptor() = default;

void DocumentAdaptor::Run(const QString &clientPath)
{
    answerCall(*this, m_report, [&] {
        std::unique_ptr<IMorvaneClient> client;
        if (!clientPath.isEmpty()) {
            if (!isObjectPath(clientPath))
                throw AutomationError("Run: \"" + clientPath.toStdString() +
                                      "\" is no object path");
            client = std::make_unique<DBusClient>(connection(), message().service(), clientPath);
        }
        m_onRun(message().service());
        m_document.Run(std::move(client));
    });
}

int DocumentAdaptor::AddMeasureTable(int sizes, int measurements)
{
    return answerCall(*this, m_report,
                      [&] { return m_document.AddMeasureTable(sizes, measurements); });
}

int DocumentAdaptor::GetMeasureTableCount()
{
    return answerCall(*this, m_report, [&] { return m_document.GetMeasureTableCount(); });
}

QDBusObjectPath DocumentAdaptor::GetIMeasureTableAt(int index)
{
    return answerCall(*this, m_report, [&] {
        m_document.GetIMeasureTableAt(index);
        return QDBusObjectPath(kMeasureTablePath);
    });
}

int DocumentAdaptor::AddPattern(const QString &name)
{
    return answerCall(*this, m_report, [&] { return m_document.AddPattern(name.toStdString()); });
}

int DocumentAdaptor::GetPatternCount()
{
    return answerCall(*this, m_report, [&] { return m_document.GetPatternCount(); });
}

QDBusObjectPath DocumentAdaptor::GetPatternAt(int index)
{
    return answerCall(*this, m_report, [&] {
        m_document.GetPatternAt(index);
        return QDBusObjectPath(kPatternPath);
    });
}

void DocumentAdaptor::ClearPatterns()
{
    answerCall(*this, m_report, [&] { m_document.ClearPatterns(); });
}

void DocumentAdaptor::ClearMeasureTables()
{
    answerCall(*this, m_report, [&] { m_document.ClearMeasureTables(); });
}

void DocumentAdaptor::SetMaskFile(const QString &path)
{
    answerCall(*this, m_report, [&] { m_document.SetMaskFile(path.toStdString()); });
}

void DocumentAdaptor::Exit()
{
    answerCall(*this, m_report, [&] { m_document.Exit(); });
}

QDBusObjectPath DocumentAdaptor::GetBatchProcess()
{
    return QDBusObjectPath(kBatchProcessPath);
}

void DocumentAdaptor::SetModelName(const QString &name)
{
    answerCall(*this, m_report, [&] { m_document.SetModelName(name.toStdString()); });
}

} // namespace morvane::automation
