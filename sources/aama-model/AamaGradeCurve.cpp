// Morvane AAMA grade model.
// A curve of an AAMA pattern: points of its pattern in curve order, with its notches.
#include "sources/aama-model/AamaGradeCurve.h"

#include "sources/grade-geometry/GradeInterpolation.h"
#include "sources/grade-geometry/NotchDistance.h"

#include <utility>
#include <vector>

GM_ERROR CAamaGradeCurve::GetShape(GradeSize size, std::vector<DPOINT> *points,
                                   std::vector<int> *gradeIndex)
{
    const int count = m_oPoints.GetCount();
    std::vector<DPOINT> shape;
    shape.reserve(static_cast<std::size_t>(count));
    for (const CAamaGradePoint *point : m_oPoints)
        shape.push_back(point->HasRule() ? point->GetGradedPosition(size)
                                         : point->GetBasePosition());

    if (!size.IsBaseSize()) {
        morvane::forEachInterpolatedPoint(
            count, [this](int i) { return m_oPoints.GetAt(i)->HasRule(); },
            [&](int i, int previous, int next) {
                CAamaGradePoint *point = m_oPoints.GetAt(i);
                DPOINT &position = shape[static_cast<std::size_t>(i)];
                position = morvane::interpolateGradedPosition(
                    m_oPoints.GetAt(previous)->GetBasePosition(),
                    m_oPoints.GetAt(next)->GetBasePosition(),
                    shape[static_cast<std::size_t>(previous)],
                    shape[static_cast<std::size_t>(next)], point->GetBasePosition());
                DPOINT vector;
                bool isMark = false;
                point->IsMarkPoint(vector, isMark);
                if (isMark)
                    point->SetPosition(size.table, size.size, position.x, position.y);
            });
    }

    if (gradeIndex != nullptr) {
        gradeIndex->clear();
        int nextGradeIndex = 0;
        for (const CAamaGradePoint *point : m_oPoints)
            gradeIndex->push_back(point->HasRule() ? nextGradeIndex++ : -1);
    }
    if (points != nullptr)
        *points = std::move(shape);
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradeCurve::GetGradePointCount(int &count)
{
    count = m_oGradePoints.GetCount();
    return GM_NO_ERROR;
}

CAamaGradePoint *CAamaGradeCurve::GetGradePointAt(int index)
{
    if (index < 0 || index >= m_oGradePoints.GetCount())
        return nullptr;
    return m_oGradePoints.GetAt(index);
}

GM_ERROR CAamaGradeCurve::GetNotchCount(int &count)
{
    count = m_oNotches.GetCount();
    return GM_NO_ERROR;
}

CAamaGradePoint *CAamaGradeCurve::GetNotchAt(int index, GradeSize size, DPOINT &vector,
                                             float &distance, int &)
{
    if (index < 0 || index >= m_oNotches.GetCount())
        return nullptr;
    const CAamaNotch *notch = m_oNotches.GetAt(index);
    vector = notch->m_oVector;
    // The shape first: it stores the position of an interpolated notch in size.
    std::vector<DPOINT> shape;
    GetShape(size, &shape, nullptr);
    distance = morvane::notchDistance(shape, notch->m_pPoint->GetGradedPosition(size));
    return notch->m_pPoint;
}

void CAamaGradeCurve::AddPoint(CAamaGradePoint *point)
{
    m_oPoints.Add(point);
    if (point->HasRule())
        m_oGradePoints.Add(point);
}

void CAamaGradeCurve::AddNotch(CAamaNotch *notch)
{
    m_oNotches.Add(notch);
}

CAamaGradePoint *CAamaGradeCurve::GetPointAt(int index) const
{
    if (index < 0 || index >= m_oPoints.GetCount())
        return nullptr;
    return m_oPoints.GetAt(index);
}
