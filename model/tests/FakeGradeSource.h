// Morvane model library tests.
// A grade-model source in memory: a pattern of curves with grade points, sliders and notches.
#pragma once

#include "sources/grade-model/IGradePattern.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testmodel {

class FakeCurve;

/// A point of the fake source. In size (t, s) it lies at its base position plus (s + 1) times
/// its growth, unless a position was stored for that size. It slides on slideCurve when set.
class FakePoint : public IGradePoint
{
public:
    explicit FakePoint(DPOINT base)
        : base(base)
    {
    }

    GM_ERROR GetPosition(GradeSize size, DPOINT &position) override;
    GM_ERROR SetPosition(int table, int size, double x, double y) override;
    GM_ERROR IsMarkPoint(DPOINT &vector, bool &isMark) override;
    GM_ERROR GetSliderInfo(int &isSlider, IGradeCurve *&curve, int &reserved) override;

    /// The position the point has in size.
    DPOINT positionIn(GradeSize size) const;

    DPOINT base;
    DPOINT growth;
    bool isMark = false;
    FakeCurve *slideCurve = nullptr;
    /// The third value of the slider information.
    int sliderIndex = 0;
    /// Positions stored by SetPosition (or by the test), by (table, size).
    std::map<std::pair<int, int>, DPOINT> stored;
    /// Every result of this point is this code.
    GM_ERROR result = GM_NO_ERROR;
};

/// A curve of the fake source: shape nodes that are either a point (its position in the size)
/// or a fixed position (moved by (s + 1) times shapeGrowth in size (t, s)), grade points and
/// notches.
class FakeCurve : public IGradeCurve
{
public:
    struct Node
    {
        FakePoint *point = nullptr;
        DPOINT position;
    };
    struct Notch
    {
        FakePoint *point = nullptr;
        DPOINT vector;
        float distance = 0.0f;
    };

    GM_ERROR GetShape(GradeSize size, std::vector<DPOINT> *points,
                      std::vector<int> *gradeIndex) override;
    GM_ERROR GetGradePointCount(int &count) override;
    IGradePoint *GetGradePointAt(int index) override;
    GM_ERROR GetNotchCount(int &count) override;
    IGradePoint *GetNotchAt(int index, GradeSize size, DPOINT &vector, float &distance,
                            int &kind) override;

    /// Appends a node for a point.
    FakeCurve &through(FakePoint *point);
    /// Appends a node at a fixed position.
    FakeCurve &through(DPOINT position);

    std::vector<Node> nodes;
    std::vector<FakePoint *> gradePoints;
    std::vector<Notch> notches;
    DPOINT shapeGrowth;
    /// Whether GetShape gives the grade index of each shape point (else none at all).
    bool givesIndexes = true;
    /// When set, GetShape gives these index entries whatever the nodes are.
    std::optional<std::vector<int>> indexOverride;
    /// When set, the counts stated, whatever the lists hold.
    std::optional<int> statedGradePointCount;
    std::optional<int> statedNotchCount;
    /// The number of GetShape calls.
    int shapeCalls = 0;
    GM_ERROR result = GM_NO_ERROR;
};

/// A pattern of the fake source: it owns its points and curves. Its grade points are the
/// listed points: those made by addPoint, in order, unless the test lists others.
class FakePattern : public IGradePattern
{
public:
    explicit FakePattern(std::string name = "Back")
        : name(std::move(name))
    {
    }

    GM_ERROR GetName(std::string &out) override;
    GM_ERROR GetCurveCount(int &count) override;
    IGradeCurve *GetCurveAt(int index) override;
    GM_ERROR GetInternalPointCount(int &count) override;
    IGradePoint *GetInternalPointAt(int index) override;

    FakePoint *addPoint(double x, double y);
    /// A curve whose nodes and grade points are the points, in order.
    FakeCurve *addCurve(std::initializer_list<FakePoint *> points);
    /// A curve without nodes or grade points.
    FakeCurve *addCurve();

    std::string name;
    std::vector<std::unique_ptr<FakePoint>> points;
    std::vector<FakePoint *> listed;
    std::vector<std::unique_ptr<FakeCurve>> curves;
    std::optional<int> statedCurveCount;
    std::optional<int> statedPointCount;
    GM_ERROR result = GM_NO_ERROR;
};

} // namespace testmodel
