// Morvane automation service.
// The program's automation on the session bus: its name, its objects and the client it serves.
#include "app/automation/AutomationService.h"

#include "app/automation/AutomationNames.h"
#include "app/automation/BatchProcessAdaptor.h"
#include "app/automation/DocumentAdaptor.h"
#include "app/automation/MeasureTableAdaptors.h"
#include "app/automation/PatternAdaptors.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>

namespace morvane::automation {

static constexpr const char *kObjectPaths[] = {kDocumentPath, kBatchProcessPath, kPatternPath,
                                               kPolylinePath, kMeasureTablePath, kMeasurementPath};

AutomationService::AutomationService(IDocumentAutomation &document, ExceptionReport report,
                                     QDBusConnection connection, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_report(std::move(report))
    , m_connection(std::move(connection))
    , m_pClientWatcher(new QDBusServiceWatcher(this))
{
    m_pClientWatcher->setConnection(m_connection);
    m_pClientWatcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(m_pClientWatcher, &QDBusServiceWatcher::serviceUnregistered, this, [this] {
        if (m_onClientLeft)
            m_onClientLeft();
    });
}

AutomationService::~AutomationService()
{
    if (!m_serviceName.isEmpty())
        m_connection.unregisterService(m_serviceName);
    for (const char *path : kObjectPaths)
        m_connection.unregisterObject(path);
}

bool AutomationService::Start()
{
    if (!m_connection.isConnected()) {
        m_errorText = QStringLiteral("no session bus: ") + m_connection.lastError().message();
        return false;
    }
    return RegisterObjects() && RegisterName();
}

bool AutomationService::RegisterObjects()
{
    const auto onRun = [this](const QString &client) { WatchClient(client); };
    QObject *const objects[] = {
        new DocumentAdaptor(m_document, m_report, onRun, this),
        new BatchProcessAdaptor(m_document, m_report, this),
        new PatternAdaptor(m_document, m_report, this),
        new PolylineAdaptor(m_document, m_report, this),
        new MeasureTableAdaptor(m_document, m_report, this),
        new MeasurementAdaptor(m_document, m_report, this),
    };
    for (size_t i = 0; i < std::size(kObjectPaths); ++i) {
        if (!m_connection.registerObject(kObjectPaths[i], objects[i],
                                         QDBusConnection::ExportAllSlots)) {
            m_errorText = QStringLiteral("the object path %1 is taken on the bus")
                              .arg(QLatin1String(kObjectPaths[i]));
            return false;
        }
    }
    return true;
}

bool AutomationService::RegisterName()
{
    const QString name = QLatin1String(kServiceName);
    if (m_connection.registerService(name)) {
        m_serviceName = name;
        return true;
    }
    const QString ownName = name + QStringLiteral(".p%1").arg(QCoreApplication::applicationPid());
    if (m_connection.registerService(ownName)) {
        m_serviceName = ownName;
        return true;
    }
    m_errorText = QStringLiteral("neither %1 nor %2 could be taken on the bus: %3")
                      .arg(name, ownName, m_connection.lastError().message());
    return false;
}

void AutomationService::WatchClient(const QString &client)
{
    m_pClientWatcher->setWatchedServices({client});
}

} // namespace morvane::automation
