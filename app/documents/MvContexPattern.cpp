// Morvane program documents.
// One input pattern's state on one grade mask, as a context records it.
#include "app/documents/MvContexPattern.h"

#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/InputPattern.h"
#include "model/MaskPoint.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"

#include <cmath>
#include <memory>

using namespace morvane;

static const CRuntimeClass kAssPatternNameClass("CAssPatternName", &CreateObjectOf<CAssPatternName>,
                                                CMvItem::GetThisClass());
static const CRuntimeClass kMvContextPointClass("CMvContextPoint", &CreateObjectOf<CMvContextPoint>,
                                                CMvItem::GetThisClass());
static const CRuntimeClass kMvContexPatternClass("CMvContexPattern",
                                                 &CreateObjectOf<CMvContexPattern>,
                                                 CMvItem::GetThisClass());

CAssPatternName::CAssPatternName(std::string name)
{
    // Registered empty, as every name is: objects of one class share their registrations.
    AddStringAttribute(&m_sAssName, "ap");
    m_sAssName = std::move(name);
}

const CRuntimeClass *CAssPatternName::GetThisClass()
{
    return &kAssPatternNameClass;
}

CMvContextPoint::CMvContextPoint()
{
    AddDoubleAttribute(&m_dX, "x");
    AddDoubleAttribute(&m_dY, "y");
    AddIntAttribute(&m_nInputPointId, "ip");
    AddIntAttribute(&m_nMaskPointId, "mp");
}

const CRuntimeClass *CMvContextPoint::GetThisClass()
{
    return &kMvContextPointClass;
}

void CMvContextPoint::Set(int32_t inputPointId, int32_t maskPointId, double x, double y)
{
    m_nInputPointId = inputPointId;
    m_nMaskPointId = maskPointId;
    m_dX = x;
    m_dY = y;
}

CMvContexPattern::CMvContexPattern()
{
    AddStringAttribute(&m_sName, "Name");
    AddBoolAttribute(&m_bPlaced, "Placed");
    AddDoubleAttribute(&m_dPosX, "PosX");
    AddDoubleAttribute(&m_dPosY, "PosY");
    AddAttribute(std::make_unique<CRadianAttribute>(&m_dRotAngle, "RotAngle"),
                 XmlPresence::Required, XmlForm::Element);
    AddBoolAttribute(&m_bFliped, "Fliped");
    AddClassCollectionAttribute(&m_oAssMaskPatterns, "AssMaskPatterns", "AssMaskPattern",
                                CAssPatternName::GetThisClass());
    AddClassCollectionAttribute(&m_oContextPoints, "ContextPoints", "cp",
                                CMvContextPoint::GetThisClass());
}

CMvContexPattern::~CMvContexPattern() = default;

const CRuntimeClass *CMvContexPattern::GetThisClass()
{
    return &kMvContexPatternClass;
}

void CMvContexPattern::Gather(CPattern &inputPattern)
{
    m_sName = inputPattern.GetPatternName();
    const IInputPattern *input = inputPattern.GetInputPattern();
    m_bPlaced = input != nullptr && input->IsFlagged();
    const IPatternLocation *location = inputPattern.GetPatternLocation();
    m_dPosX = location->GetPosX();
    m_dPosY = location->GetPosY();
    m_dRotAngle = location->GetRotAngle(true);
    m_bFliped = location->IsFlipped();

    m_oAssMaskPatterns.RemoveAll();
    CPtrCollection<CPattern> associated;
    inputPattern.GetAssPatterns(associated);
    for (const CPattern *maskPattern : associated)
        m_oAssMaskPatterns.AddOwned(
            std::make_unique<CAssPatternName>(maskPattern->GetPatternName()));

    m_oContextPoints.RemoveAll();
    for (int i = 0; i < inputPattern.GetGradePointCount(); ++i) {
        CBasePoint *point = inputPattern.GetGradePointAt(i);
        IMaskPoint *maskPoint = inputPattern.FindAssociationPoint(point);
        if (maskPoint == nullptr)
            continue;
        auto recorded = std::make_unique<CMvContextPoint>();
        recorded->Set(point->GetPointId(), maskPoint->GetBasePoint()->GetPointId(), point->GetX(),
                      point->GetY());
        m_oContextPoints.AddOwned(std::move(recorded));
    }
}

void CMvContexPattern::Apply(CPattern &inputPattern, IGradeMask &mask) const
{
    applyLocation(inputPattern);
    if (IInputPattern *input = inputPattern.GetInputPattern()) {
        if (m_bPlaced)
            input->SetFlagged();
        else
            input->ClearFlagged();
    }
    applyPatternAssociations(inputPattern, mask);
    applyPointAssociations(inputPattern, mask);
}

void CMvContexPattern::applyLocation(CPattern &inputPattern) const
{
    if (!std::isfinite(m_dPosX) || !std::isfinite(m_dPosY) || !std::isfinite(m_dRotAngle))
        return;
    inputPattern.SetPatternLocation(m_dPosX, m_dPosY, RadToDeg(m_dRotAngle), m_bFliped);
}

void CMvContexPattern::applyPatternAssociations(CPattern &inputPattern, IGradeMask &mask) const
{
    CPtrCollection<CPattern> associated;
    inputPattern.GetAssPatterns(associated);
    for (const CAssPatternName *name : m_oAssMaskPatterns) {
        const int index = mask.FindPattern(name->GetName());
        if (index < 0)
            continue;
        CPattern *maskPattern = mask.GetPatternAt(index);
        if (associated.Find(maskPattern) >= 0)
            continue;
        inputPattern.AddAssPattern(maskPattern);
        associated.Add(maskPattern);
    }
}

/// The first grade point with that id in the patterns, in their order; null when none.
static CBasePoint *findMaskPoint(const CPtrCollection<CPattern> &maskPatterns, int32_t id)
{
    for (const CPattern *maskPattern : maskPatterns) {
        if (CBasePoint *point = maskPattern->FindGradePoint(id))
            return point;
    }
    return nullptr;
}

void CMvContexPattern::applyPointAssociations(CPattern &inputPattern, IGradeMask &mask) const
{
    CPtrCollection<CPattern> associated;
    inputPattern.GetAssPatterns(associated);
    for (const CMvContextPoint *recorded : m_oContextPoints) {
        CBasePoint *maskPoint = findMaskPoint(associated, recorded->GetMaskPointId());
        if (maskPoint == nullptr || maskPoint->GetMaskPoint() == nullptr)
            continue;
        CBasePoint *inputPoint = FindInputPoint(inputPattern, *recorded);
        if (inputPoint == nullptr)
            continue;
        mask.GetPointAssociationMap()->AddAssociation(maskPoint->GetMaskPoint(), inputPoint);
    }
}

CBasePoint *CMvContexPattern::FindInputPoint(const CPattern &inputPattern,
                                             const CMvContextPoint &point)
{
    const DPOINT recorded = point.GetPosition();
    CBasePoint *nearest = nullptr;
    double nearestDistance = kPointTolerance;
    for (int i = 0; i < inputPattern.GetGradePointCount(); ++i) {
        CBasePoint *candidate = inputPattern.GetGradePointAt(i);
        const double distance =
            std::hypot(candidate->GetX() - recorded.x, candidate->GetY() - recorded.y);
        if (!(distance < kPointTolerance))
            continue;
        if (candidate->GetPointId() == point.GetInputPointId())
            return candidate;
        if (nearest == nullptr || distance < nearestDistance) {
            nearest = candidate;
            nearestDistance = distance;
        }
    }
    return nearest;
}
