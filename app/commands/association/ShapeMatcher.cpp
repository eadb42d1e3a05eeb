// Morvane editing commands: pattern association.
// The partner of a point of one contour among the points of another, by their shape contexts.
#include "app/commands/association/ShapeMatcher.h"

#include "app/commands/association/ShapeContour.h"
#include "app/commands/association/ShapeHistogram.h"
#include "foundation/Geometry.h"

#include <cmath>
#include <numbers>

namespace {

/// The weight of an angle difference (over pi) in a pairing's cost.
constexpr double kAngleWeight = 0.2;

} // namespace

CShapeMatcher::CShapeMatcher() = default;
CShapeMatcher::~CShapeMatcher() = default;

void CShapeMatcher::SetContours(const CContour *first, const CContour *second,
                                bool includeMarkPoints, bool includeGradePoints)
{
    m_oFirst.SetContour(first, includeMarkPoints, includeGradePoints);
    m_oSecond.SetContour(second, includeMarkPoints, includeGradePoints);
}

void CShapeMatcher::Build()
{
    m_oFirst.Build();
    m_oSecond.Build();
}

bool CShapeMatcher::turnAt(const CContourSampler &sampler, const CShapeHistogram &histogram,
                           double &turn, double &bisector)
{
    const ContourSample &sample =
        sampler.GetSamples()[static_cast<size_t>(histogram.GetSampleIndex())];
    if (sample.contour == nullptr)
        return false;
    turn = sampler.GetShapeContour()->GetTurnAngle(histogram.GetSampleIndex(), bisector);
    return true;
}

static double angleShare(double a, double b)
{
    return std::fabs(GetAngleDifference(a, b)) / std::numbers::pi * kAngleWeight;
}

CBasePoint *CShapeMatcher::FindBestMatch(const CBasePoint *point,
                                         const CPtrCollection<CBasePoint> &candidates,
                                         double &cost) const
{
    const CShapeHistogram *own = m_oFirst.FindHistogram(point);
    if (own == nullptr) {
        cost = kNoContextCost;
        return nullptr;
    }
    double turn = 0.0;
    double bisector = 0.0;
    const bool onOutline = turnAt(m_oFirst, *own, turn, bisector);
    CBasePoint *best = nullptr;
    for (int i = 0; i < m_oSecond.GetHistogramCount(); ++i) {
        const CShapeHistogram &other = *m_oSecond.GetHistogramByIndex(i);
        if (candidates.Find(other.GetPoint()) < 0)
            continue;
        double pairing = CShapeHistogram::ChiSquareCost(*own, other);
        double otherTurn = 0.0;
        double otherBisector = 0.0;
        if (onOutline && turnAt(m_oSecond, other, otherTurn, otherBisector)) {
            pairing += angleShare(bisector, otherBisector);
            if (std::fabs(turn) > m_dTurnThreshold)
                pairing += angleShare(turn, otherTurn);
        }
        if (best == nullptr || pairing < cost) {
            best = other.GetPoint();
            cost = pairing;
        }
    }
    return best;
}
