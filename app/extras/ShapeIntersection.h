// Morvane program foundation extras.
// Where two curves meet, also where they would meet if prolonged at their ends.
#pragma once

#include "foundation/DPoint.h"

class CSegmentShape;

/// The meeting of two curves, found once at construction and read afterwards. The curves are
/// tried in this order, the first success giving the point: the two polylines against each
/// other (the first meeting along the first curve); then each end extension (the end segment
/// prolonged by the extension length) of the first curve, then of the second, against the other
/// curve, start before end; then the extensions against each other: (start, start),
/// (start, end), (end, start), (end, end). Segments meet within 0.001.
///
/// Each curve's parameter at the meeting is its start parameter plus the length along the
/// curve to the point (minus, when the curve runs backwards, its end parameter being below the
/// start); on a start extension the length is the negative distance from the first point, on an
/// end extension the curve's length plus the distance from the last point. Without a meeting
/// both parameters are the start parameters and the point is (0, 0). A curve of fewer than two
/// points has neither segments nor extensions, so it meets nothing.
class CShapeIntersection
{
public:
    /// The curves are read during construction only.
    CShapeIntersection(const CSegmentShape &first, const CSegmentShape &second, double extension);

    /// 1 when the curves meet, else 0 (the number of points held).
    int IsFound() const { return m_bFound ? 1 : 0; }
    /// The meeting point; the record holds at most one, so every i gives it.
    DPOINT GetPoint(int i) const;
    double GetFirstParameter() const { return m_dFirstParameter; }
    double GetSecondParameter() const { return m_dSecondParameter; }
    double GetExtension() const { return m_dExtension; }

private:
    DPOINT m_oPoint;
    bool m_bFound = false;
    double m_dFirstParameter = 0.0;
    double m_dSecondParameter = 0.0;
    double m_dExtension;
};
