// Morvane program documents.
// The automation object of one polyline of a client pattern.
#include "app/documents/TrgPolyline.h"

#include "app/documents/AutomationError.h"
#include "model/BasePoint.h"
#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/NoGeomPolyline.h"
#include "sources/client-model/GeomPattern.h"
#include "sources/client-model/GeomPolyline.h"

#include <string>

using namespace morvane;

void CTrgPolyline::SetPolyline(const ClientPatternRef &pattern, CGeomPolyline *polyline)
{
    m_oPattern = pattern;
    m_pPolyline = polyline;
}

CGeomPolyline &CTrgPolyline::polyline(const char *call) const
{
    if (m_pPolyline == nullptr)
        throw AutomationError(std::string(call) + ": no polyline was asked for (GetPolylineAt)");
    // A pattern's polylines live as long as the pattern.
    m_oPattern.pattern(call);
    return *m_pPolyline;
}

int32_t CTrgPolyline::AddNotch(int32_t point, double vx, double vy)
{
    return polyline("AddNotch").AddNotch(point, vx, vy);
}

int32_t CTrgPolyline::GetPointCount()
{
    return polyline("GetPointCount").GetPointCount();
}

int32_t CTrgPolyline::GetPointAt(int32_t index)
{
    return polyline("GetPointAt").GetPointAt(index);
}

int32_t CTrgPolyline::AddPoint(int32_t point)
{
    return polyline("AddPoint").AddPoint(point);
}

int32_t CTrgPolyline::GetNotchCount()
{
    int count = 0;
    polyline("GetNotchCount").GetNotchCount(count);
    return count;
}

CNoGeomPolyline *CTrgPolyline::modelPolyline(CGeomPolyline &line) const
{
    IInputPattern *input = m_oPattern.inputPattern();
    return input != nullptr ? input->FindCurvePolyline(&line) : nullptr;
}

/// The slider point of notch on the input polyline; null when there is none.
static CBasePoint *sliderPointOf(CNoGeomPolyline *modelLine, CGeomPolyline &line, int32_t notch)
{
    return modelLine != nullptr ? modelLine->GetSliderPoint(line.GetNotchPointAt(notch)) : nullptr;
}

int32_t CTrgPolyline::GetNotchRefGradePoint(int32_t notch)
{
    CGeomPolyline &line = polyline("GetNotchRefGradePoint");
    checkAutomationIndex("GetNotchRefGradePoint", "notch", notch, GetNotchCount());
    CBasePoint *slider = sliderPointOf(modelPolyline(line), line, notch);
    IInputPoint *input = slider != nullptr ? slider->GetInputPoint() : nullptr;
    IInputPoint *linked = input != nullptr ? input->GetLinkedPoint() : nullptr;
    if (linked == nullptr)
        return -1;
    const CGeomPattern &pattern = m_oPattern.pattern("GetNotchRefGradePoint");
    const IGradePoint *reference = linked->GetGradePoint();
    for (int i = 0; i < pattern.GetBasePointCount(); ++i) {
        if (pattern.GetBasePointAt(i) == reference)
            return i;
    }
    return -1;
}

double CTrgPolyline::GetNotchDistanceValue(int32_t notch, int32_t table, int32_t size)
{
    CGeomPolyline &line = polyline("GetNotchDistanceValue");
    checkAutomationIndex("GetNotchDistanceValue", "notch", notch, GetNotchCount());
    m_oPattern.checkRuleSize("GetNotchDistanceValue", table, size);
    CNoGeomPolyline *modelLine = modelPolyline(line);
    CBasePoint *slider = sliderPointOf(modelLine, line, notch);
    return slider != nullptr ? -modelLine->GetSliderDistanceValue(slider, table, size) : 0.0;
}
