// Nerrith point-correspondence library.
// How much two outlines differ, and which vertex of one answers a vertex of the other.
#include "platform/nerrith/PolyComputeHelper.h"

#include "platform/nerrith/AngleMath.h"
#include "platform/nerrith/PolyCompute.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace nerrith;

static constexpr double kDegree = std::numbers::pi / 180.0;

CPolyComputeHelper::CPolyComputeHelper(CPolyCompute *mask, CPolyCompute *input)
    : m_pMask(mask)
    , m_pInput(input)
    , m_dMaxCornerAngleError(60.0 * kDegree)
    , m_dMaxTangentAngleError(45.0 * kDegree)
{
}

CPolyComputeHelper::~CPolyComputeHelper() = default;

bool CPolyComputeHelper::bothClosed() const
{
    return m_pMask->IsClosed() && m_pInput->IsClosed();
}

void CPolyComputeHelper::FindOptimumPosition()
{
    m_oAlignment = bothClosed() ? alignClosed(*m_pMask, *m_pInput) : alignOpen(*m_pMask, *m_pInput);
    m_bAligned = true;
}

double CPolyComputeHelper::GetOptimalValue()
{
    if (!m_bAligned)
        FindOptimumPosition();
    return m_oAlignment.error;
}

double CPolyComputeHelper::GetCurveDistance() const
{
    return alignOpen(*m_pMask, *m_pInput).error;
}

double CPolyComputeHelper::maskPlace(int maskVertex) const
{
    const double perimeter = m_pMask->GetPerimeter();
    return perimeter > 0.0 ? m_pMask->GetArcPosition(maskVertex) / perimeter : 0.0;
}

double CPolyComputeHelper::fittedPlace(int inputVertex) const
{
    const double perimeter = m_pInput->GetPerimeter();
    if (perimeter <= 0.0)
        return 0.0;
    const double arc = m_pInput->GetArcPosition(inputVertex);
    const double along =
        m_oAlignment.reversed ? m_oAlignment.shift - arc : arc - m_oAlignment.shift;
    double place = along / perimeter;
    if (m_pInput->IsClosed())
        place -= std::floor(place);
    return place;
}

double CPolyComputeHelper::placeDifference(double a, double b) const
{
    const double difference = a - b;
    if (!bothClosed())
        return difference;
    return difference - std::floor(difference + 0.5);
}

bool CPolyComputeHelper::isCandidate(int inputVertex) const
{
    const unsigned long flags = m_pInput->GetFlags(inputVertex);
    return (flags & CPolyCompute::kPointFlag) != 0 && (flags & CPolyCompute::kTakenFlag) == 0 &&
           !m_pInput->IsAssociated(inputVertex);
}

std::vector<int> CPolyComputeHelper::candidates(int low, int high) const
{
    const int count = m_pInput->GetPointsCount();
    std::vector<int> vertices;
    if (count == 0)
        return vertices;
    low = std::clamp(low, 0, count - 1);
    high = std::clamp(high, 0, count - 1);
    if (!m_pInput->IsClosed()) {
        for (int j = std::min(low, high); j <= std::max(low, high); ++j)
            vertices.push_back(j);
        return vertices;
    }
    const int step = m_oAlignment.reversed ? -1 : 1;
    for (int k = 0; k < count; ++k) {
        const int j = ((low + step * k) % count + count) % count;
        vertices.push_back(j);
        if (j == high && k > 0)
            break;
    }
    return vertices;
}

// The error over its tolerance; a zero tolerance admits only no error at all.
static double share(double error, double tolerance)
{
    return tolerance > 0.0 ? error / tolerance : 0.0;
}

double CPolyComputeHelper::pairingValue(int maskVertex, int inputVertex, int linkedVertex,
                                        int linkedPartner) const
{
    double shift = placeDifference(maskPlace(maskVertex), fittedPlace(inputVertex));
    if (linkedVertex >= 0 && linkedPartner >= 0) {
        shift =
            placeDifference(placeDifference(maskPlace(maskVertex), maskPlace(linkedVertex)),
                            placeDifference(fittedPlace(inputVertex), fittedPlace(linkedPartner)));
    }
    const double direction = m_oAlignment.reversed ? -1.0 : 1.0;
    const double corner = std::fabs(m_pMask->GetTurnAngle(maskVertex) -
                                    direction * m_pInput->GetTurnAngle(inputVertex));
    const double inputTangent = m_pInput->GetTangentAngle(inputVertex) + m_oAlignment.rotation +
                                (m_oAlignment.reversed ? std::numbers::pi : 0.0);
    const double tangent =
        std::fabs(wrapAngle(m_pMask->GetTangentAngle(maskVertex) - inputTangent));
    shift = std::fabs(shift);
    if (shift > m_dMaxShiftError || corner > m_dMaxCornerAngleError ||
        tangent > m_dMaxTangentAngleError)
        return -1.0;
    return m_dShiftFactor * share(shift, m_dMaxShiftError) +
           m_dCornerAngleFactor * share(corner, m_dMaxCornerAngleError);
}

int CPolyComputeHelper::FindCorrespondingPoint(int maskVertex, int linkedVertex, int linkedPartner,
                                               int low, int high, double &value)
{
    if (maskVertex < 0 || maskVertex >= m_pMask->GetPointsCount())
        return -1;
    if (linkedVertex >= m_pMask->GetPointsCount() || linkedPartner >= m_pInput->GetPointsCount())
        linkedVertex = linkedPartner = -1;
    int best = -1;
    for (int j : candidates(low, high)) {
        if (!isCandidate(j))
            continue;
        const double pairing = pairingValue(maskVertex, j, linkedVertex, linkedPartner);
        if (pairing < 0.0 || (best >= 0 && pairing >= value))
            continue;
        best = j;
        value = pairing;
    }
    return best;
}
