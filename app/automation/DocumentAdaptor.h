// Morvane automation service.
// The main document on the bus: interface org.morvane.Document at /Document.
#pragma once

#include "app/automation/AutomationCall.h"

#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>

#include <functional>

class IDocumentAutomation;

namespace morvane::automation {

/// Serves the document's automation methods under their own names; objects are answered by
/// their fixed paths, text is UTF-8. "Run" takes the path of an object of the caller that
/// answers org.morvane.Client.OnReturn when the run ends (empty: none).
class DocumentAdaptor : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.morvane.Document")

public:
    /// onRun is told the unique bus name of each client that starts a run.
    DocumentAdaptor(IDocumentAutomation &document, ExceptionReport report,
                    std::function<void(const QString &)> onRun, QObject *parent = nullptr);
    ~DocumentAdaptor() override;

public slots:
    void Run(const QString &clientPath);
    int AddMeasureTable(int sizes, int measurements);
    int GetMeasureTableCount();
    QDBusObjectPath GetIMeasureTableAt(int index);
    int AddPattern(const QString &name);
    int GetPatternCount();
    QDBusObjectPath GetPatternAt(int index);
    void ClearPatterns();
    void ClearMeasureTables();
    void SetMaskFile(const QString &path);
    void Exit();
    QDBusObjectPath GetBatchProcess();
    void SetModelName(const QString &name);

private:
    IDocumentAutomation &m_document;
    ExceptionReport m_report;
    std::function<void(const QString &)> m_onRun;
};

} // namespace morvane::automation
