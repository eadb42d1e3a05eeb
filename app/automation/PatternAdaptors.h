// Morvane automation service.
// A client pattern and its polyline on the bus: org.morvane.Pattern at /Document/Pattern and
// org.morvane.Polyline at /Document/Pattern/Polyline.
#pragma once

#include "app/automation/AutomationCall.h"

#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>

class CTrgPattern;
class CTrgPolyline;
class IDocumentAutomation;

namespace morvane::automation {

/// Serves the document's pattern object; GetPointRuleValue answers dx and then dy.
class PatternAdaptor : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.morvane.Pattern")

public:
    PatternAdaptor(IDocumentAutomation &document, ExceptionReport report,
                   QObject *parent = nullptr);
    ~PatternAdaptor() override;

public slots:
    int AddMarkPoint(int point);
    int AddPolyline(int first, int count, int type);
    int GetPolylineCount();
    QDBusObjectPath GetPolylineAt(int index);
    int AddBasePoint(double x, double y, int kind);
    int GetBasePointCount();
    void GetPointRuleValue(int point, int table, int size, double &dx, double &dy);
    void SetOutlineColor(int colour);

private:
    ExceptionReport m_report;
    CTrgPattern &m_pattern;
};

/// Serves the pattern object's polyline object.
class PolylineAdaptor : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.morvane.Polyline")

public:
    PolylineAdaptor(IDocumentAutomation &document, ExceptionReport report,
                    QObject *parent = nullptr);
    ~PolylineAdaptor() override;

public slots:
    int AddNotch(int point, double vx, double vy);
    int GetPointCount();
    int GetPointAt(int index);
    int AddPoint(int point);
    int GetNotchCount();
    int GetNotchRefGradePoint(int notch);
    double GetNotchDistanceValue(int notch, int table, int size);

private:
    ExceptionReport m_report;
    CTrgPolyline &m_polyline;
};

} // namespace morvane::automation
