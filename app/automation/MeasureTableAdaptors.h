// Morvane automation service.
// A measurement table and its measurement on the bus: org.morvane.MeasureTable at
// /Document/MeasureTable and org.morvane.Measurement at /Document/MeasureTable/Measurement.
#pragma once

#include "app/automation/AutomationCall.h"

#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>

class CTrgMeasureTable;
class CTrgMeasurement;
class IDocumentAutomation;

namespace morvane::automation {

/// Serves the document's measurement-table object.
class MeasureTableAdaptor : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.morvane.MeasureTable")

public:
    MeasureTableAdaptor(IDocumentAutomation &document, ExceptionReport report,
                        QObject *parent = nullptr);
    ~MeasureTableAdaptor() override;

public slots:
    int GetOriginalGradeSize();
    void SetOriginalGradeSize(int size);
    int GetGradeSizeCount();
    void SetGradeSizeName(int index, const QString &name);
    int GetMeasurementCount();
    QDBusObjectPath GetIMeasurementAt(int index);
    QString GetGradeSizeName(int index);
    void SetName(const QString &name);
    void SetTableType(int type);
    int GetTableType();

private:
    ExceptionReport m_report;
    CTrgMeasureTable &m_table;
};

/// Serves the measurement-table object's measurement object.
class MeasurementAdaptor : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.morvane.Measurement")

public:
    MeasurementAdaptor(IDocumentAutomation &document, ExceptionReport report,
                       QObject *parent = nullptr);
    ~MeasurementAdaptor() override;

public slots:
    void SetName(const QString &name);
    QString GetComment();
    void SetComment(const QString &comment);
    int GetMeasureSizeValueCount();
    double GetMeasureSizeValueAt(int size, bool relative);
    void SetMeasureSizeValueAt(int size, double value, bool relative);
    QString GetName();

private:
    ExceptionReport m_report;
    CTrgMeasurement &m_measurement;
};

} // namespace morvane::automation
