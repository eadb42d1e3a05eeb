// Morvane program grading.
// One point's grading read and written during a grading pass, in its pattern's frame or the mask's.
#include "app/grading/PointGrading.h"

#include "model/InputPattern.h"
#include "model/InputPoint.h"
#include "model/PatternLocation.h"

#include <cmath>

PointGrading::PointGrading(CBasePoint *point)
    : m_pInput(dynamic_cast<CInputPoint *>(point))
{
    if (m_pInput == nullptr)
        return;
    m_oBase = m_pInput->GetGradePosition({});
    if (m_pInput->GetInputPattern() == nullptr)
        return;
    m_bPlaced = true;
    const IPatternLocation *location = m_pInput->GetInputPattern()->GetPatternLocation();
    const double angle = location->GetRotAngle(true);
    m_bFlipped = location->IsFlipped();
    m_dCos = std::cos(angle);
    m_dSin = std::sin(angle);
}

DPOINT PointGrading::GetOwn(GradeSize size) const
{
    if (m_pInput == nullptr || size.IsBaseSize())
        return {};
    const DPOINT position = m_pInput->GetGradePosition(size);
    return {position.x - m_oBase.x, position.y - m_oBase.y};
}

DPOINT PointGrading::GetOnMask(GradeSize size) const
{
    CDPoint shift(GetOwn(size));
    if (!m_bPlaced)
        return shift.GetDPoint();
    if (m_bFlipped)
        shift.MirrorY();
    shift.RotateCosSin(m_dCos, m_dSin);
    // Placed at the origin (0, 0), as a transformation to absolute places it: a -0 becomes 0.
    shift += DPOINT{};
    return shift.GetDPoint();
}

void PointGrading::SetOwn(GradeSize size, DPOINT increment)
{
    if (m_pInput == nullptr)
        return;
    m_pInput->SetGradeIncrement(size, m_oBase, increment);
}

void PointGrading::SetOnMask(GradeSize size, DPOINT increment)
{
    if (!m_bPlaced) {
        SetOwn(size, increment);
        return;
    }
    CDPoint own(increment);
    own.RotateCosSin(m_dCos, -m_dSin);
    if (m_bFlipped)
        own.MirrorY();
    SetOwn(size, own.GetDPoint());
}
