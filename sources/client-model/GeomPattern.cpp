// Morvane client grade model.
// A pattern of the client grade model: base points, polylines, mark points and grade points.
#include "sources/client-model/GeomPattern.h"

#include "foundation/DRect.h"
#include "sources/client-model/ClientGradeModel.h"

#include <memory>

// Element index of collection, or null for an index out of range.
template <class T> static T *elementAt(const CPtrCollection<T> &collection, int index)
{
    return index >= 0 && index < collection.GetCount() ? collection.GetAt(index) : nullptr;
}

GM_ERROR CGeomPattern::GetName(std::string &name)
{
    name = m_sName;
    return GM_NO_ERROR;
}

GM_ERROR CGeomPattern::GetCurveCount(int &count)
{
    count = GetPolylineCount();
    return GM_NO_ERROR;
}

CGeomPolyline *CGeomPattern::GetCurveAt(int index)
{
    return GetPatternPolylineAt(index);
}

GM_ERROR CGeomPattern::GetInternalPointCount(int &count)
{
    count = m_oGradePoints.GetCount();
    return GM_NO_ERROR;
}

CGeomPoint *CGeomPattern::GetInternalPointAt(int index)
{
    return elementAt(m_oGradePoints, index);
}

void CGeomPattern::BuildGradeRules(int &counter)
{
    for (CGeomPoint *point : m_oBasePoints)
        point->SetRuleNumber(++counter);
}

void CGeomPattern::Create(const std::string &name, CClientGradeModel *model)
{
    m_sName = name;
    m_pModel = model;
}

int CGeomPattern::FindBasePoint(const CGeomPoint *point) const
{
    const auto cached = m_oPointIndexCache.find(point);
    if (cached != m_oPointIndexCache.end())
        return cached->second;
    const int index = m_oBasePoints.Find(point);
    if (index >= 0)
        m_oPointIndexCache.emplace(point, index);
    return index;
}

void CGeomPattern::UpdateOrigin()
{
    // The rectangle is taken around the positions as given, not relative to the current
    // origin, so that updating twice keeps the origin where it is.
    CDRect bounds;
    for (const CGeomPoint *point : m_oBasePoints)
        bounds.Include(point->GetBasePosition().x, point->GetBasePosition().y);
    m_oOrigin = bounds.GetCenter();
}

void CGeomPattern::SetName(const std::string &name)
{
    m_sName = name;
}

int32_t CGeomPattern::AddPolyline(int32_t first, int32_t count, int32_t type)
{
    auto polyline = std::make_unique<CGeomPolyline>();
    if (!polyline->Create(this, first, count, type))
        return -1;
    return m_oPolylines.AddOwned(std::move(polyline));
}

int32_t CGeomPattern::AddBasePoint(double x, double y, int32_t kind)
{
    auto point = std::make_unique<CGeomPoint>(this, x, y, kind);
    if (point->IsGradePoint())
        m_oGradePoints.Add(point.get());
    return m_oBasePoints.AddOwned(std::move(point));
}

int32_t CGeomPattern::AddMarkPoint(int32_t index)
{
    CGeomPoint *point = GetBasePointAt(index);
    if (point == nullptr)
        return -1;
    return m_oMarkPoints.Add(point);
}

CGradeRuleData *CGeomPattern::GetGradeRuleData() const
{
    return m_pModel != nullptr ? m_pModel->GetGradeRuleData() : nullptr;
}

CGeomPoint *CGeomPattern::GetBasePointAt(int index) const
{
    return elementAt(m_oBasePoints, index);
}

int CGeomPattern::GetMarkPointCount() const
{
    return m_oMarkPoints.GetCount();
}

CGeomPoint *CGeomPattern::GetMarkPointAt(int index) const
{
    return elementAt(m_oMarkPoints, index);
}

int CGeomPattern::GetBasePointCount() const
{
    return m_oBasePoints.GetCount();
}

int CGeomPattern::GetPolylineCount() const
{
    return m_oPolylines.GetCount();
}

CGeomPolyline *CGeomPattern::GetPatternPolylineAt(int index) const
{
    return elementAt(m_oPolylines, index);
}

void CGeomPattern::OnBasePointRuleChanged(bool after)
{
    if (after)
        InvalidateInterpolation();
}

void CGeomPattern::InvalidateInterpolation()
{
    for (CGeomPolyline *polyline : m_oPolylines)
        polyline->Invalidate();
}

int CGeomPattern::FindMarkPoint(const CGeomPoint *point) const
{
    return m_oMarkPoints.Find(point);
}

void CGeomPattern::SetPointsId(int &gradeCounter, int &ordinaryCounter)
{
    for (CGeomPoint *point : m_oBasePoints) {
        if (point->GetKind() == 1)
            point->SetId(++gradeCounter);
        else if (point->GetKind() == 0)
            point->SetId(++ordinaryCounter);
    }
}

bool CGeomPattern::IsSliderPoint(const CGeomPoint *point, IGradeCurve *&curve) const
{
    curve = nullptr;
    for (CGeomPolyline *polyline : m_oPolylines) {
        if (polyline->FindNotch(point) != nullptr && !polyline->ContainsShapePoint(point)) {
            curve = polyline;
            return true;
        }
    }
    return false;
}
