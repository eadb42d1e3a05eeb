// Morvane editing commands: pattern association.
// The samples of a contour as the shape-context matching sees them: positions, turns, contexts.
#pragma once

#include <memory>
#include <vector>

class CShapeHistogram;

/// The samples of one contour, in order round it, with the diagonal of their bounding box as
/// the scale of their shape contexts.
class CShapeContour
{
public:
    static constexpr int kAngleBins = 12;

    /// n samples; reversed when the contour runs clockwise, so that turns read the same on
    /// contours of either orientation.
    CShapeContour(int n, const double *xs, const double *ys, bool reversed);
    virtual ~CShapeContour();

    int GetCount() const { return static_cast<int>(m_aX.size()); }
    double GetDiagonal() const { return m_dDiagonal; }

    /// The shape context of sample i: a new histogram (kAngleBins angle bins, the diagonal as
    /// reference distance) of the directions and distances to every other sample, normalised.
    std::unique_ptr<CShapeHistogram> MakeShapeContext(int i) const;
    /// The turn of the contour at sample i, in [-pi, pi), and in bisector the direction halfway
    /// between those to its neighbours (the previous and next samples, swapped when reversed);
    /// 0 and 0 for fewer than three samples.
    double GetTurnAngle(int i, double &bisector) const;

private:
    std::vector<double> m_aX;
    std::vector<double> m_aY;
    double m_dDiagonal = 0.0;
    bool m_bReversed;
};
