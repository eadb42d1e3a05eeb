// Morvane model library.
// Guarded questions to a grade-model source, each answer checked for critical errors.
#include "model/GradeSourceQueries.h"

#include "model/MorvaneException.h"

#include <algorithm>

namespace morvane {

// Success is the answer nearly always; it is told apart here, without a call per answer.
static void check(GM_ERROR result)
{
    if (result != GM_NO_ERROR)
        CMorvaneException::HandleCriticalError(result);
}

// Objects 0 .. count - 1 as at(i) answers them, up to the first null.
template <class T, class At> static std::vector<T *> listOf(int count, At at)
{
    std::vector<T *> items;
    for (int i = 0; i < count; ++i) {
        T *item = at(i);
        if (item == nullptr)
            break;
        items.push_back(item);
    }
    return items;
}

std::string nameOf(IGradePattern &pattern)
{
    std::string name;
    check(pattern.GetName(name));
    return name;
}

std::vector<IGradeCurve *> curvesOf(IGradePattern &pattern)
{
    int count = 0;
    check(pattern.GetCurveCount(count));
    return listOf<IGradeCurve>(count, [&](int i) { return pattern.GetCurveAt(i); });
}

std::vector<IGradePoint *> internalPointsOf(IGradePattern &pattern)
{
    int count = 0;
    check(pattern.GetInternalPointCount(count));
    return listOf<IGradePoint>(count, [&](int i) { return pattern.GetInternalPointAt(i); });
}

std::vector<IGradePoint *> gradePointsOf(IGradeCurve &curve)
{
    int count = 0;
    check(curve.GetGradePointCount(count));
    return listOf<IGradePoint>(count, [&](int i) { return curve.GetGradePointAt(i); });
}

IGradePoint *gradePointAt(IGradeCurve &curve, int index)
{
    int count = 0;
    check(curve.GetGradePointCount(count));
    return index >= 0 && index < count ? curve.GetGradePointAt(index) : nullptr;
}

int notchCountOf(IGradeCurve &curve)
{
    int count = 0;
    check(curve.GetNotchCount(count));
    return std::clamp(count, 0, kMostNotchesPerCurve);
}

DPOINT positionOf(IGradePoint &point, GradeSize size)
{
    DPOINT position;
    check(point.GetPosition(size, position));
    return position;
}

void storePosition(IGradePoint &point, GradeSize size, DPOINT position)
{
    check(point.SetPosition(size.table, size.size, position.x, position.y));
}

SliderInfo sliderInfoOf(IGradePoint &point)
{
    int isSlider = 0;
    IGradeCurve *curve = nullptr;
    int index = 0;
    check(point.GetSliderInfo(isSlider, curve, index));
    return {isSlider == 1, curve, index};
}

bool isMarkPoint(IGradePoint &point)
{
    DPOINT vector;
    bool isMark = false;
    check(point.IsMarkPoint(vector, isMark));
    return isMark;
}

} // namespace morvane
