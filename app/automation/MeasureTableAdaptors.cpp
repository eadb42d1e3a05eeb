// Morvane automation service.
// A measurement table and its measurement on the bus.
#include "app/automation/MeasureTableAdaptors.h"

#include "app/automation/AutomationCall.h"
#include "app/automation/AutomationNames.h"
#include "app/documents/IDocumentAutomation.h"
#include "app/documents/TrgMeasureTable.h"

namespace morvane::automation {

MeasureTableAdaptor::MeasureTableAdaptor(IDocumentAutomation &document, ExceptionReport report,
                                         QObject *parent)
    : QObject(parent)
    , m_report(std::move(report))
    , m_table(document.GetMeasureTableObject())
{
}

MeasureTableAdaptor::~MeasureTableAdaptor() = default;

int MeasureTableAdaptor::GetOriginalGradeSize()
{
    return answerCall(*this, m_report, [&] { return m_table.GetOriginalGradeSize(); });
}

void MeasureTableAdaptor::SetOriginalGradeSize(int size)
{
    answerCall(*this, m_report, [&] { m_table.SetOriginalGradeSize(size); });
}

int MeasureTableAdaptor::GetGradeSizeCount()
{
    return answerCall(*this, m_report, [&] { return m_table.GetGradeSizeCount(); });
}

void MeasureTableAdaptor::SetGradeSizeName(int index, const QString &name)
{
    answerCall(*this, m_report, [&] { m_table.SetGradeSizeName(index, name.toStdString()); });
}

int MeasureTableAdaptor::GetMeasurementCount()
{
    return answerCall(*this, m_report, [&] { return m_table.GetMeasurementCount(); });
}

QDBusObjectPath MeasureTableAdaptor::GetIMeasurementAt(int index)
{
    return answerCall(*this, m_report, [&] {
        m_table.GetIMeasurementAt(index);
        return QDBusObjectPath(kMeasurementPath);
    });
}

QString MeasureTableAdaptor::GetGradeSizeName(int index)
{
    return answerCall(*this, m_report,
                      [&] { return QString::fromStdString(m_table.GetGradeSizeName(index)); });
}

void MeasureTableAdaptor::SetName(const QString &name)
{
    answerCall(*this, m_report, [&] { m_table.SetName(name.toStdString()); });
}

void MeasureTableAdaptor::SetTableType(int type)
{
    answerCall(*this, m_report, [&] { m_table.SetTableType(type); });
}

int MeasureTableAdaptor::GetTableType()
{
    return answerCall(*this, m_report, [&] { return m_table.GetTableType(); });
}

MeasurementAdaptor::MeasurementAdaptor(IDocumentAutomation &document, ExceptionReport report,
                                       QObject *parent)
    : QObject(parent)
    , m_report(std::move(report))
    , m_measurement(document.GetMeasureTableObject().GetMeasurement())
{
}

MeasurementAdaptor::~MeasurementAdaptor() = default;

void MeasurementAdaptor::SetName(const QString &name)
{
    answerCall(*this, m_report, [&] { m_measurement.SetName(name.toStdString()); });
}

QString MeasurementAdaptor::GetComment()
{
    return answerCall(*this, m_report,
                      [&] { return QString::fromStdString(m_measurement.GetComment()); });
}

void MeasurementAdaptor::SetComment(const QString &comment)
{
    answerCall(*this, m_report, [&] { m_measurement.SetComment(comment.toStdString()); });
}

int MeasurementAdaptor::GetMeasureSizeValueCount()
{
    return answerCall(*this, m_report, [&] { return m_measurement.GetMeasureSizeValueCount(); });
}

double MeasurementAdaptor::GetMeasureSizeValueAt(int size, bool relative)
{
    return answerCall(*this, m_report,
                      [&] { return m_measurement.GetMeasureSizeValueAt(size, relative); });
}

void MeasurementAdaptor::SetMeasureSizeValueAt(int size, double value, bool relative)
{
    answerCall(*this, m_report,
               [&] { m_measurement.SetMeasureSizeValueAt(size, value, relative); });
}

QString MeasurementAdaptor::GetName()
{
    return answerCall(*this, m_report,
                      [&] { return QString::fromStdString(m_measurement.GetName()); });
}

} // namespace morvane::automation
