// Morvane AAMA grade model.
// One pattern of an AAMA grade model: its outline points, curves, notches and internal points.
#include "sources/aama-model/AamaGradePattern.h"

#include <algorithm>
#include <cassert>
#include <utility>

using namespace morvane;

CAamaGradePattern::CAamaGradePattern(std::string name)
    : m_sName(name)
    , m_sShownName(std::move(name))
{
}

GM_ERROR CAamaGradePattern::GetName(std::string &name)
{
    name = m_sShownName;
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradePattern::GetCurveCount(int &count)
{
    count = static_cast<int>(m_oCurves.size());
    return GM_NO_ERROR;
}

CAamaGradeCurve *CAamaGradePattern::GetCurveAt(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_oCurves.size())
        return nullptr;
    return &m_oCurves[static_cast<std::size_t>(index)];
}

GM_ERROR CAamaGradePattern::GetInternalPointCount(int &count)
{
    count = static_cast<int>(m_oRulePoints.size());
    return GM_NO_ERROR;
}

CAamaGradePoint *CAamaGradePattern::GetInternalPointAt(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_oRulePoints.size())
        return nullptr;
    return m_oRulePoints[static_cast<std::size_t>(index)];
}

CAamaGradePoint *CAamaGradePattern::AddBoundaryPoint(double x, double y, int32_t kind,
                                                     int32_t ruleNumber)
{
    return &m_oBoundaryPoints.emplace_back(x, y, kind, ruleNumber);
}

CAamaGradePoint *CAamaGradePattern::AddInternalPoint(double x, double y, int32_t kind,
                                                     int32_t ruleNumber)
{
    CAamaGradePoint *added = &m_oInternalPoints.emplace_back(x, y, kind, ruleNumber);
    AddRulePoint(added);
    return added;
}

CAamaGradeCurve *CAamaGradePattern::AddCurve()
{
    return &m_oCurves.emplace_back();
}

CAamaNotch *CAamaGradePattern::AddNotch(CAamaGradePoint *point, DPOINT vector, double angle)
{
    CAamaNotch *added = &m_oNotches.emplace_back(CAamaNotch{point, vector, angle, nullptr});
    point->SetNotch(added);
    return added;
}

CAamaGradePoint *CAamaGradePattern::AddNotchOffOutline(double x, double y, DPOINT vector,
                                                       double angle, int32_t ruleNumber,
                                                       int drawingItem)
{
    CAamaGradePoint *added = &m_oNotchesOffOutline.emplace_back(x, y, kAamaNotchPoint, ruleNumber);
    m_oNotchDrawingItems.push_back(drawingItem);
    AddNotch(added, vector, angle);
    if (added->HasRule())
        AddRulePoint(added);
    return added;
}

void CAamaGradePattern::AddRulePoint(CAamaGradePoint *point)
{
    // The loaders add each point once, as they read it; looking for it first in every build would
    // make loading a file with many rule points quadratic.
    assert(std::find(m_oRulePoints.begin(), m_oRulePoints.end(), point) == m_oRulePoints.end() &&
           "a rule point added twice");
    m_oRulePoints.push_back(point);
}

void CAamaGradePattern::BuildCurvesFromBoundary()
{
    if (m_oBoundaryPoints.empty())
        return;
    CAamaGradeCurve *curve = AddCurve();
    // The points of the current curve, given to it at once when it ends.
    std::vector<CAamaGradePoint *> run;
    run.reserve(m_oBoundaryPoints.size() + 1);
    // Where the outline closes: where its first curve starts (a skipped point does not count).
    CAamaGradePoint *first = nullptr;
    for (CAamaGradePoint &point : m_oBoundaryPoints) {
        const int32_t kind = point.GetKind();
        if (kind == kAamaInternalPoint) {
            AddInternalPoint(point.GetBasePosition().x, point.GetBasePosition().y, kind,
                             point.GetRuleNumber());
            continue;
        }
        if (kind != kAamaTurnPoint && kind != kAamaCurvePoint && kind != kAamaNotchPoint)
            continue;
        if (first == nullptr)
            first = &point;
        run.push_back(&point);
        if (point.HasRule())
            AddRulePoint(&point);
        if (kind == kAamaNotchPoint && point.GetNotch() != nullptr)
            curve->AddNotch(point.GetNotch());
        if (kind == kAamaTurnPoint && run.size() > 1) {
            curve->AddPoints(run);
            curve = AddCurve();
            run.assign(1, &point);
        }
    }
    if (first != nullptr)
        run.push_back(first);
    curve->AddPoints(run);
}

void CAamaGradePattern::ResetPositions(const std::vector<int> &sizeCounts)
{
    m_oPositionLayout.Reset(sizeCounts);
    const std::size_t count = m_oPositionLayout.PositionCount();
    m_oPositions.resize(count * (m_oBoundaryPoints.size() + m_oInternalPoints.size() +
                                 m_oNotchesOffOutline.size()));
    DPOINT *positions = m_oPositions.data();
    for (auto *points : {&m_oBoundaryPoints, &m_oInternalPoints, &m_oNotchesOffOutline}) {
        for (CAamaGradePoint &point : *points) {
            point.ResetPositions(m_oPositionLayout, positions);
            positions += count;
        }
    }
}
