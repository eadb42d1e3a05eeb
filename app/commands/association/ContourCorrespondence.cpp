// Morvane editing commands: pattern association.
// The points of a closed mask contour paired with those of a closed input contour by Nerrith.
#include "app/commands/association/ContourCorrespondence.h"

#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/MaskContour.h"
#include "model/MaskPoint.h"
#include "model/PointAssociationRule.h"
#include "platform/nerrith/PolyCompute.h"
#include "platform/nerrith/PolyComputeHelper.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
/// A point whose outline turns by more than this (thirty degrees) is a corner.
constexpr double kCornerTurn = 0.5235987755983;
/// The rule kind whose points are left out of the processing order.
constexpr int kExcludedRuleKind = 3;

} // namespace

CContourCorrespondence::CContourCorrespondence() = default;
CContourCorrespondence::~CContourCorrespondence() = default;

void CContourCorrespondence::SetClosedContour(Side side, const std::vector<DPOINT> &points,
                                              const std::vector<unsigned long> &flags,
                                              const std::vector<CBasePoint *> &pointList)
{
    auto polygon = std::make_unique<CPolyCompute>();
    polygon->Create(static_cast<int>(points.size()), points.data(), flags.data());
    m_aPoints[side] = pointList;
    m_aFlags[side] = flags;
    if (side == MaskSide) {
        m_pMask = std::move(polygon);
        m_aCorrespondence.assign(points.size(), -1);
    } else {
        m_pInput = std::move(polygon);
    }
}

void CContourCorrespondence::SetParams(const PointAssociationParams &params)
{
    m_oParams = params;
    m_pHelper = std::make_unique<CPolyComputeHelper>(m_pMask.get(), m_pInput.get());
    setTolerancesFor(-1);
    m_pHelper->SetShiftFactor(params.shiftFactor);
    m_pHelper->SetCornerAngleFactor(params.cornerFactor);
}

// The record's tolerances, or those the vertex's rule defines itself.
void CContourCorrespondence::setTolerancesFor(int vertex)
{
    const CPointAssociationRule *rule = vertex >= 0 ? ruleOf(vertex) : nullptr;
    const double shift =
        rule != nullptr && rule->GetCustomShift() ? rule->GetShiftError() : m_oParams.shiftMatch;
    const double corner = rule != nullptr && rule->GetCustomTurn() ? rule->GetTurnError()
                                                                   : m_oParams.cornerAngleMatch;
    const double tangent = rule != nullptr && rule->GetCustomTangent()
                               ? rule->GetTangentError()
                               : m_oParams.tangentAngleMatch;
    const double perimeter = m_pMask->GetPerimeter();
    m_pHelper->SetMaxShiftError(perimeter > 0.0 ? shift / perimeter : 0.0);
    m_pHelper->SetMaxCornerAngleError(corner * kDegree);
    m_pHelper->SetMaxTangentAngleError(tangent * kDegree);
}

CPointAssociationRule *CContourCorrespondence::ruleOf(int vertex) const
{
    CBasePoint *point = m_aPoints[MaskSide][static_cast<size_t>(vertex)];
    if (point == nullptr || m_pRules == nullptr)
        return nullptr;
    return m_pRules->GetAssRule(point);
}

void CContourCorrespondence::MapExistingAssociations()
{
    const std::vector<CBasePoint *> &inputPoints = m_aPoints[InputSide];
    for (size_t k = 0; k < m_aCorrespondence.size(); ++k) {
        CBasePoint *point = m_aPoints[MaskSide][k];
        IMaskPoint *maskPoint = point != nullptr ? point->GetMaskPoint() : nullptr;
        if (maskPoint == nullptr)
            continue;
        CPtrCollection<CBasePoint> partners;
        maskPoint->AppendAssociations(partners);
        for (CBasePoint *partner : partners) {
            const auto found = std::find(inputPoints.begin(), inputPoints.end(), partner);
            if (found == inputPoints.end())
                continue;
            const int j = static_cast<int>(found - inputPoints.begin());
            m_aCorrespondence[k] = j;
            m_pMask->SetAssociated(static_cast<int>(k));
            m_pInput->SetAssociated(j);
            break;
        }
    }
}

