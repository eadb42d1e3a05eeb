// Morvane AAMA grade model.
// A curve of an AAMA pattern: points of its pattern in curve order, with its notches.
#include "sources/aama-model/AamaGradeCurve.h"

#include "sources/grade-geometry/GradeInterpolation.h"
#include "sources/grade-geometry/NotchDistance.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

// Element index of items, or null for an index out of range.
template <typename T> T *itemAt(const std::vector<T *> &items, int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return nullptr;
    return items[static_cast<std::size_t>(index)];
}

} // namespace

GM_ERROR CAamaGradeCurve::GetShape(GradeSize size, std::vector<DPOINT> *points,
                                   std::vector<int> *gradeIndex)
{
    const int count = GetPointCount();
    // Built in the caller's vector, where it may find room from an earlier shape.
    std::vector<DPOINT> ownShape;
    std::vector<DPOINT> &shape = points != nullptr ? *points : ownShape;
    shape.clear();
    shape.reserve(m_oPoints.size());
    for (const CAamaGradePoint *point : m_oPoints)
        shape.push_back(point->HasRule() ? point->GetGradedPosition(size)
                                         : point->GetBasePosition());

    if (!size.IsBaseSize()) {
        const auto pointAt = [this](int i) { return m_oPoints[static_cast<std::size_t>(i)]; };
        morvane::forEachInterpolatedPoint(
            count, [&](int i) { return pointAt(i)->HasRule(); },
            [&](int i, int previous, int next) {
                CAamaGradePoint *point = pointAt(i);
                DPOINT &position = shape[static_cast<std::size_t>(i)];
                position = morvane::interpolateGradedPosition(
                    pointAt(previous)->GetBasePosition(), pointAt(next)->GetBasePosition(),
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
        gradeIndex->reserve(m_oPoints.size());
        int nextGradeIndex = 0;
        for (const CAamaGradePoint *point : m_oPoints)
            gradeIndex->push_back(point->HasRule() ? nextGradeIndex++ : -1);
    }
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradeCurve::GetGradePointCount(int &count)
{
    count = static_cast<int>(m_oGradePoints.size());
    return GM_NO_ERROR;
}

CAamaGradePoint *CAamaGradeCurve::GetGradePointAt(int index)
{
    return itemAt(m_oGradePoints, index);
}

GM_ERROR CAamaGradeCurve::GetNotchCount(int &count)
{
    count = static_cast<int>(m_oNotches.size());
    return GM_NO_ERROR;
}

CAamaGradePoint *CAamaGradeCurve::GetNotchAt(int index, GradeSize size, DPOINT &vector,
                                             float &distance, int &)
{
    const CAamaNotch *notch = itemAt(m_oNotches, index);
    if (notch == nullptr)
        return nullptr;
    vector = notch->m_oVector;
    // The shape first: it stores the position of an interpolated notch in size.
    std::vector<DPOINT> shape;
    GetShape(size, &shape, nullptr);
    distance = morvane::notchDistance(shape, notch->m_pPoint->GetGradedPosition(size));
    return notch->m_pPoint;
}

void CAamaGradeCurve::AddPoint(CAamaGradePoint *point)
{
    m_oPoints.push_back(point);
    if (point->HasRule())
        m_oGradePoints.push_back(point);
}

void CAamaGradeCurve::AddPoints(std::span<CAamaGradePoint *const> points)
{
    const auto hasRule = [](const CAamaGradePoint *point) { return point->HasRule(); };
    m_oPoints.insert(m_oPoints.end(), points.begin(), points.end());
    m_oGradePoints.reserve(m_oGradePoints.size() +
                           static_cast<std::size_t>(std::ranges::count_if(points, hasRule)));
    std::ranges::copy_if(points, std::back_inserter(m_oGradePoints), hasRule);
}

void CAamaGradeCurve::ReservePoints(int count)
{
    m_oPoints.reserve(m_oPoints.size() + static_cast<std::size_t>(std::max(count, 0)));
}

void CAamaGradeCurve::AddNotch(CAamaNotch *notch)
{
    if (notch->m_pCurve == nullptr)
        notch->m_pCurve = this;
    m_oNotches.push_back(notch);
}

CAamaGradePoint *CAamaGradeCurve::GetPointAt(int index) const
{
    return itemAt(m_oPoints, index);
}
