// Morvane client grade model.
// A polyline of a client pattern: points of its pattern in line order, with notches.
#include "sources/client-model/GeomPolyline.h"

#include "sources/client-model/GeomPattern.h"
#include "sources/grade-geometry/GradeInterpolation.h"
#include "sources/grade-geometry/NotchDistance.h"

#include <memory>

GM_ERROR CGeomPolyline::GetShape(GradeSize size, std::vector<DPOINT> *points,
                                 std::vector<int> *gradeIndex)
{
    if (m_bNeedsInterpolation) {
        m_bNeedsInterpolation = false;
        InterpolateGrading();
    }
    if (points != nullptr) {
        points->clear();
        for (const CGeomPoint *point : m_oPoints)
            points->push_back(point->GetPosition(&size));
    }
    if (gradeIndex != nullptr) {
        gradeIndex->clear();
        int nextGradeIndex = 0;
        for (const CGeomPoint *point : m_oPoints)
            gradeIndex->push_back(point->IsGradePoint() ? nextGradeIndex++ : -1);
    }
    return GM_NO_ERROR;
}

GM_ERROR CGeomPolyline::GetGradePointCount(int &count)
{
    count = 0;
    for (const CGeomPoint *point : m_oPoints) {
        if (point->IsGradePoint())
            ++count;
    }
    return GM_NO_ERROR;
}

CGeomPoint *CGeomPolyline::GetGradePointAt(int index)
{
    int gradeIndex = 0;
    for (CGeomPoint *point : m_oPoints) {
        if (point->IsGradePoint() && gradeIndex++ == index)
            return point;
    }
    return nullptr;
}

GM_ERROR CGeomPolyline::GetNotchCount(int &count)
{
    count = m_oNotches.GetCount();
    return GM_NO_ERROR;
}

CGeomPoint *CGeomPolyline::GetNotchAt(int index, GradeSize size, DPOINT &vector, float &distance,
                                      int &kind)
{
    distance = 0.0f;
    kind = -1;
    if (index < 0 || index >= m_oNotches.GetCount())
        return nullptr;
    const CGeomNotch *notch = m_oNotches.GetAt(index);
    notch->GetVector(vector.x, vector.y);

    // The shape first: it re-interpolates the line, and with it a notch on one of its points.
    std::vector<DPOINT> shape;
    GetShape(size, &shape, nullptr);
    distance = morvane::notchDistance(shape, notch->GetPoint()->GetPosition(&size));
    return notch->GetPoint();
}

void CGeomPolyline::InterpolateGrading()
{
    morvane::forEachInterpolatedPoint(
        m_oPoints.GetCount(), [this](int i) { return m_oPoints.GetAt(i)->IsGradePoint(); },
        [this](int i, int previous, int next) {
            m_oPoints.GetAt(i)->Interpolate(*m_oPoints.GetAt(previous), *m_oPoints.GetAt(next));
        });
}

int32_t CGeomPolyline::AddNotch(int32_t pointIndex, double vx, double vy)
{
    CGeomPoint *point = m_pOwner != nullptr ? m_pOwner->GetBasePointAt(pointIndex) : nullptr;
    if (point == nullptr)
        return -1;
    return m_oNotches.AddOwned(std::make_unique<CGeomNotch>(point, vx, vy));
}

int32_t CGeomPolyline::AddPoint(int32_t index)
{
    CGeomPoint *point = m_pOwner != nullptr ? m_pOwner->GetBasePointAt(index) : nullptr;
    if (point == nullptr)
        return -1;
    Invalidate();
    return m_oPoints.Add(point);
}

int CGeomPolyline::GetPointCount() const
{
    return m_oPoints.GetCount();
}

CGeomPoint *CGeomPolyline::GetNotchPointAt(int index) const
{
    if (index < 0 || index >= m_oNotches.GetCount())
        return nullptr;
    return m_oNotches.GetAt(index)->GetPoint();
}

bool CGeomPolyline::Create(CGeomPattern *owner, int32_t first, int32_t count, int32_t type)
{
    const int64_t end = static_cast<int64_t>(first) + count;
    if (owner == nullptr || first < 0 || count < 0 || end > owner->GetBasePointCount())
        return false;
    m_pOwner = owner;
    m_nLineType = type;
    for (int32_t i = first; i < end; ++i)
        m_oPoints.Add(owner->GetBasePointAt(i));
    Invalidate();
    return true;
}

int32_t CGeomPolyline::GetPointAt(int32_t index) const
{
    if (!IsLineIndex(index))
        return -1;
    return m_pOwner->FindBasePoint(m_oPoints.GetAt(index));
}

CGeomNotch *CGeomPolyline::FindNotch(const CGeomPoint *point) const
{
    for (CGeomNotch *notch : m_oNotches) {
        if (notch->GetPoint() == point)
            return notch;
    }
    return nullptr;
}

bool CGeomPolyline::ContainsShapePoint(const CGeomPoint *point) const
{
    return m_oPoints.Find(point) >= 0;
}