int CContourCorrespondence::maskIndexOf(const CBasePoint *point) const
{
    const std::vector<CBasePoint *> &points = m_aPoints[MaskSide];
    const auto found = std::find(points.begin(), points.end(), point);
    return found == points.end() ? -1 : static_cast<int>(found - points.begin());
}

std::vector<int> CContourCorrespondence::processingOrder(const CContour &maskContour) const
{
    std::vector<int> listed;
    auto list = [&listed](int vertex) {
        if (vertex < 0 || std::find(listed.begin(), listed.end(), vertex) != listed.end())
            return false;
        listed.push_back(vertex);
        return true;
    };
    for (int k = 0; k < static_cast<int>(m_aCorrespondence.size()); ++k) {
        const CPointAssociationRule *rule = ruleOf(k);
        if (rule == nullptr || rule->GetPointAssociationType() == kExcludedRuleKind)
            continue;
        // The point, then the chain of referents its rule links to.
        for (int vertex = k; list(vertex);) {
            const CPointAssociationRule *linked = ruleOf(vertex);
            vertex = linked != nullptr ? maskIndexOf(linked->GetReferentBasePoint()) : -1;
        }
    }
    auto isCorner = [&](int vertex) {
        return std::fabs(maskContour.GetTurnAngle(
                   m_aPoints[MaskSide][static_cast<size_t>(vertex)])) > kCornerTurn;
    };
    std::stable_partition(listed.begin(), listed.end(), isCorner);
    return listed;
}

void CContourCorrespondence::SolveClosed(CContour &maskContour)
{
    m_pRules = maskContour.GetMaskContour();
    m_pHelper->FindOptimumPosition();
    m_pHelper->GetShift();
    for (int vertex : processingOrder(maskContour)) {
        if (m_aCorrespondence[static_cast<size_t>(vertex)] < 0)
            FindCorrespondence(vertex, true);
    }
}

int CContourCorrespondence::pairedNeighbour(int vertex, int step, bool closed) const
{
    const int count = static_cast<int>(m_aCorrespondence.size());
    for (int k = 1; k < count; ++k) {
        int j = vertex + step * k;
        if (closed)
            j = (j % count + count) % count;
        else if (j < 0 || j >= count)
            return -1;
        if (m_aCorrespondence[static_cast<size_t>(j)] >= 0)
            return j;
    }
    return -1;
}

int CContourCorrespondence::FindCorrespondence(int vertex, bool closed)
{
    const CPointAssociationRule *rule = ruleOf(vertex);
    if (rule != nullptr && rule->GetPointAssociationType() == kExcludedRuleKind)
        return -1;
    const int before = pairedNeighbour(vertex, -1, closed);
    const int after = pairedNeighbour(vertex, 1, closed);
    int low = before >= 0 ? m_aCorrespondence[static_cast<size_t>(before)] : 0;
    int high =
        after >= 0 ? m_aCorrespondence[static_cast<size_t>(after)] : m_pInput->GetPointsCount() - 1;
    if (closed && (before < 0 || after < 0))
        low = high = 0;
    setTolerancesFor(vertex);
    const int linked = rule != nullptr ? maskIndexOf(rule->GetReferentBasePoint()) : -1;
    const int linkedPartner = linked >= 0 ? m_aCorrespondence[static_cast<size_t>(linked)] : -1;
    double value = 0.0;
    const int partner =
        m_pHelper->FindCorrespondingPoint(vertex, linked, linkedPartner, low, high, value);
    if (partner < 0)
        return -1;
    m_pMask->SetAssociated(vertex);
    m_pInput->SetAssociated(partner);
    m_aCorrespondence[static_cast<size_t>(vertex)] = partner;
    return partner;
}

int CContourCorrespondence::GetCorrespondence(int vertex) const
{
    if (vertex < 0 || vertex >= static_cast<int>(m_aCorrespondence.size()))
        return -1;
    return m_aCorrespondence[static_cast<size_t>(vertex)];
}

const std::vector<CBasePoint *> &CContourCorrespondence::GetPoints(Side side) const
{
    return m_aPoints[side];
}

const std::vector<unsigned long> &CContourCorrespondence::GetFlags(Side side) const
{
    return m_aFlags[side];
}
