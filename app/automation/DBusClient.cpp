// Morvane automation service.
// A client's object on the bus, told when its run ends.
#include "app/automation/DBusClient.h"

#include "app/automation/AutomationNames.h"

#include <QDBusMessage>

namespace morvane::automation {

DBusClient::DBusClient(QDBusConnection connection, QString service, QString path)
    : m_connection(std::move(connection))
    , m_service(std::move(service))
    , m_path(std::move(path))
{
}

void DBusClient::OnReturn()
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(m_service, m_path, kClientInterface, kClientReturnMethod);
    call.setAutoStartService(false);
    m_connection.send(call);
}

static bool isPathCharacter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_';
}

bool isObjectPath(const QString &text)
{
    if (text == QStringLiteral("/"))
        return true;
    if (!text.startsWith(u'/') || text.endsWith(u'/'))
        return false;
    for (const QStringView element : QStringView(text).mid(1).split(u'/')) {
        if (element.isEmpty() || !std::all_of(element.begin(), element.end(), isPathCharacter))
            return false;
    }
    return true;
}

} // namespace morvane::automation
