// Morvane automation service.
// The program's automation on the session bus: its name, its objects and the client it serves.
#pragma once

#include "app/automation/AutomationCall.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>

class IDocumentAutomation;
class QDBusServiceWatcher;

namespace morvane::automation {

/// Serves a document's automation on a bus: the document at /Document and its batch, pattern,
/// polyline, measurement-table and measurement objects at their fixed paths below it, under
/// the service name org.morvane.Morvane, or org.morvane.Morvane.p<pid> when another program
/// holds that name. It watches the client that called "Run" and tells the owner when that
/// client leaves the bus.
class AutomationService : public QObject
{
    Q_OBJECT

public:
    /// The document (not owned) outlives the service; report is told of any exception other
    /// than a refused argument that a call lets out.
    AutomationService(IDocumentAutomation &document, ExceptionReport report,
                      QDBusConnection connection, QObject *parent = nullptr);
    /// Gives up the objects and the name.
    ~AutomationService() override;

    /// Registers the objects and takes a service name; false, with ErrorText() saying why, when
    /// the bus refuses them.
    bool Start();
    /// The name taken; empty before Start succeeded.
    const QString &ServiceName() const { return m_serviceName; }
    const QString &ErrorText() const { return m_errorText; }
    /// Called when the client that started the last run leaves the bus.
    void SetOnClientLeft(std::function<void()> onClientLeft)
    {
        m_onClientLeft = std::move(onClientLeft);
    }

private:
    bool RegisterObjects();
    bool RegisterName();
    void WatchClient(const QString &client);

    IDocumentAutomation &m_document;
    ExceptionReport m_report;
    QDBusConnection m_connection;
    QDBusServiceWatcher *m_pClientWatcher;
    QString m_serviceName;
    QString m_errorText;
    std::function<void()> m_onClientLeft;
};

} // namespace morvane::automation
