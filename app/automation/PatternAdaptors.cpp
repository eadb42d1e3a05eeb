// Morvane automation service.
// A client pattern and its polyline on the bus.
#include "app/automation/PatternAdaptors.h"

#include "app/automation/AutomationCall.h"
#include "app/automation/AutomationNames.h"
#include "app/documents/IDocumentAutomation.h"
#include "app/documents/TrgPattern.h"

namespace morvane::automation {

PatternAdaptor::PatternAdaptor(IDocumentAutomation &document, ExceptionReport report,
                               QObject *parent)
    : QObject(parent)
    , m_report(std::move(report))
    , m_pattern(document.GetPatternObject())
{
}

PatternAdaptor::~PatternAdaptor() = default;

int PatternAdaptor::AddMarkPoint(int point)
{
    return answerCall(*this, m_report, [&] { return m_pattern.AddMarkPoint(point); });
}

int PatternAdaptor::AddPolyline(int first, int count, int type)
{
    return answerCall(*this, m_report, [&] { return m_pattern.AddPolyline(first, count, type); });
}

int PatternAdaptor::GetPolylineCount()
{
    return answerCall(*this, m_report, [&] { return m_pattern.GetPolylineCount(); });
}

QDBusObjectPath PatternAdaptor::GetPolylineAt(int index)
{
    return answerCall(*this, m_report, [&] {
        m_pattern.GetPolylineAt(index);
        return QDBusObjectPath(kPolylinePath);
    });
}

int PatternAdaptor::AddBasePoint(double x, double y, int kind)
{
    return answerCall(*this, m_report, [&] { return m_pattern.AddBasePoint(x, y, kind); });
}

int PatternAdaptor::GetBasePointCount()
{
    return answerCall(*this, m_report, [&] { return m_pattern.GetBasePointCount(); });
}

void PatternAdaptor::GetPointRuleValue(int point, int table, int size, double &dx, double &dy)
{
    dx = 0.0;
    dy = 0.0;
    answerCall(*this, m_report, [&] { m_pattern.GetPointRuleValue(point, table, size, dx, dy); });
}

void PatternAdaptor::SetOutlineColor(int colour)
{
    answerCall(*this, m_report, [&] { m_pattern.SetOutlineColor(colour); });
}

PolylineAdaptor::PolylineAdaptor(IDocumentAutomation &document, ExceptionReport report,
                                 QObject *parent)
    : QObject(parent)
    , m_report(std::move(report))
    , m_polyline(document.GetPatternObject().GetPolyline())
{
}

PolylineAdaptor::~PolylineAdaptor() = default;

int PolylineAdaptor::AddNotch(int point, double vx, double vy)
{
    return answerCall(*this, m_report, [&] { return m_polyline.AddNotch(point, vx, vy); });
}

int PolylineAdaptor::GetPointCount()
{
    return answerCall(*this, m_report, [&] { return m_polyline.GetPointCount(); });
}

int PolylineAdaptor::GetPointAt(int index)
{
    return answerCall(*this, m_report, [&] { return m_polyline.GetPointAt(index); });
}

int PolylineAdaptor::AddPoint(int point)
{
    return answerCall(*this, m_report, [&] { return m_polyline.AddPoint(point); });
}

int PolylineAdaptor::GetNotchCount()
{
    return answerCall(*this, m_report, [&] { return m_polyline.GetNotchCount(); });
}

int PolylineAdaptor::GetNotchRefGradePoint(int notch)
{
    return answerCall(*this, m_report, [&] { return m_polyline.GetNotchRefGradePoint(notch); });
}

double PolylineAdaptor::GetNotchDistanceValue(int notch, int table, int size)
{
    return answerCall(*this, m_report,
                      [&] { return m_polyline.GetNotchDistanceValue(notch, table, size); });
}

} // namespace morvane::automation
