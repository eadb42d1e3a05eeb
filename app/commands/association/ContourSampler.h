// Morvane editing commands: pattern association.
// A contour sampled evenly between its points, with the shape context of every point.
#pragma once

#include "foundation/DPoint.h"

#include <memory>
#include <vector>

class CBasePoint;
class CContour;
class CShapeContour;
class CShapeHistogram;

/// One sample of a contour: its absolute position, the contour it lies on (none for a pattern
/// point sampled off the outline) and the point behind it (none where it only shapes the
/// outline).
struct ContourSample
{
    DPOINT position;
    const CContour *contour = nullptr;
    CBasePoint *point = nullptr;
};

/// Samples a contour's outline (base size, with slider points) at its points and about every
/// 10.1 along the runs between them, optionally adds the pattern's mark and grade points, and
/// makes the shape context of every sample that stands for a point.
class CContourSampler
{
public:
    CContourSampler();
    ~CContourSampler();

    /// The contour to sample (not owned); the pattern's mark points and its grade points that
    /// are not on the outline join the samples when asked. Clears what was built.
    void SetContour(const CContour *contour, bool includeMarkPoints, bool includeGradePoints);
    /// Samples the contour and makes the shape contexts; nothing without a contour.
    void Build();
    /// Forgets the samples, the shape contour and the histograms.
    void Clear();

    /// The histogram of the point; null when it has none.
    CShapeHistogram *FindHistogram(const CBasePoint *point) const;
    int GetHistogramCount() const { return static_cast<int>(m_aHistograms.size()); }
    CShapeHistogram *GetHistogramByIndex(int i) const
    {
        return m_aHistograms[static_cast<size_t>(i)].get();
    }

    const std::vector<ContourSample> &GetSamples() const { return m_aSamples; }
    /// The shape contour of the samples; null before Build.
    const CShapeContour *GetShapeContour() const { return m_pShapeContour.get(); }

private:
    void sampleOutline();
    /// Samples the run from vertex `from` to vertex `to` about every 10.1, none within half a
    /// step of `to`.
    void sampleRun(const std::vector<DPOINT> &outline, int from, int to);
    void addPatternPoints();
    bool hasSample(const CBasePoint *point) const;

    const CContour *m_pContour = nullptr;
    bool m_bIncludeMarkPoints = false;
    bool m_bIncludeGradePoints = false;
    std::vector<ContourSample> m_aSamples;
    std::unique_ptr<CShapeContour> m_pShapeContour;
    std::vector<std::unique_ptr<CShapeHistogram>> m_aHistograms;
};
