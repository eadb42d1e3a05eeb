// Morvane model library.
// Where a pattern lies on the grade mask: position, rotation angle and flip.
#include "model/PatternLocation.h"

#include "foundation/Geometry.h"
#include "model/Pattern.h"

#include <cmath>
#include <memory>

using namespace morvane;

static const CRuntimeClass kPatternLocationClass("CPatternLocation",
                                                 &CreateObjectOf<CPatternLocation>,
                                                 CMvItem::GetThisClass());

const CRuntimeClass *CPatternLocation::GetThisClass()
{
    return &kPatternLocationClass;
}

CPatternLocation::CPatternLocation(CPattern *pattern)
    : m_pPattern(pattern)
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
    AddDoubleAttribute(&m_dPosX, "PosX");
    AddDoubleAttribute(&m_dPosY, "PosY");
    AddAttribute(std::make_unique<CRadianAttribute>(&m_dRotAngle, "RotAngle"),
                 XmlPresence::Required, XmlForm::Element);
    AddBoolAttribute(&m_bFliped, "Fliped");
}

void CPatternLocation::CopyFrom(const IPatternLocation *other)
{
    m_dPosX = other->GetPosX();
    m_dPosY = other->GetPosY();
    m_dRotAngle = other->GetRotAngle(true);
    m_bFliped = other->IsFlipped();
    m_bSecondFlag = other->GetSecondFlag();
}

double CPatternLocation::GetRotAngle(bool radians) const
{
    return radians ? m_dRotAngle : RadToDeg(m_dRotAngle);
}

void CPatternLocation::SetSecondFlag(bool flag)
{
    if (flag == m_bSecondFlag)
        return;
    SendBeforeChange(1);
    m_bSecondFlag = flag;
    SendAfterChange(1);
}

void CPatternLocation::SetFlipped(bool flipped)
{
    if (flipped == m_bFliped)
        return;
    m_bFliped = flipped;
    InvalidatePlacement();
}

void CPatternLocation::SetPosition(double x, double y)
{
    if (x == m_dPosX && y == m_dPosY)
        return;
    SendBeforeChange(0);
    m_dPosX = x;
    m_dPosY = y;
    InvalidatePlacement();
    SendAfterChange(0);
}

void CPatternLocation::SetRotAngle(double angle, bool radians)
{
    m_dRotAngle = radians ? angle : DegToRad(angle);
    InvalidatePlacement();
}

// Angles in degrees are equal within what the two conversion factors lose between them: the
// degrees shown for a stored angle, and the degrees it was stored from, both name that angle.
static bool isSameAngle(double degrees, double otherDegrees)
{
    constexpr double kConversionLoss = 1e-6;
    return std::fabs(degrees - otherDegrees) <= kConversionLoss;
}

void CPatternLocation::Set(DPOINT position, double angleDegrees, bool flipped)
{
    if (IsNearPoint(position.x, position.y, m_dPosX, m_dPosY, 0.001) &&
        isSameAngle(angleDegrees, GetRotAngle(false)) && flipped == m_bFliped)
        return;
    SendBeforeChange(0);
    m_dPosX = position.x;
    m_dPosY = position.y;
    SetRotAngle(angleDegrees, false); // invalidates the placement
    SetFlipped(flipped);
    SendAfterChange(0);
}

void CPatternLocation::InvalidatePlacement()
{
    if (m_pPattern == nullptr)
        return;
    m_pPattern->InvalidateRect();
    m_pPattern->InvalidateContourData();
}
