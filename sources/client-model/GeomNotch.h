// Morvane client grade model.
// A notch of a client polyline: a point of the pattern with its notch vector.
#pragma once

class CGeomPoint;

/// A notch on a polyline of a client pattern. Its point is a base point of the pattern, on the
/// line or (for a slider) off it; its vector is stored as given and is not graded.
class CGeomNotch
{
public:
    CGeomNotch(CGeomPoint *point, double vx, double vy)
        : m_dVectorX(vx)
        , m_dVectorY(vy)
        , m_pPoint(point)
    {
    }
    virtual ~CGeomNotch() = default;
    CGeomNotch(const CGeomNotch &) = delete;
    CGeomNotch &operator=(const CGeomNotch &) = delete;

    virtual CGeomPoint *GetPoint() const { return m_pPoint; }
    virtual void GetVector(double &x, double &y) const
    {
        x = m_dVectorX;
        y = m_dVectorY;
    }

private:
    double m_dVectorX;
    double m_dVectorY;
    CGeomPoint *m_pPoint;
};
