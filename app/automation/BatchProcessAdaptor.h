// Morvane automation service.
// The batch on the bus: interface org.morvane.BatchProcess at /Document/BatchProcess.
#pragma once

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
    explicit BatchProcessAdaptor(IDocumentAutomation &document, QObject *parent = nullptr);
    ~BatchProcessAdaptor() override;

public slots:
    int AddOperation(int code);
    int AddOperationParam(int position, int index, const QString &text);
    int GetLastError(int &position);

private:
    IDocumentAutomation &m_document;
    CMvBatchProcess &m_batch;
};

} // namespace morvane::automation
