// Morvane model library.
// The abstract notch: a mark on one polyline with a depth vector.
#include "model/Notch.h"

#include "model/Pattern.h"
#include "model/PatternLocation.h"
#include "model/Polyline.h"

#include <cassert>

static const CRuntimeClass kNotchClass("CNotch", nullptr, CMvItem::GetThisClass());

const CRuntimeClass *CNotch::GetThisClass()
{
    return &kNotchClass;
}

CNotch::CNotch() = default;

CNotch::~CNotch() = default;

void CNotch::Create(CPolyline *polyline)
{
    m_pPolyline = polyline;
}

void CNotch::GetAbsDepth(const IGradeSize *size, double &dx, double &dy) const
{
    assert(m_pPolyline != nullptr && m_pPolyline->GetOwner() != nullptr &&
           "a notch is placed through its polyline's pattern");
    const IPatternLocation *location = m_pPolyline->GetOwner()->GetPatternLocation();
    CDPoint depth;
    GetDepth(size, depth.x, depth.y);
    depth.TransformToAbsolute({0.0, 0.0}, location->GetRotAngle(true), location->IsFlipped(),
                              false);
    dx = depth.x;
    dy = depth.y;
}

DPOINT CNotch::GetAbsPos(const IGradeSize *size, double &tipX, double &tipY) const
{
    assert(m_pPolyline != nullptr && "a notch is placed through its polyline");
    const DPOINT base = m_pPolyline->GetAbsCurvePoint(size, GetCurveLength(size));
    double dx = 0.0;
    double dy = 0.0;
    GetAbsDepth(size, dx, dy);
    tipX = base.x + dx;
    tipY = base.y + dy;
    return base;
}

CPolyline *CNotch::GetPolyline() const
{
    return m_pPolyline;
}
