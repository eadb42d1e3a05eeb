// Morvane editing commands: pattern association.
// The shape context of one sample: a histogram of where the other samples of its contour lie.
#include "app/commands/association/ShapeHistogram.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
/// Within this fraction of a bin from a boundary a sample counts in the neighbouring bin too.
constexpr double kBoundaryShare = 0.1;

} // namespace

CShapeHistogram::CShapeHistogram(int angleBins, double referenceDistance)
    : m_nAngleBins(std::max(angleBins, 1))
    , m_dReferenceDistance(referenceDistance)
    , m_aBins(static_cast<size_t>(kDistanceBins * m_nAngleBins), 0.0)
{
}

double &CShapeHistogram::bin(int distanceBin, int angleBin)
{
    return m_aBins[static_cast<size_t>(distanceBin * m_nAngleBins + angleBin)];
}

double CShapeHistogram::GetBin(int distanceBin, int angleBin) const
{
    return m_aBins[static_cast<size_t>(distanceBin * m_nAngleBins + angleBin)];
}

void CShapeHistogram::Add(double angle, double distance)
{
    if (!std::isfinite(angle) || !std::isfinite(distance))
        return;
    angle = std::fmod(angle, kTwoPi);
    if (angle < 0.0)
        angle += kTwoPi;
    const double position = angle / (kTwoPi / m_nAngleBins);
    const int angleBin = std::min(static_cast<int>(std::floor(position)), m_nAngleBins - 1);
    const double fraction = position - angleBin;
    int neighbour = angleBin;
    if (fraction < kBoundaryShare)
        neighbour = angleBin - 1;
    else if (fraction > 1.0 - kBoundaryShare)
        neighbour = angleBin + 1;
    neighbour = (neighbour + m_nAngleBins) % m_nAngleBins;
    int ring = 0;
    if (m_dReferenceDistance > 0.0)
        ring =
            std::min(static_cast<int>(std::floor(kDistanceBins * distance / m_dReferenceDistance)),
                     kDistanceBins - 1);
    ring = std::max(ring, 0);
    bin(ring, angleBin) += 1.0;
    bin(ring, neighbour) += 1.0;
}

void CShapeHistogram::Normalize()
{
    double sum = 0.0;
    for (double value : m_aBins)
        sum += value;
    if (sum <= 0.0)
        return;
    for (double &value : m_aBins)
        value /= sum;
}

double CShapeHistogram::ChiSquareCost(const CShapeHistogram &a, const CShapeHistogram &b)
{
    if (a.m_nAngleBins != b.m_nAngleBins)
        return 0.0;
    double sum = 0.0;
    for (size_t i = 0; i < a.m_aBins.size(); ++i) {
        const double total = a.m_aBins[i] + b.m_aBins[i];
        if (total > 0.0) {
            const double difference = a.m_aBins[i] - b.m_aBins[i];
            sum += difference * difference / total;
        }
    }
    return 0.5 * sum;
}

void CShapeHistogram::SetPointIndexes(CBasePoint *point, int sampleIndex)
{
    m_pPoint = point;
    m_nSampleIndex = sampleIndex;
}
