// Morvane Dunmere polygon booleans.
// The outlines the polygon booleans read and the outline they write.
#pragma once

/// An outline the polygon booleans read: a closed polygon given by its vertices in order, in
/// either orientation, without repeating the first vertex at the end (a repeated one is
/// ignored).
class IPoly
{
public:
    virtual ~IPoly() = default;

    virtual int GetPolyPointCount() const = 0;
    /// Vertex i, for 0 <= i < GetPolyPointCount().
    virtual void GetPolyPoint(int i, double &x, double &y) const = 0;
};

/// An outline the polygon booleans write their result into.
class IOutPoly
{
public:
    virtual ~IOutPoly() = default;

    /// Removes every vertex.
    virtual void ClearPoly() = 0;
    /// Appends a vertex.
    virtual void AppendPolyPoint(double x, double y) = 0;
};
