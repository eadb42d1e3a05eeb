// Morvane foundation library.
// A straight line a*x + b*y + c = 0 of the plane.
#pragma once

struct DPOINT;

/// A straight line a*x + b*y + c = 0. The default line (0, -1, 0) is the x axis.
class CDLine
{
public:
    CDLine() = default;
    CDLine(double a, double b, double c) : a(a), b(b), c(c) {}
    virtual ~CDLine() = default;
    CDLine(const CDLine &) = default;
    CDLine &operator=(const CDLine &) = default;

    /// The line through (x1, y1) and (x2, y2): a = y2 - y1, b = x1 - x2, c = -(b*y1 + a*x1).
    void SetByPoints(double x1, double y1, double x2, double y2);
    void SetFromPoints(const DPOINT &first, const DPOINT &second);
    /// The line through (px, py) in direction angle (radians).
    void SetFromPointAngle(double px, double py, double angle);

    /// The crossing point of two lines. False, leaving outX and outY unchanged, for parallel
    /// lines (compared exactly with 0, so nearly parallel lines give far-away points).
    bool Intersect(const CDLine &other, double &outX, double &outY) const;

    /// The side of the line a point lies on: 0 where a*x + b*y + c > 0, 1 where it is below 0,
    /// 2 exactly on the line.
    int GetSide(double px, double py) const;

    double a = 0.0;
    double b = -1.0;
    double c = 0.0;
};
