// Morvane model library tests.
// A grade-model source in memory: a pattern of curves with grade points, sliders and notches.
#include "FakeGradeSource.h"

#include <algorithm>

namespace testmodel {

template <class T> static T *elementAt(const std::vector<T *> &items, int index)
{
    return index >= 0 && static_cast<size_t>(index) < items.size()
               ? items[static_cast<size_t>(index)]
               : nullptr;
}

template <class T> static T *elementAt(const std::vector<std::unique_ptr<T>> &items, int index)
{
    return index >= 0 && static_cast<size_t>(index) < items.size()
               ? items[static_cast<size_t>(index)].get()
               : nullptr;
}

static DPOINT grown(DPOINT base, DPOINT growth, GradeSize size)
{
    if (size.IsBaseSize())
        return base;
    const double steps = size.size + 1.0;
    return {base.x + steps * growth.x, base.y + steps * growth.y};
}

GM_ERROR FakePoint::GetPosition(GradeSize size, DPOINT &position)
{
    position = positionIn(size);
    return result;
}

GM_ERROR FakePoint::SetPosition(int table, int size, double x, double y)
{
    if (table >= 0 && size >= 0)
        stored[{table, size}] = {x, y};
    return result;
}

GM_ERROR FakePoint::IsMarkPoint(DPOINT &, bool &mark)
{
    mark = isMark;
    return result;
}

GM_ERROR FakePoint::GetSliderInfo(int &isSlider, IGradeCurve *&curve, int &reserved)
{
    isSlider = slideCurve != nullptr ? 1 : 0;
    curve = slideCurve;
    reserved = sliderIndex;
    return result;
}

DPOINT FakePoint::positionIn(GradeSize size) const
{
    const auto found = stored.find({size.table, size.size});
    if (!size.IsBaseSize() && found != stored.end())
        return found->second;
    return grown(base, growth, size);
}

GM_ERROR FakeCurve::GetShape(GradeSize size, std::vector<DPOINT> *points,
                             std::vector<int> *gradeIndex)
{
    ++shapeCalls;
    if (points != nullptr) {
        points->clear();
        for (const Node &node : nodes) {
            points->push_back(node.point != nullptr ? node.point->positionIn(size)
                                                    : grown(node.position, shapeGrowth, size));
        }
    }
    if (gradeIndex != nullptr) {
        gradeIndex->clear();
        if (indexOverride) {
            *gradeIndex = *indexOverride;
        } else if (givesIndexes) {
            for (const Node &node : nodes) {
                const auto found = std::find(gradePoints.begin(), gradePoints.end(), node.point);
                gradeIndex->push_back(node.point != nullptr && found != gradePoints.end()
                                          ? static_cast<int>(found - gradePoints.begin())
                                          : -1);
            }
        }
    }
    return result;
}

GM_ERROR FakeCurve::GetGradePointCount(int &count)
{
    count = statedGradePointCount.value_or(static_cast<int>(gradePoints.size()));
    return result;
}

IGradePoint *FakeCurve::GetGradePointAt(int index)
{
    return elementAt(gradePoints, index);
}

GM_ERROR FakeCurve::GetNotchCount(int &count)
{
    count = statedNotchCount.value_or(static_cast<int>(notches.size()));
    return result;
}

IGradePoint *FakeCurve::GetNotchAt(int index, GradeSize size, DPOINT &vector, float &distance,
                                   int &)
{
    if (index < 0 || static_cast<size_t>(index) >= notches.size())
        return nullptr;
    const Notch &notch = notches[static_cast<size_t>(index)];
    vector = grown(notch.vector, shapeGrowth, size);
    distance = notch.distance + (size.IsBaseSize() ? 0.0f : static_cast<float>(size.size + 1));
    return notch.point;
}

FakeCurve &FakeCurve::through(FakePoint *point)
{
    nodes.push_back({point, {}});
    return *this;
}

FakeCurve &FakeCurve::through(DPOINT position)
{
    nodes.push_back({nullptr, position});
    return *this;
}

GM_ERROR FakePattern::GetName(std::string &out)
{
    out = name;
    return result;
}

GM_ERROR FakePattern::GetCurveCount(int &count)
{
    count = statedCurveCount.value_or(static_cast<int>(curves.size()));
    return result;
}

IGradeCurve *FakePattern::GetCurveAt(int index)
{
    return elementAt(curves, index);
}

GM_ERROR FakePattern::GetInternalPointCount(int &count)
{
    count = statedPointCount.value_or(static_cast<int>(listed.size()));
    return result;
}

IGradePoint *FakePattern::GetInternalPointAt(int index)
{
    return elementAt(listed, index);
}

FakePoint *FakePattern::addPoint(double x, double y)
{
    points.push_back(std::make_unique<FakePoint>(DPOINT{x, y}));
    listed.push_back(points.back().get());
    return points.back().get();
}

FakeCurve *FakePattern::addCurve(std::initializer_list<FakePoint *> curvePoints)
{
    FakeCurve *curve = addCurve();
    for (FakePoint *point : curvePoints) {
        curve->through(point);
        curve->gradePoints.push_back(point);
    }
    return curve;
}

FakeCurve *FakePattern::addCurve()
{
    curves.push_back(std::make_unique<FakeCurve>());
    return curves.back().get();
}

} // namespace testmodel
