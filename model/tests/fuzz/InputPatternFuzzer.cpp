// Morvane model library fuzz target.
// Builds input patterns from a grade-model source that the input bytes describe, then grades them.
#include "../FakeGradeSource.h"
#include "model/GradeSize.h"
#include "model/InputPatternMask.h"
#include "model/InputPatterns.h"
#include "model/InputPoint.h"
#include "model/MorvaneException.h"
#include "model/NoGeomPolyline.h"
#include "model/Notch.h"
#include "model/PatternLocation.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

using namespace testmodel;

namespace {

/// Reads the input bytes in turn; past the end every read answers 0.
class ByteReader
{
public:
    ByteReader(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }

    uint8_t next() { return m_position < m_size ? m_data[m_position++] : 0; }
    /// A value in [0, count).
    int below(int count) { return count > 0 ? next() % count : 0; }
    bool chance(int inEight) { return below(8) < inEight; }
    /// A coordinate on a grid of 1/8 around 0, so that points meet, merge and line up.
    double coordinate() { return (static_cast<int>(next()) - 128) / 8.0; }
    DPOINT point() { return {coordinate(), coordinate()}; }
    int signedByte() { return static_cast<int8_t>(next()); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_position = 0;
};

/// A grade mask that places every input pattern at a place of the input's choosing.
class FuzzMask : public morvane::InputPatternMask
{
public:
    explicit FuzzMask(DPOINT position)
        : m_position(position)
    {
    }

