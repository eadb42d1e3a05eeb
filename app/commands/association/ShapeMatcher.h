// Morvane editing commands: pattern association.
// The partner of a point of one contour among the points of another, by their shape contexts.
#pragma once

#include "app/commands/association/ContourSampler.h"
#include "foundation/PtrCollection.h"

class CBasePoint;
class CContour;

/// Compares the points of a first contour with those of a second by their shape contexts and,
/// where both lie on their outlines, by how the outlines turn there.
class CShapeMatcher
{
public:
    /// The cost of a point that has no shape context.
    static constexpr double kNoContextCost = 100.0;

    CShapeMatcher();
    ~CShapeMatcher();

    /// The contours (not owned) and whether their patterns' mark and grade points join them.
    void SetContours(const CContour *first, const CContour *second, bool includeMarkPoints,
                     bool includeGradePoints);
    /// A point whose outline turns by more than this (radians) is also compared by its turn.
    void SetTurnThreshold(double radians) { m_dTurnThreshold = radians; }
    /// Samples both contours.
    void Build();

    /// The candidate of the second contour whose shape context is nearest to point's (on the
    /// first), with cost its chi-square distance plus, where both samples lie on their
    /// outlines, a fifth of their bisectors' difference over pi and, at a turn beyond the
    /// threshold, a fifth of the turns' difference over pi. The first of equal costs wins; null,
    /// with cost kNoContextCost when point has no shape context, or with cost unchanged when no
    /// candidate has one.
    CBasePoint *FindBestMatch(const CBasePoint *point, const CPtrCollection<CBasePoint> &candidates,
                              double &cost) const;

    const CContourSampler &GetFirstSampler() const { return m_oFirst; }
    const CContourSampler &GetSecondSampler() const { return m_oSecond; }

private:
    /// The turn and bisector at a histogram's sample; false when the sample is off the outline.
    static bool turnAt(const CContourSampler &sampler, const CShapeHistogram &histogram,
                       double &turn, double &bisector);

    CContourSampler m_oFirst;
    CContourSampler m_oSecond;
    double m_dTurnThreshold = 0.0;
};
