// Morvane model library.
// The rule that ties a point of a mask contour to a referent point, with its tolerances.
#include "model/PointAssociationRule.h"

#include "model/BasePoint.h"
#include "model/MaskContour.h"
#include "model/MaskPoint.h"

using namespace morvane;

static const CRuntimeClass kPointAssociationRuleClass("CPointAssociationRule",
                                                      &CreateObjectOf<CPointAssociationRule>,
                                                      CMvItem::GetThisClass());

CPointAssociationRule::CPointAssociationRule()
{
    SetHandlerId(kModelHandlerId | kSourceKind, static_cast<IPointAssociationRule *>(this));
    AddPtrAttribute(&m_pReferentPoint, "ReferentPoint", "BasePoint", XmlPresence::Optional);
    AddBoolAttribute(&m_bCustomShift, "CustomShift");
    AddDoubleAttribute(&m_dShiftError, "ShiftError");
    AddBoolAttribute(&m_bCustomTurn, "CustomTurn");
    AddDoubleAttribute(&m_dTurnError, "TurnError");
    AddBoolAttribute(&m_bCustomTangent, "CustomTangent");
    AddDoubleAttribute(&m_dTangentError, "TangentError");
    AddIntAttribute(&m_nPointAssociationType, "PointAssociationType");
    AddIntAttribute(&m_nSolutionType, "SolutionType");
    AddIntAttribute(&m_nPointMatchType, "PointMatchType");
    AddPtrAttribute(&m_pPoint, "Point", "BasePoint", XmlPresence::Optional);
}

const CRuntimeClass *CPointAssociationRule::GetThisClass()
{
    return &kPointAssociationRuleClass;
}

void CPointAssociationRule::Create(CBasePoint *point, CMaskContour *contour)
{
    m_pPoint = point;
    m_pContour = contour;
}

IMaskPoint *CPointAssociationRule::GetPoint() const
{
    return m_pPoint != nullptr ? m_pPoint->GetMaskPoint() : nullptr;
}

IMaskPoint *CPointAssociationRule::GetReferentPoint() const
{
    return m_pReferentPoint != nullptr ? m_pReferentPoint->GetMaskPoint() : nullptr;
}

bool CPointAssociationRule::IsPointMatch0Or2() const
{
    return m_nPointMatchType == 0 || m_nPointMatchType == 2;
}

bool CPointAssociationRule::DependsOn(const IMaskPoint *point)
{
    if (m_bInDependsOn || m_pReferentPoint == nullptr)
        return false;
    if (m_pReferentPoint->GetMaskPoint() == point)
        return true;
    m_bInDependsOn = true;
    CPointAssociationRule *next =
        m_pContour != nullptr ? m_pContour->FindAssRule(m_pReferentPoint) : nullptr;
    const bool depends = next != nullptr && next->DependsOn(point);
    m_bInDependsOn = false;
    return depends;
}

void CPointAssociationRule::SetReferentPoint(IMaskPoint *point)
{
    SetReferentBasePoint(point != nullptr ? point->GetBasePoint() : nullptr);
}

void CPointAssociationRule::SetReferentBasePoint(CBasePoint *point)
{
    if (point == m_pReferentPoint)
        return;
    SendBeforeChange(-1);
    m_pReferentPoint = point;
    SendAfterChange(-1);
}

void CPointAssociationRule::SetPointAssociationType(int type)
{
    SendBeforeChange(-1);
    m_nPointAssociationType = type;
    SendAfterChange(-1);
}

void CPointAssociationRule::SetCustomTangent(bool custom)
{
    SendBeforeChange(-1);
    m_bCustomTangent = custom;
    SendAfterChange(-1);
}

void CPointAssociationRule::SetTangentError(double error)
{
    SendBeforeChange(-1);
    m_dTangentError = error;
    SendAfterChange(-1);
}