    IPatternLocation *GetInputPatternLocation(CPattern *inputPattern) override
    {
        std::unique_ptr<CPatternLocation> &location = m_locations[inputPattern];
        if (location == nullptr) {
            location = std::make_unique<CPatternLocation>(inputPattern);
            location->SetRotAngle(m_position.x, true);
            location->SetFlipped(m_position.y > 0);
            location->SetPosition(m_position.x, m_position.y);
        }
        return location.get();
    }
    int GetPatternCount() const override { return 0; }
    CPattern *GetPatternAt(int) const override { return nullptr; }

private:
    DPOINT m_position;
    std::map<CPattern *, std::unique_ptr<CPatternLocation>> m_locations;
};

} // namespace

static GM_ERROR resultCode(ByteReader &reader)
{
    // Mostly success; otherwise any code, critical or not.
    return reader.chance(7) ? GM_NO_ERROR : static_cast<GM_ERROR>(reader.below(24));
}

static void describeCurve(ByteReader &reader, FakePattern &source, FakeCurve &curve)
{
    const int pointCount = static_cast<int>(source.points.size());
    const int nodeCount = reader.below(8);
    for (int i = 0; i < nodeCount; ++i) {
        const int pick = reader.below(pointCount + 2);
        if (pick < pointCount)
            curve.through(source.points[static_cast<size_t>(pick)].get());
        else
            curve.through(reader.point());
    }
    for (const FakeCurve::Node &node : curve.nodes) {
        if (node.point != nullptr && reader.chance(6))
            curve.gradePoints.push_back(node.point);
    }
    curve.shapeGrowth = {reader.coordinate() / 8, reader.coordinate() / 8};
    curve.givesIndexes = reader.chance(5);
    if (reader.chance(1)) {
        std::vector<int> entries(static_cast<size_t>(reader.below(10)));
        for (int &entry : entries)
            entry = reader.signedByte();
        curve.indexOverride = entries;
    }
    const int notchCount = reader.below(3);
    for (int i = 0; i < notchCount; ++i) {
        const int pick = reader.below(pointCount + 1);
        FakePoint *point =
            pick < pointCount ? source.points[static_cast<size_t>(pick)].get() : nullptr;
        curve.notches.push_back({point, reader.point(), static_cast<float>(reader.coordinate())});
    }
    if (reader.chance(1))
        curve.statedGradePointCount = reader.signedByte();
    if (reader.chance(1))
        curve.statedNotchCount = reader.signedByte();
    curve.result = resultCode(reader);
}

static void describeSource(ByteReader &reader, FakePattern &source, FakeCurve &foreign)
{
    const int pointCount = reader.below(12);
    const int curveCount = reader.below(5);
    for (int i = 0; i < pointCount; ++i) {
        FakePoint *point = source.addPoint(reader.coordinate(), reader.coordinate());
        point->growth = {reader.coordinate() / 8, reader.coordinate() / 8};
        point->isMark = reader.chance(2);
        point->sliderIndex = reader.signedByte() % 4;
        point->result = resultCode(reader);
    }
    for (int i = 0; i < curveCount; ++i)
        source.addCurve();
    for (const auto &point : source.points) {
        const int pick = reader.below(curveCount + 3);
        if (pick < curveCount)
            point->slideCurve = source.curves[static_cast<size_t>(pick)].get();
        else if (pick == curveCount)
            point->slideCurve = &foreign;
    }
    for (const auto &curve : source.curves)
        describeCurve(reader, source, *curve);
    if (reader.chance(1) && !source.listed.empty())
        source.listed.push_back(source.listed[static_cast<size_t>(reader.below(pointCount))]);
    if (reader.chance(1))
        source.statedCurveCount = reader.signedByte();
    if (reader.chance(1))
        source.statedPointCount = reader.signedByte();
    source.result = resultCode(reader);
}

// What the program and the formulas ask of a built pattern, in the base size and two others.
static void grade(ByteReader &reader, CInputPattern &pattern)
{
    CSimpleGradeSize sizes[3];
    sizes[1].Create(0, reader.below(3));
    sizes[2].Create(reader.below(2), -1);
    for (const CSimpleGradeSize &size : sizes) {
        for (int i = 0; i < pattern.GetPolylineCount(); ++i) {
            const CNoGeomPolyline *line = pattern.GetInputPolylineAt(i);
            std::vector<DPOINT> shape;
            CPtrCollection<CBasePoint> points;
            line->GetShapeWithSliderPoints(&size, shape, &points, true);
            line->GetLength(&size);
            for (int k = 0; k < line->GetNotchCount(); ++k) {
                double tipX = 0.0;
                double tipY = 0.0;
                line->GetNotchAt(k)->GetNotchPlace(&size, tipX, tipY);
            }
        }
    }
    const int pointCount = pattern.GetBasePointCount();
    for (int i = 0; i < pointCount; ++i) {
        CInputPoint *point = pattern.GetInputPointAt(i);
        point->GetFormatName();
        CPolyline *line = nullptr;
        CBasePoint *slider = point->FindSliderPoint(line);
        point->GetSliderAnchor(line);
        if (slider != nullptr && line != nullptr && pointCount > 0) {
            slider->GetInputPoint()->SetLinkedPoint(
                pattern.GetInputPointAt(reader.below(pointCount)));
            static_cast<CNoGeomPolyline *>(line)->GetSliderDistanceValue(slider, 0,
                                                                         reader.below(3));
        }
        if (reader.chance(2))
            point->MoveGradePointAbs({0, reader.below(3)}, reader.coordinate(), 1.0);
    }
    pattern.GetAbsRect(nullptr);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ByteReader reader(data, size);
    FakeCurve foreign;
    FakePattern source;
    describeSource(reader, source, foreign);
    FuzzMask mask(reader.point());
    CInputPatterns patterns;
    try {
        patterns.AddPattern(&source);
        patterns.AddPattern(&source);
        patterns.Update();
        if (reader.chance(4))
            patterns.SetGradeMask(&mask);
        for (int i = 0; i < patterns.GetPatternCount(); ++i)
            grade(reader, *patterns.GetPatternAt(i));
        patterns.Update();
    } catch (const CMorvaneException &) {
        // A critical code of the source ends the operation; the collection stays whole.
    }
    for (int i = 0; i < patterns.GetPatternCount(); ++i)
        patterns.GetPatternAt(i)->GetBasePointCount();
    return 0;
}
