// Morvane program documents.
// The automation object of one pattern of the client grade model.
#include "app/documents/TrgPattern.h"

#include "app/documents/AutomationError.h"
#include "foundation/TextFormat.h"
#include "sources/client-model/GeomPattern.h"

using namespace morvane;

int32_t CTrgPattern::AddMarkPoint(int32_t point)
{
    return m_oPattern.pattern("AddMarkPoint").AddMarkPoint(point);
}

int32_t CTrgPattern::AddPolyline(int32_t first, int32_t count, int32_t type)
{
    return m_oPattern.pattern("AddPolyline").AddPolyline(first, count, type);
}

int32_t CTrgPattern::GetPolylineCount()
{
    return m_oPattern.pattern("GetPolylineCount").GetPolylineCount();
}

CTrgPolyline &CTrgPattern::GetPolylineAt(int32_t index)
{
    CGeomPattern &pattern = m_oPattern.pattern("GetPolylineAt");
    checkAutomationIndex("GetPolylineAt", "polyline", index, pattern.GetPolylineCount());
    m_oPolyline.SetPolyline(m_oPattern, pattern.GetCurveAt(index));
    return m_oPolyline;
}

int32_t CTrgPattern::AddBasePoint(double x, double y, int32_t kind)
{
    return m_oPattern.pattern("AddBasePoint").AddBasePoint(x, y, kind);
}

int32_t CTrgPattern::GetBasePointCount()
{
    return m_oPattern.pattern("GetBasePointCount").GetBasePointCount();
}

void CTrgPattern::GetPointRuleValue(int32_t point, int32_t table, int32_t size, double &dx,
                                    double &dy)
{
    CGeomPattern &pattern = m_oPattern.pattern("GetPointRuleValue");
    checkAutomationIndex("GetPointRuleValue", "point", point, pattern.GetBasePointCount());
    m_oPattern.checkRuleSize("GetPointRuleValue", table, size);
    const DPOINT value = pattern.GetBasePointAt(point)->GetRuleValue(table, size);
    dx = value.x;
    dy = value.y;
}

void CTrgPattern::SetOutlineColor(int32_t colour)
{
    CGeomPattern &pattern = m_oPattern.pattern("SetOutlineColor");
    const auto reference = static_cast<uint32_t>(colour);
    if ((reference & 0xFF000000u) != 0)
        throw AutomationError(
            format("SetOutlineColor: 0x%08X is no colour reference 0x00BBGGRR", reference));
    pattern.SetOutlineColor(reference);
}
