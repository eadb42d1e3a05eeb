// Morvane automation service.
// A client's object on the bus, told when its run ends.
#pragma once

#include "app/documents/IDocumentAutomation.h"

#include <QDBusConnection>
#include <QString>

namespace morvane::automation {

/// The object a client named in "Run": OnReturn calls org.morvane.Client.OnReturn on it without
/// waiting for an answer, so a client busy in a call of its own is never waited for.
class DBusClient : public IMorvaneClient
{
public:
    DBusClient(QDBusConnection connection, QString service, QString path);

    void OnReturn() override;

private:
    QDBusConnection m_connection;
    QString m_service;
    QString m_path;
};

/// Whether text is a valid D-Bus object path ("/" or "/a/b_1", no empty or trailing element).
bool isObjectPath(const QString &text);

} // namespace morvane::automation
