// Morvane automation service.
// The batch on the bus: interface org.morvane.BatchProcess at /Document/BatchProcess.
#include "app/automation/BatchProcessAdaptor.h"

#include "app/automation/AutomationCall.h"
#include "app/documents/IDocumentAutomation.h"
#include "app/documents/MvBatchProcess.h"

namespace morvane::automation {

BatchProcessAdaptor::BatchProcessAdaptor(IDocumentAutomation &document, ExceptionReport report,
                                         QObject *parent)
    : QObject(parent)
    , m_report(std::move(report))
    , m_batch(document.GetBatchProcess())
{
}

BatchProcessAdaptor::~BatchProcessAdaptor() = default;

int BatchProcessAdaptor::AddOperation(int code)
{
    return answerCall(*this, m_report, [&] { return m_batch.AddOperation(code); });
}

int BatchProcessAdaptor::AddOperationParam(int position, int index, const QString &text)
{
    return answerCall(*this, m_report, [&] {
        return m_batch.AddOperationParam(position, index, text.toStdString());
    });
}

int BatchProcessAdaptor::GetLastError(int &position)
{
    int32_t at = -1;
    const int code = answerCall(*this, m_report, [&] { return m_batch.GetLastError(at); });
    position = at;
    return code;
}

} // namespace morvane::automation
