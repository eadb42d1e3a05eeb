// Morvane editing commands: pattern association.
// The shape context of one sample: a histogram of where the other samples of its contour lie.
#pragma once

#include <vector>

class CBasePoint;

/// A histogram of directions and distances, kDistanceBins rings by a number of angle bins, that
/// tells what the rest of a contour looks like from one of its samples. A sample near an angle
/// bin's boundary counts in both bins, so that a small turn of the contour changes little.
class CShapeHistogram
{
public:
    static constexpr int kDistanceBins = 3;

    /// An empty histogram; distances are binned in thirds of referenceDistance (all in the first
    /// ring when it is not positive).
    CShapeHistogram(int angleBins, double referenceDistance);

    /// Counts a sample seen in the direction angle (radians, any turn) at distance: twice, in
    /// its own bin and, within a tenth of a bin of a boundary, in the neighbouring angle bin
    /// (else twice in its own); distances beyond the reference fall in the outer ring.
    void Add(double angle, double distance);
    /// Divides every bin by the sum of all bins (nothing for an empty histogram).
    void Normalize();
    /// Half the chi-square distance of two histograms over the bins that either fills; 0 when
    /// their angle bin counts differ.
    static double ChiSquareCost(const CShapeHistogram &a, const CShapeHistogram &b);

    /// Notes the model point the histogram describes and the index of its sample.
    void SetPointIndexes(CBasePoint *point, int sampleIndex);
    CBasePoint *GetPoint() const { return m_pPoint; }
    /// The sample's index; -1 before SetPointIndexes.
    int GetSampleIndex() const { return m_nSampleIndex; }

    int GetAngleBinCount() const { return m_nAngleBins; }
    double GetBin(int distanceBin, int angleBin) const;

private:
    double &bin(int distanceBin, int angleBin);

    int m_nAngleBins;
    double m_dReferenceDistance;
    std::vector<double> m_aBins;
    CBasePoint *m_pPoint = nullptr;
    int m_nSampleIndex = -1;
};
