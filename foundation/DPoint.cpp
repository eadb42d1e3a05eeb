// Morvane foundation library.
// Points and vectors of the plane in double precision.
#include "foundation/DPoint.h"

#include "foundation/Geometry.h"

#include <cmath>

void CDPoint::GetXY(double &outX, double &outY) const
{
    outX = x;
    outY = y;
}

CDPoint CDPoint::Minus(double otherX, double otherY) const
{
    return {x - otherX, y - otherY};
}

void CDPoint::Rotate(double angle)
{
    RotateCosSin(std::cos(angle), std::sin(angle));
}

bool CDPoint::IsNear(double px, double py, double tol) const
{
    return GetDistanceTo(px, py) < tol;
}

double CDPoint::GetDistanceTo(double px, double py) const
{
    return std::hypot(px - x, py - y);
}

double CDPoint::GetAngle() const
{
    return std::atan2(y, x);
}

double CDPoint::GetAngleTo(double px, double py) const
{
    return std::atan2(py - y, px - x);
}

DPOINT CDPoint::TransformToAbsolute(const DPOINT &origin, const double &angle, bool mirrorY,
                                    bool mirrorX)
{
    if (mirrorY)
        MirrorY();
    if (mirrorX)
        MirrorX();
    Rotate(angle);
    *this += origin;
    return GetDPoint();
}

DPOINT CDPoint::TransformToRelative(const DPOINT &origin, const double &angle, bool mirrorY,
                                    bool mirrorX)
{
    Add(-origin.x, -origin.y);
    Rotate(-angle);
    if (mirrorY)
        MirrorY();
    if (mirrorX)
        MirrorX();
    return GetDPoint();
}

CVector::CVector(double angle) : CDPoint(std::cos(angle), std::sin(angle)) {}

double CVector::GetLength() const
{
    return std::hypot(x, y);
}

bool CVector::IsNull() const
{
    return GetLength() <= morvane::kNullLength;
}

void CVector::Normalize()
{
    if (IsNull())
        return;
    const double length = GetLength();
    x /= length;
    y /= length;
}

void CVector::Scale(double factor)
{
    x *= factor;
    y *= factor;
}
