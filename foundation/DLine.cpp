// Morvane foundation library.
// A straight line a*x + b*y + c = 0 of the plane.
#include "foundation/DLine.h"

#include "foundation/DPoint.h"

#include <cmath>

void CDLine::SetByPoints(double x1, double y1, double x2, double y2)
{
    a = y2 - y1;
    b = x1 - x2;
    c = -(b * y1 + a * x1);
}

void CDLine::SetFromPoints(const DPOINT &first, const DPOINT &second)
{
    SetByPoints(first.x, first.y, second.x, second.y);
}

void CDLine::SetFromPointAngle(double px, double py, double angle)
{
    SetByPoints(px, py, px + std::cos(angle), py + std::sin(angle));
}

bool CDLine::Intersect(const CDLine &other, double &outX, double &outY) const
{
    if (a == 0.0 && other.a == 0.0)
        return false;
    if (a == 0.0) {
        outY = -c / b;
        outX = (-other.c - outY * other.b) / other.a;
        return true;
    }
    if (other.a == 0.0) {
        outY = -other.c / other.b;
        outX = (-c - outY * b) / a;
        return true;
    }
    const double k = other.a / a;
    const double d = other.b - k * b;
    if (d == 0.0)
        return false;
    outY = (-other.c + k * c) / d;
    outX = (-c - outY * b) / a;
    return true;
}

int CDLine::GetSide(double px, double py) const
{
    const double value = a * px + b * py + c;
    if (value > 0.0)
        return 0;
    if (value < 0.0)
        return 1;
    return 2;
}
