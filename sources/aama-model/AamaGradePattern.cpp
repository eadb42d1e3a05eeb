// Morvane AAMA grade model.
// One pattern of an AAMA grade model: its outline points, curves, notches and internal points.
#include "sources/aama-model/AamaGradePattern.h"

#include <utility>

using namespace morvane;

CAamaGradePattern::CAamaGradePattern(std::string name)
    : m_sName(std::move(name))
{
}

GM_ERROR CAamaGradePattern::GetName(std::string &name)
{
    name = m_sName;
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradePattern::GetCurveCount(int &count)
{
    count = m_oCurves.GetCount();
    return GM_NO_ERROR;
}

CAamaGradeCurve *CAamaGradePattern::GetCurveAt(int index)
{
    if (index < 0 || index >= m_oCurves.GetCount())
        return nullptr;
    return m_oCurves.GetAt(index);
}

GM_ERROR CAamaGradePattern::GetInternalPointCount(int &count)
{
    count = m_oRulePoints.GetCount();
    return GM_NO_ERROR;
}

CAamaGradePoint *CAamaGradePattern::GetInternalPointAt(int index)
{
    if (index < 0 || index >= m_oRulePoints.GetCount())
        return nullptr;
    return m_oRulePoints.GetAt(index);
}

CAamaGradePoint *CAamaGradePattern::AddBoundaryPoint(std::unique_ptr<CAamaGradePoint> point)
{
    return m_oBoundaryPoints.GetAt(m_oBoundaryPoints.AddOwned(std::move(point)));
}

CAamaGradePoint *CAamaGradePattern::AddInternalPoint(std::unique_ptr<CAamaGradePoint> point)
{
    CAamaGradePoint *added = m_oInternalPoints.GetAt(m_oInternalPoints.AddOwned(std::move(point)));
    AddRulePoint(added);
    return added;
}

CAamaGradeCurve *CAamaGradePattern::AddCurve()
{
    return m_oCurves.GetAt(m_oCurves.AddOwned(std::make_unique<CAamaGradeCurve>()));
}

CAamaNotch *CAamaGradePattern::AddNotch(CAamaGradePoint *point, DPOINT vector, double angle)
{
    auto notch = std::make_unique<CAamaNotch>(CAamaNotch{point, vector, angle});
    CAamaNotch *added = m_oNotches.GetAt(m_oNotches.AddOwned(std::move(notch)));
    point->SetNotch(added);
    return added;
}

void CAamaGradePattern::AddRulePoint(CAamaGradePoint *point)
{
    if (m_oRulePoints.Find(point) < 0)
        m_oRulePoints.Add(point);
}

void CAamaGradePattern::BuildCurvesFromBoundary()
{
    if (m_oBoundaryPoints.GetCount() == 0)
        return;
    CAamaGradeCurve *curve = AddCurve();
    for (CAamaGradePoint *point : m_oBoundaryPoints) {
        const int32_t kind = point->GetKind();
        if (kind == kAamaInternalPoint) {
            AddInternalPoint(std::make_unique<CAamaGradePoint>(point->GetBasePosition().x,
                                                               point->GetBasePosition().y, kind,
                                                               point->GetRuleNumber()));
            continue;
        }
        if (kind != kAamaTurnPoint && kind != kAamaCurvePoint && kind != kAamaNotchPoint)
            continue;
        curve->AddPoint(point);
        if (point->HasRule())
            AddRulePoint(point);
        if (kind == kAamaNotchPoint && point->GetNotch() != nullptr)
            curve->AddNotch(point->GetNotch());
        if (kind == kAamaTurnPoint && curve->GetPointCount() > 1) {
            curve = AddCurve();
            curve->AddPoint(point);
        }
    }
    // The outline closes where its first curve starts; a skipped first point does not count.
    if (CAamaGradePoint *first = m_oCurves.GetAt(0)->GetPointAt(0))
        curve->AddPoint(first);
}

void CAamaGradePattern::ResetPositions(const std::vector<int> &sizeCounts)
{
    m_oPositionLayout.Reset(sizeCounts);
    const std::size_t count = m_oPositionLayout.PositionCount();
    m_oPositions.resize(count * static_cast<std::size_t>(m_oBoundaryPoints.GetCount() +
                                                         m_oInternalPoints.GetCount()));
    DPOINT *positions = m_oPositions.data();
    for (const auto *points : {&m_oBoundaryPoints, &m_oInternalPoints}) {
        for (CAamaGradePoint *point : *points) {
            point->ResetPositions(m_oPositionLayout, positions);
            positions += count;
        }
    }
}
