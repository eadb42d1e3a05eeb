// Morvane editing commands: pattern association.
// A contour sampled evenly between its points, with the shape context of every point.
#include "app/commands/association/ContourSampler.h"

#include "app/commands/association/ShapeContour.h"
#include "app/commands/association/ShapeHistogram.h"
#include "app/extras/NumberFormat.h"
#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/Pattern.h"

namespace {

/// Runs longer than this between two points are sampled in between.
constexpr double kLongestUnsampledRun = 10.1;
/// Samples per unit of length along a sampled run (one about every 10.1).
constexpr double kSamplesPerLength = 0.09900990099009901;

} // namespace

CContourSampler::CContourSampler() = default;
CContourSampler::~CContourSampler() = default;

void CContourSampler::SetContour(const CContour *contour, bool includeMarkPoints,
                                 bool includeGradePoints)
{
    Clear();
    m_pContour = contour;
    m_bIncludeMarkPoints = includeMarkPoints;
    m_bIncludeGradePoints = includeGradePoints;
}

void CContourSampler::Clear()
{
    m_aSamples.clear();
    m_pShapeContour.reset();
    m_aHistograms.clear();
}

void CContourSampler::Build()
{
    Clear();
    if (m_pContour == nullptr)
        return;
    sampleOutline();
    addPatternPoints();
    std::vector<double> xs;
    std::vector<double> ys;
    for (const ContourSample &sample : m_aSamples) {
        xs.push_back(sample.position.x);
        ys.push_back(sample.position.y);
    }
    m_pShapeContour = std::make_unique<CShapeContour>(static_cast<int>(xs.size()), xs.data(),
                                                      ys.data(), m_pContour->IsClockwise());
    for (size_t i = 0; i < m_aSamples.size(); ++i) {
        if (m_aSamples[i].point == nullptr)
            continue;
        std::unique_ptr<CShapeHistogram> histogram =
            m_pShapeContour->MakeShapeContext(static_cast<int>(i));
        histogram->SetPointIndexes(m_aSamples[i].point, static_cast<int>(i));
        m_aHistograms.push_back(std::move(histogram));
    }
}

// Every vertex with a point gets a sample, and the runs between them samples of their own.
void CContourSampler::sampleOutline()
{
    std::vector<DPOINT> outline;
    CPtrCollection<CBasePoint> points;
    if (!m_pContour->GetOutContour(&outline, &points, nullptr, nullptr, true, true, false))
        return;
    const bool closed = m_pContour->IsClosed();
    if (closed) {
        outline.push_back(outline.front());
        points.Add(points.GetFirst());
    }
    const int last = static_cast<int>(outline.size()) - 1;
    if (last == 0)
        m_aSamples.push_back({outline.front(), m_pContour, points.GetAt(0)});
    for (int i = 0; i < last;) {
        m_aSamples.push_back({outline[static_cast<size_t>(i)], m_pContour, points.GetAt(i)});
        int j = i + 1;
        while (j < last && points.GetAt(j) == nullptr)
            ++j;
        sampleRun(outline, i, j);
        if (j == last && !closed)
            m_aSamples.push_back({outline[static_cast<size_t>(j)], m_pContour, points.GetAt(j)});
        i = j;
    }
}

void CContourSampler::sampleRun(const std::vector<DPOINT> &outline, int from, int to)
{
    double length = 0.0;
    for (int k = from; k < to; ++k)
        length +=
            GetDPointDistance(outline[static_cast<size_t>(k)], outline[static_cast<size_t>(k + 1)]);
    if (length <= kLongestUnsampledRun)
        return;
    const double step = length / RoundToInt(length * kSamplesPerLength);
    double carry = 0.0;
    for (int k = from; k < to; ++k) {
        const DPOINT &a = outline[static_cast<size_t>(k)];
        const DPOINT &b = outline[static_cast<size_t>(k + 1)];
        const double segment = GetDPointDistance(a, b);
        if (segment == 0.0)
            continue;
        double into = step - carry;
        carry += segment;
        // On the run's last segment no sample comes within half a step of its end.
        const double limit = k + 1 == to ? 1.5 * step : step;
        while (carry >= limit) {
            const double t = into / segment;
            m_aSamples.push_back({{a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)}, m_pContour});
            into += step;
            carry -= step;
        }
    }
}

void CContourSampler::addPatternPoints()
{
    const CPattern *pattern = m_pContour->GetPattern();
    if (pattern == nullptr)
        return;
    if (m_bIncludeMarkPoints) {
        for (int i = 0; i < pattern->GetMarkPointCount(); ++i) {
            CBasePoint *point = pattern->GetMarkPointAt(i);
            m_aSamples.push_back({point->GetAbsPosition(), nullptr, point});
        }
    }
    if (!m_bIncludeGradePoints)
        return;
    CPtrCollection<CBasePoint> gradePoints;
    pattern->AppendGradePoints(gradePoints);
    for (CBasePoint *point : gradePoints) {
        if (!hasSample(point))
            m_aSamples.push_back({point->GetAbsPosition(), nullptr, point});
    }
}

bool CContourSampler::hasSample(const CBasePoint *point) const
{
    for (const ContourSample &sample : m_aSamples) {
        if (sample.point == point)
            return true;
    }
    return false;
}

CShapeHistogram *CContourSampler::FindHistogram(const CBasePoint *point) const
{
    for (const auto &histogram : m_aHistograms) {
        if (histogram->GetPoint() == point)
            return histogram.get();
    }
    return nullptr;
}
