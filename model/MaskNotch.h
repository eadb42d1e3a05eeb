// Morvane model library.
// The notch of a mask polyline: a stored depth vector and distance along the line.
#pragma once

#include "model/Notch.h"

class CBasePoint;
class CPattern;

/// A notch of a mask polyline, the same in every size: its depth vector in the pattern's own
/// coordinates and its distance from the line's first point. Stored as "dx", "dy" and
/// "CurveLength" (written when set); "Point", the point the notch sits on, is read from older
/// files only and serves to recompute the distance (UpdateCurveLength).
class CMaskNotch : public CNotch
{
public:
    CMaskNotch();
    ~CMaskNotch() override;

    /// "CMaskNotch", base CNotch, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void Create(CPolyline *polyline, double curveLength, double dx, double dy);

    /// (dx, dy) whatever the size.
    void GetDepth(const IGradeSize *size, double &dx, double &dy) const override;
    /// The stored distance whatever the size.
    double GetCurveLength(const IGradeSize *size) const override;
    /// GetAbsPos.
    DPOINT GetNotchPlace(const IGradeSize *size, double &tipX, double &tipY) const override;

    /// The notch's distance becomes that of its point's own coordinates along the line's
    /// base-size shape in the pattern's own coordinates; nothing for a notch without a point.
    void UpdateCurveLength();
    /// Forgets the notch's point when it is not one of pattern's.
    void ForgetPointUnlessIn(const CPattern &pattern);

private:
    CBasePoint *m_pPoint = nullptr;
    double m_dX = 0.0;
    double m_dY = 0.0;
    double m_dCurveLength = 0.0;
};
