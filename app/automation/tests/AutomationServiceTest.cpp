// Morvane automation service tests.
// A client program on the session bus drives a served document: it builds a pattern and a table
// through the objects at their fixed paths, fills the batch, starts its run, is told when it
// ends, and gets errors, never a dead server, for indexes that name nothing. Every case runs on
// a bus of its own (dbus-run-session).
#include "app/automation/AutomationNames.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

using namespace morvane::automation;

namespace {

/// The client's object, told when its run ends.
class ClientObject : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.morvane.Client")

public:
    int returns = 0;

public slots:
    void OnReturn() { ++returns; }
};

/// A served document in a program of its own; it prints the service name it took.
class Host
{
public:
    /// With clientMask, the start routine of a client's run finds a mask made from the client's
    /// test rectangle with increments on its grade points.
    explicit Host(bool clientMask = false)
    {
        m_process.setProgram(QStringLiteral(MORVANE_AUTOMATION_TEST_HOST));
        // Qt's bus thread ends with the program and leaves what was posted to it: the host's own
        // objects are checked for leaks in the document's tests, which run in one process.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString sanitizer = environment.value(QStringLiteral("ASAN_OPTIONS"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           sanitizer + (sanitizer.isEmpty() ? "" : ":") + "detect_leaks=0");
        m_process.setProcessEnvironment(environment);
        if (clientMask)
            m_process.setArguments({QStringLiteral("--client-mask")});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (m_process.waitForStarted(10000) && m_process.waitForReadyRead(10000))
            m_serviceName = QString::fromUtf8(m_process.readLine()).trimmed();
    }
    ~Host()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.kill();
        m_process.waitForFinished(10000);
    }

    const QString &serviceName() const { return m_serviceName; }
    qint64 pid() const { return m_process.processId(); }
    /// Whether the program ended by itself, and well, within the time.
    bool endsWithin(int milliseconds)
    {
        return m_process.waitForFinished(milliseconds) &&
               m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
    }

private:
    QProcess m_process;
    QString m_serviceName;
};

/// A client program's connection to the bus and its calls to the served objects.
class Client
{
public:
    explicit Client(QString service, const char *connectionName = "client")
        : m_connectionName(QString::fromLatin1(connectionName))
        , m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName))
        , m_service(std::move(service))
    {
    }
    ~Client() { leave(); }

    QDBusMessage call(const char *path, const char *interface, const char *method,
                      const QVariantList &arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(
            m_service, QLatin1String(path), QLatin1String(interface), QLatin1String(method));
        message.setArguments(arguments);
        return m_connection.call(message, QDBus::Block, 10000);
    }
    /// The first value of a call that must succeed.
    QVariant value(const char *path, const char *interface, const char *method,
                   const QVariantList &arguments = {})
    {
        const QDBusMessage reply = call(path, interface, method, arguments);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
            << method << ": " << reply.errorMessage().toStdString();
        return reply.arguments().value(0);
    }
    /// Serves the client's object at /Client, the path the client names in "Run".
    bool serve(ClientObject &object)
    {
        return m_connection.registerObject(QStringLiteral("/Client"), &object,
                                           QDBusConnection::ExportAllSlots);
    }
    /// Closes the connection: the last reference to it goes before the name.
    void leave()
    {
        m_connection = QDBusConnection(QString());
        QDBusConnection::disconnectFromBus(m_connectionName);
    }

private:
    QString m_connectionName;
    QDBusConnection m_connection;
    QString m_service;
};

constexpr const char *kDocument = "org.morvane.Document";
constexpr const char *kPattern = "org.morvane.Pattern";
constexpr const char *kPolyline = "org.morvane.Polyline";
constexpr const char *kTable = "org.morvane.MeasureTable";
constexpr const char *kBatch = "org.morvane.BatchProcess";
constexpr const char *kMeasurement = "org.morvane.Measurement";

QString pathOf(const QVariant &value)
{
    return value.value<QDBusObjectPath>().path();
}

/// The client's test rectangle: nine points, four polylines, three notches on polyline 2.
void buildTestRectangle(Client &client)
{
    EXPECT_EQ(client.value(kDocumentPath, kDocument, "AddPattern", {"Rectangle"}).toInt(), 0);
    EXPECT_EQ(pathOf(client.value(kDocumentPath, kDocument, "GetPatternAt", {0})),
              QLatin1String(kPatternPath));
    const double points[9][2] = {{0, 0},  {450, 0}, {350, 50}, {300, 50}, {150, 50},
                                 {0, 50}, {0, 0},   {350, 50}, {40, 50}};
    for (const auto &point : points)
        client.value(kPatternPath, kPattern, "AddBasePoint", {point[0], point[1], 1});
    for (const auto &line : {QVariantList{0, 2, 0}, QVariantList{1, 2, 0}, QVariantList{2, 4, 0},
                             QVariantList{5, 2, 0}})
        client.value(kPatternPath, kPattern, "AddPolyline", line);
    EXPECT_EQ(client.value(kPatternPath, kPattern, "GetBasePointCount").toInt(), 9);
    EXPECT_EQ(pathOf(client.value(kPatternPath, kPattern, "GetPolylineAt", {2})),
              QLatin1String(kPolylinePath));
    client.value(kPolylinePath, kPolyline, "AddNotch", {7, -2.0, -8.0});
    client.value(kPolylinePath, kPolyline, "AddNotch", {4, 0.0, -8.0});
    client.value(kPolylinePath, kPolyline, "AddNotch", {8, 0.0, -8.0});
    EXPECT_EQ(client.value(kPolylinePath, kPolyline, "GetNotchCount").toInt(), 3);
    EXPECT_EQ(client.value(kPolylinePath, kPolyline, "GetPointCount").toInt(), 4);

}

} // namespace

