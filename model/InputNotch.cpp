// Morvane model library.
// The notch of an input polyline: the curve's notch at the same position, asked per size.
#include "model/InputNotch.h"

#include "model/NoGeomPolyline.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"
#include "sources/grade-model/IGradePattern.h"

CInputNotch::CInputNotch() = default;

CInputNotch::~CInputNotch() = default;

void CInputNotch::GetDepth(const IGradeSize *size, double &dx, double &dy) const
{
    const NotchData data = Read(size);
    dx = data.depth.x;
    dy = data.depth.y;
}

double CInputNotch::GetCurveLength(const IGradeSize *size) const
{
    return Read(size).length;
}

DPOINT CInputNotch::GetNotchPlace(const IGradeSize *size, double &tipX, double &tipY) const
{
    const CNoGeomPolyline *line = GetInputPolyline();
    const NotchData data = Read(size);
    const CBasePoint *slider = line != nullptr ? line->GetSliderPoint(data.point) : nullptr;
    if (slider == nullptr || line->GetOwner() == nullptr)
        return GetAbsPos(size, tipX, tipY);
    const DPOINT place = slider->GetPosition(size);
    const IPatternLocation *location = line->GetOwner()->GetPatternLocation();
    CDPoint tip(data.depth);
    tip.TransformToAbsolute(place, location->GetRotAngle(true), location->IsFlipped(), false);
    tipX = tip.x;
    tipY = tip.y;
    return place;
}

CInputNotch::NotchData CInputNotch::Read(const IGradeSize *size) const
{
    NotchData data;
    const CNoGeomPolyline *line = GetInputPolyline();
    if (line == nullptr || line->GetGradeCurve() == nullptr)
        return data;
    GradeSize key;
    CNoGeomPolyline::GetGradeSize(size, key);
    float length = 0.0f;
    int kind = 0;
    // A notch on no grade point answers null but still has its depth and length.
    data.point =
        line->GetGradeCurve()->GetNotchAt(line->FindNotch(this), key, data.depth, length, kind);
    data.length = length;
    return data;
}

const CNoGeomPolyline *CInputNotch::GetInputPolyline() const
{
    return static_cast<const CNoGeomPolyline *>(m_pPolyline);
}
