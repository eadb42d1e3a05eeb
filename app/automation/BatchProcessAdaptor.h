// Morvane automation service.
// The batch on the bus: interface org.morvane.BatchProcess at /Document/BatchProcess.
#pragma once

#include "app/automation/AutomationCall.h"

#include <QDBusContext>
#include <QObject>
#include <QString>

class CMvBatchProcess;
class IDocumentAutomation;

namespace morvane::automation {

/// Serves the batch's automation methods; GetLastError answers the code and then the position.
class BatchProcessAdaptor : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.morvane.BatchProcess")

public:
    BatchProcessAdaptor(IDocumentAutomation &document, ExceptionReport report,
                        QObject *parent = nullptr);
    ~BatchProcessAdaptor() override;

public slots:
    int AddOperation(int code);
    int AddOperationParam(int position, int index, const QString &text);
    int GetLastError(int &position);

private:
    ExceptionReport m_report;
    CMvBatchProcess &m_batch;
};

} // namespace morvane::automation
