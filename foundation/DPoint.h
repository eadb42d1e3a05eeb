// Morvane foundation library.
// Points and vectors of the plane in double precision, with the placement transform of patterns.
#pragma once

/// A plain point of two doubles; all geometry of the system is in double precision.
struct DPOINT
{
    double x = 0.0;
    double y = 0.0;
};

/// A point with the operations the model uses to move, rotate, mirror and place points.
class CDPoint
{
public:
    CDPoint() = default;
    CDPoint(double x, double y) : x(x), y(y) {}
    explicit CDPoint(const DPOINT &point) : x(point.x), y(point.y) {}
    virtual ~CDPoint() = default;
    CDPoint(const CDPoint &) = default;
    CDPoint &operator=(const CDPoint &) = default;

    virtual void GetXY(double &outX, double &outY) const;

    /// The point as a plain DPOINT.
    DPOINT GetDPoint() const { return {x, y}; }

    void Add(const double &dx, const double &dy)
    {
        x += dx;
        y += dy;
    }
    CDPoint &operator+=(const DPOINT &offset)
    {
        Add(offset.x, offset.y);
        return *this;
    }
    /// A new point (x - otherX, y - otherY).
    CDPoint Minus(double otherX, double otherY) const;

    /// Rotates about the origin by angle radians, counter-clockwise.
    void Rotate(double angle);
    /// Rotates about the origin by the angle whose cosine and sine are given.
    void RotateCosSin(double cosine, double sine)
    {
        const double oldX = x;
        x = oldX * cosine - y * sine;
        y = oldX * sine + y * cosine;
    }

    /// True when the distance to (px, py) is strictly below tol (IsNearPoint allows equality).
    bool IsNear(double px, double py, double tol) const;
    double GetDistanceTo(double px, double py) const;
    /// The direction of the point seen from the origin, atan2(y, x).
    double GetAngle() const;
    /// The direction from this point to (px, py).
    double GetAngleTo(double px, double py) const;

    /// y := -y.
    void MirrorY() { y = -y; }
    /// x := -x.
    void MirrorX() { x = -x; }

    /// Moves a point from a placed pattern's own frame onto the mask: the optional mirrors
    /// (y first, then x), the rotation by angle, then the offset by origin. The point changes
    /// in place and is also returned.
    DPOINT TransformToAbsolute(const DPOINT &origin, const double &angle, bool mirrorY,
                               bool mirrorX);
    /// The exact inverse of TransformToAbsolute: minus origin, rotation by -angle, then the
    /// optional mirrors.
    DPOINT TransformToRelative(const DPOINT &origin, const double &angle, bool mirrorY,
                               bool mirrorX);

    double x = 0.0;
    double y = 0.0;
};

/// A 2-D vector. The default vector is the unit vector along x.
class CVector : public CDPoint
{
public:
    CVector() : CDPoint(1.0, 0.0) {}
    CVector(double x, double y) : CDPoint(x, y) {}
    /// The unit vector of direction angle (radians).
    explicit CVector(double angle);
    explicit CVector(const CDPoint &point) : CDPoint(point) {}

    double GetLength() const;
    /// True when the length is at most 1e-6.
    bool IsNull() const;
    /// Makes the vector unit length; a null vector (IsNull) is left unchanged.
    void Normalize();
    void Scale(double factor);
};