TEST(AutomationServiceTest, AClientBuildsItsPatternAndTableThroughTheObjectsAtFixedPaths)
{
    Host host;
    ASSERT_EQ(host.serviceName(), QLatin1String(kServiceName));
    Client client(host.serviceName());

    buildTestRectangle(client);
    EXPECT_EQ(client.value(kDocumentPath, kDocument, "AddMeasureTable", {3, 1}).toInt(), 0);
    EXPECT_EQ(pathOf(client.value(kDocumentPath, kDocument, "GetIMeasureTableAt", {0})),
              QLatin1String(kMeasureTablePath));
    client.value(kMeasureTablePath, kTable, "SetGradeSizeName", {0, "38<M>"});
    EXPECT_EQ(client.value(kMeasureTablePath, kTable, "GetGradeSizeName", {0}).toString(),
              QStringLiteral("38<M>"));
    EXPECT_EQ(client.value(kMeasureTablePath, kTable, "GetGradeSizeCount").toInt(), 3);

    EXPECT_EQ(pathOf(client.value(kDocumentPath, kDocument, "GetBatchProcess")),
              QLatin1String(kBatchProcessPath));
    EXPECT_EQ(client.value(kBatchProcessPath, kBatch, "AddOperation", {4}).toInt(), 0);
    EXPECT_EQ(client.value(kBatchProcessPath, kBatch, "AddOperationParam", {0, 1, "x"}).toInt(), 0);
    EXPECT_EQ(client.value(kBatchProcessPath, kBatch, "AddOperationParam", {3, 1, "x"}).toInt(), -1);
    const QDBusMessage lastError = client.call(kBatchProcessPath, kBatch, "GetLastError");
    EXPECT_EQ(lastError.arguments(), (QVariantList{1, -1}));
}

TEST(AutomationServiceTest, IndexesThatNameNothingAreErrorsOfTheCallAndTheServerLives)
{
    Host host;
    Client client(host.serviceName());
    client.value(kDocumentPath, kDocument, "AddPattern", {"Rectangle"});

    struct Row {
        const char *path;
        const char *interface;
        const char *method;
        QVariantList arguments;
        const char *message;
    };
    const Row rows[] = {
        {kDocumentPath, kDocument, "GetPatternAt", {5}, "GetPatternAt: pattern 5 is out of range"},
        {kDocumentPath, kDocument, "GetIMeasureTableAt", {-1}, "measurement table -1"},
        {kDocumentPath, kDocument, "Run", {"not a path"}, "is no object path"},
        {kPatternPath, kPattern, "GetBasePointCount", {}, "GetBasePointCount"},
        {kPolylinePath, kPolyline, "GetNotchCount", {}, "GetNotchCount"},
        {kMeasureTablePath, kTable, "GetGradeSizeCount", {}, "GetGradeSizeCount"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.method);
        const QDBusMessage reply = client.call(row.path, row.interface, row.method, row.arguments);
        ASSERT_EQ(reply.type(), QDBusMessage::ErrorMessage);
        EXPECT_EQ(reply.errorName(), QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"));
        EXPECT_TRUE(reply.errorMessage().contains(QLatin1String(row.message)))
            << reply.errorMessage().toStdString();
    }
    EXPECT_EQ(pathOf(client.value(kDocumentPath, kDocument, "GetPatternAt", {0})),
              QLatin1String(kPatternPath));
    EXPECT_EQ(client.value(kPatternPath, kPattern, "GetBasePointCount").toInt(), 0);
}

TEST(AutomationServiceTest, TheBatchRunsInTheClientsRunWhichEndsOnceTellingTheClient)
{
    Host host;
    Client client(host.serviceName());
    ClientObject object;
    ASSERT_TRUE(client.serve(object));
    buildTestRectangle(client);
    client.value(kDocumentPath, kDocument, "AddMeasureTable", {3, 1});
    // No mask is active to place on: the batch fails there and closes the window.
    client.value(kBatchProcessPath, kBatch, "AddOperation", {4});
    client.value(kBatchProcessPath, kBatch, "AddOperation", {6});

    client.value(kDocumentPath, kDocument, "Run", {"/Client"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return object.returns > 0; }, 10000));
    const QDBusMessage lastError = client.call(kBatchProcessPath, kBatch, "GetLastError");
    EXPECT_EQ(lastError.arguments(), (QVariantList{2, 0}));

    // The client's patterns were graded over the table's sizes: nothing moves them yet.
    EXPECT_EQ(pathOf(client.value(kDocumentPath, kDocument, "GetPatternAt", {0})),
              QLatin1String(kPatternPath));
    const QDBusMessage rule = client.call(kPatternPath, kPattern, "GetPointRuleValue", {2, 0, 1});
    EXPECT_EQ(rule.arguments(), (QVariantList{0.0, 0.0}));
    const QDBusMessage noSize = client.call(kPatternPath, kPattern, "GetPointRuleValue", {2, 0, 3});
    EXPECT_EQ(noSize.type(), QDBusMessage::ErrorMessage);

    client.value(kDocumentPath, kDocument, "Exit");
    QTest::qWait(200);
    EXPECT_EQ(object.returns, 1);

    client.leave();
    EXPECT_TRUE(host.endsWithin(10000));
}

