// Morvane program foundation extras.
// The gap between one segment of each of two polylines, worked out when first asked for.
#pragma once

class CSegmentShape;

/// The shortest distance between segment i of a first polyline (from its point i to point i + 1)
/// and segment j of a second one: 0 where they cross or touch. It is worked out on the first
/// request after the segments are chosen and kept until they are chosen again, so the curves
/// must not change in between. A segment that the polyline does not have gives infinity: no gap
/// can be measured, so nothing counts as meeting there.
class CShapeGapDistance
{
public:
    /// The curves are not owned and must outlive the record; both segments start at 0.
    CShapeGapDistance(const CSegmentShape &first, const CSegmentShape &second);

    /// Chooses the segment of each curve to measure between.
    void SetSegments(int firstSegment, int secondSegment);

    double GetDistance() const;

private:
    double Measure() const;

    const CSegmentShape &m_rFirst;
    const CSegmentShape &m_rSecond;
    int m_nFirstSegment = 0;
    int m_nSecondSegment = 0;
    mutable bool m_bMustCompute = true;
    mutable double m_dDistance = 0.0;
};
