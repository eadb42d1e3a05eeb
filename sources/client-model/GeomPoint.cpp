// Morvane client grade model.
// One point of a client pattern: its base position and its rule values per table and size.
#include "sources/client-model/GeomPoint.h"

#include "sources/client-model/GeomPattern.h"
#include "sources/client-model/GradeRuleData.h"
#include "sources/grade-geometry/GradeInterpolation.h"

CGeomPoint::CGeomPoint(CGeomPattern *pattern, double x, double y, int32_t kind)
    : m_dX(x)
    , m_dY(y)
    , m_nKind(kind)
    , m_pPattern(pattern)
{
}

GM_ERROR CGeomPoint::GetPosition(GradeSize size, DPOINT &position)
{
    position = GetPosition(&size);
    return GM_NO_ERROR;
}

GM_ERROR CGeomPoint::SetPosition(int table, int size, double x, double y)
{
    if (table < 0 || size < 0)
        return GM_NO_ERROR;
    const DPOINT base = GetPosition(nullptr);
    m_pPattern->OnBasePointRuleChanged(false);
    SetRuleValue(table, size, x - base.x, y - base.y);
    m_pPattern->OnBasePointRuleChanged(true);
    return GM_NO_ERROR;
}

GM_ERROR CGeomPoint::IsMarkPoint(DPOINT &, bool &isMark)
{
    isMark = m_pPattern->FindMarkPoint(this) >= 0;
    return GM_NO_ERROR;
}

GM_ERROR CGeomPoint::GetSliderInfo(int &isSlider, IGradeCurve *&curve, int &reserved)
{
    isSlider = m_pPattern->IsSliderPoint(this, curve) ? 1 : 0;
    reserved = 0;
    return GM_NO_ERROR;
}

// The value of rule in size; (0, 0) without a rule or for a size it does not hold.
static DPOINT valueOf(CGradeRule *rule, int size)
{
    DPOINT d{};
    IGradeRuleValue *value = rule != nullptr ? rule->GetValueAt(size) : nullptr;
    if (value != nullptr)
        value->GetValue(d);
    return d;
}

void CGeomPoint::SetRuleValue(int table, int size, double dx, double dy)
{
    CGradeRule *rule = FindRule(table);
    IGradeRuleValue *value = rule != nullptr ? rule->GetValueAt(size) : nullptr;
    if (value == nullptr)
        return;
    value->SetX(dx);
    value->SetY(dy);
}

DPOINT CGeomPoint::GetPosition(const GradeSize *size) const
{
    DPOINT position{GetX(), GetY()};
    if (size == nullptr || size->IsBaseSize())
        return position;
    const DPOINT value = GetRuleValue(size->table, size->size);
    position.x += value.x;
    position.y += value.y;
    return position;
}

double CGeomPoint::GetX() const
{
    return m_dX - m_pPattern->GetOrigin().x;
}

double CGeomPoint::GetY() const
{
    return m_dY - m_pPattern->GetOrigin().y;
}

DPOINT CGeomPoint::GetRuleValue(int table, int size) const
{
    return valueOf(FindRule(table), size);
}

void CGeomPoint::Interpolate(const CGeomPoint &previous, const CGeomPoint &next)
{
    CGradeRuleData *ruleData = m_pPattern->GetGradeRuleData();
    if (ruleData == nullptr)
        return;
    const DPOINT a = previous.GetPosition(nullptr);
    const DPOINT b = next.GetPosition(nullptr);
    const DPOINT p = GetPosition(nullptr);
    for (int table = 0; table < ruleData->GetGradeRuleTableCount(); ++table) {
        CGradeRule *own = FindRule(table);
        if (own == nullptr)
            return;
        CGradeRule *ruleA = previous.FindRule(table);
        CGradeRule *ruleB = next.FindRule(table);
        for (int size = 0; size < own->GetValueCount(); ++size) {
            const DPOINT valueA = valueOf(ruleA, size);
            const DPOINT valueB = valueOf(ruleB, size);
            const DPOINT moved = morvane::interpolateGradedPosition(
                a, b, {a.x + valueA.x, a.y + valueA.y}, {b.x + valueB.x, b.y + valueB.y}, p);
            IGradeRuleValue *value = own->GetValueAt(size);
            value->SetX(moved.x - p.x);
            value->SetY(moved.y - p.y);
        }
    }
}

CGradeRule *CGeomPoint::FindRule(int table) const
{
    if (m_nRuleNumber < 0)
        return nullptr;
    CGradeRuleData *ruleData = m_pPattern->GetGradeRuleData();
    CGradeRuleTable *ruleTable =
        ruleData != nullptr ? ruleData->GetGradeRuleTableAt(table) : nullptr;
    return ruleTable != nullptr ? ruleTable->GetRule(m_nRuleNumber) : nullptr;
}