TEST(AutomationServiceTest, AClientScriptsItsGradingAndReadsTheGradedRulesBack)
{
    Host host(true);
    Client client(host.serviceName());
    ClientObject object;
    ASSERT_TRUE(client.serve(object));
    buildTestRectangle(client);
    // Sizes 38<S>, 40<M> (the base size), 42<L>; CHEST 92, 100, 108.
    client.value(kDocumentPath, kDocument, "AddMeasureTable", {3, 1});
    client.value(kDocumentPath, kDocument, "GetIMeasureTableAt", {0});
    const char *sizes[] = {"38<S>", "40<M>", "42<L>"};
    for (int size = 0; size < 3; ++size)
        client.value(kMeasureTablePath, kTable, "SetGradeSizeName", {size, sizes[size]});
    EXPECT_EQ(client.value(kMeasureTablePath, kTable, "GetGradeSizeName", {1}).toString(),
              QStringLiteral("40<M>"));
    client.value(kMeasureTablePath, kTable, "SetOriginalGradeSize", {1});
    EXPECT_EQ(pathOf(client.value(kMeasureTablePath, kTable, "GetIMeasurementAt", {0})),
              QLatin1String(kMeasurementPath));
    client.value(kMeasurementPath, kMeasurement, "SetName", {"chest"});
    for (int size = 0; size < 3; ++size)
        client.value(kMeasurementPath, kMeasurement, "SetMeasureSizeValueAt",
                     {size, 92.0 + 8.0 * size, false});
    EXPECT_EQ(client.value(kMeasurementPath, kMeasurement, "GetName").toString(),
              QStringLiteral("CHEST"));
    client.value(kBatchProcessPath, kBatch, "AddOperation", {4});
    client.value(kBatchProcessPath, kBatch, "AddOperation", {5});

    client.value(kDocumentPath, kDocument, "Run", {"/Client"});

    EXPECT_EQ(client.call(kBatchProcessPath, kBatch, "GetLastError").arguments(),
              (QVariantList{1, -1}));
    // Worked out by hand from the increments on the grade points (6 and 7 lie on 0 and 2) for
    // CHEST 8 above the base size; a size below it moves the other way.
    const double perStep[8][2] = {{0, -0.5}, {2, 0},    {0, 1},  {0.5, 1},
                                  {-0.5, 1}, {-2, 0},   {0, -0.5}, {0, 1}};
    client.value(kDocumentPath, kDocument, "GetPatternAt", {0});
    for (int point = 0; point < 8; ++point)
        for (int size = 0; size < 3; ++size) {
            SCOPED_TRACE(std::to_string(point) + " in size " + std::to_string(size));
            const QDBusMessage rule =
                client.call(kPatternPath, kPattern, "GetPointRuleValue", {point, 0, size});
            ASSERT_EQ(rule.arguments().size(), 2);
            EXPECT_NEAR(rule.arguments()[0].toDouble(), perStep[point][0] * (size - 1), 1e-9);
            EXPECT_NEAR(rule.arguments()[1].toDouble(), perStep[point][1] * (size - 1), 1e-9);
        }

    client.value(kDocumentPath, kDocument, "Exit");
    EXPECT_TRUE(QTest::qWaitFor([&] { return object.returns > 0; }, 10000));
    QTest::qWait(200);
    EXPECT_EQ(object.returns, 1);
}

TEST(AutomationServiceTest, ASecondServerTakesANameOfItsOwn)
{
    Host first;
    Host second;
    EXPECT_EQ(first.serviceName(), QLatin1String(kServiceName));
    EXPECT_EQ(second.serviceName(),
              QStringLiteral("%1.p%2").arg(QLatin1String(kServiceName)).arg(second.pid()));
    Client client(second.serviceName());
    EXPECT_EQ(client.value(kDocumentPath, kDocument, "GetPatternCount").toInt(), 0);
}

#include "AutomationServiceTest.moc"
