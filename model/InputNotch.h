// Morvane model library.
// The notch of an input polyline: the curve's notch at the same position, asked per size.
#pragma once

#include "model/Notch.h"

class CNoGeomPolyline;
class IGradePoint;

/// A notch of an input polyline. It holds nothing but its line: its data is the line's curve's
/// notch at the notch's own position in the line (IGradeCurve::GetNotchAt), asked for each size.
/// A notch the curve does not answer has no depth and lies at length 0.
class CInputNotch : public CNotch
{
public:
    CInputNotch();
    ~CInputNotch() override;

    /// The curve's depth vector of the notch for the size.
    void GetDepth(const IGradeSize *size, double &dx, double &dy) const override;
    /// The curve's distance along its shape to the notch for the size.
    double GetCurveLength(const IGradeSize *size) const override;
    /// When the curve's notch sits on a grade point that slides on this line, the slider
    /// point's position for the size, with the tip at the depth turned by the pattern's
    /// location about it; otherwise GetAbsPos.
    DPOINT GetNotchPlace(const IGradeSize *size, double &tipX, double &tipY) const override;

private:
    /// What the curve says of this notch for the size.
    struct NotchData
    {
        IGradePoint *point = nullptr;
        DPOINT depth;
        double length = 0.0;
    };

    NotchData Read(const IGradeSize *size) const;
    const CNoGeomPolyline *GetInputPolyline() const;
};
