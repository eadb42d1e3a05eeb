// Nerrith point-correspondence library.
// An outline handed to the correspondence: its vertices, per-vertex flags and arc lengths.
#pragma once

#include "foundation/DPoint.h"

#include <cstddef>
#include <vector>

/// One outline, closed or open, with a 32-bit flag word per vertex. The correspondence reads two
/// bits of an input outline's flags: a vertex is a possible partner only when it carries
/// kPointFlag (it stands for a point) and not kTakenFlag (that point has a partner already).
/// Vertices are also taken out of the search one by one with SetAssociated.
///
/// A closed outline whose last vertex repeats its first drops that repetition.
class CPolyCompute
{
public:
    /// The vertex stands for a point of the pattern.
    static constexpr unsigned long kPointFlag = 0x0001;
    /// The vertex's point already has a partner.
    static constexpr unsigned long kTakenFlag = 0x0002;

    CPolyCompute();
    ~CPolyCompute();

    /// A closed outline of n vertices; flags may be null (all 0).
    void Create(int n, const DPOINT *points, const unsigned long *flags);
    void Create(int n, const double *xs, const double *ys, const unsigned long *flags);
    /// An open polyline of n vertices; flags may be null (all 0).
    void CreateOpen(int n, const DPOINT *points, const unsigned long *flags);
    void CreateOpen(int n, const double *xs, const double *ys, const unsigned long *flags);

    bool IsClosed() const { return m_bClosed; }
    int GetPointsCount() const { return static_cast<int>(m_aPoints.size()); }
    /// The length of the outline (with the closing segment when closed).
    double GetPerimeter() const { return m_dPerimeter; }
    DPOINT GetPoint(int vertex) const { return m_aPoints[static_cast<size_t>(vertex)]; }
    unsigned long GetFlags(int vertex) const { return m_aFlags[static_cast<size_t>(vertex)]; }

    /// Takes the vertex out of the search for partners (both as a mask and an input vertex).
    void SetAssociated(int vertex);
    bool IsAssociated(int vertex) const { return m_aAssociated[static_cast<size_t>(vertex)]; }

    /// The length along the outline from vertex 0 to the vertex.
    double GetArcPosition(int vertex) const { return m_aArc[static_cast<size_t>(vertex)]; }
    /// The point at that length along the outline from vertex 0; a closed outline wraps, an
    /// open one stops at its ends.
    DPOINT GetPointAt(double arcLength) const;
    /// The signed turn at the vertex in radians, in [-pi, pi): positive to the left. The ends of
    /// an open outline, and a vertex without distinct neighbours, do not turn.
    double GetTurnAngle(int vertex) const;
    /// The direction of the outline at the vertex in radians: the mean of the directions in and
    /// out (the one direction at an end of an open outline).
    double GetTangentAngle(int vertex) const;
    /// The enclosed area, positive when the outline runs counter-clockwise; 0 when open.
    double GetSignedArea() const;
    /// count points spread evenly along the outline: a closed one from vertex 0 all round, one
    /// step apart; an open one from its start to its end, both included. backward walks the
    /// other way (an open outline then from its end). Kept until the outline is made anew.
    const std::vector<DPOINT> &GetEvenSamples(int count, bool backward) const;

private:
    void build(int n, const DPOINT *points, const unsigned long *flags, bool closed);
    /// The nearest vertex before (step -1) or after (step 1) that lies elsewhere; -1 when none.
    int distinctNeighbour(int vertex, int step) const;

    std::vector<DPOINT> m_aPoints;
    std::vector<unsigned long> m_aFlags;
    std::vector<bool> m_aAssociated;
    // m_aArc[i]: the length from vertex 0 to vertex i.
    std::vector<double> m_aArc;
    double m_dPerimeter = 0.0;
    bool m_bClosed = false;
    // GetEvenSamples, forward and backward, for the count last asked.
    mutable std::vector<DPOINT> m_aEvenSamples[2];
};
