// Morvane formula library.
// A probe that measures, per size, how far along a ray from a point a pattern's outline lies.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"
#include "model/GradeSize.h"

#include <map>
#include <vector>

class CBasePoint;
class CPattern;
class IGradeSize;

/// What a distance probe measures from and what it keeps: the measure that owns the probe.
class IProbeSource
{
public:
    virtual ~IProbeSource() = default;

    /// The ray's origin for the size (null: the base size).
    virtual DPOINT GetProbeOrigin(const IGradeSize *size) = 0;
    /// The ray's direction, in radians.
    virtual double GetProbeAngle() = 0;
    /// Whether a crossing of the ray with an outline counts.
    virtual bool AcceptsCrossing(DPOINT crossing) = 0;
    /// The patterns the base computation tries, in order.
    virtual void GetProbePatterns(CPtrCollection<CPattern> &out) = 0;
};

/// Two distances d1 <= d2 along a ray from the origin: to the nearest and the farthest
/// crossing of the ray with the outlines (every contour) of one pattern, or 0 and the farthest
/// when measured from the origin itself. Crossings behind the origin do not count.
///
/// The base computation tries each pattern of the source and keeps the one whose farthest
/// crossing lies strictly farther than the others' (the first on ties), and the grade points on
/// either side of the outline segments that carry the nearest and farthest crossing (the
/// crossing points). A size then scans that pattern only, with the origin for that size, and
/// keeps its answer until Reset. A size with a negative number is the base size; a probe that
/// found nothing in the base size answers (0, 0) for every size.
class CDistanceProbe
{
public:
    struct Distances
    {
        double nearest = 0.0;
        double farthest = 0.0;
    };

    CDistanceProbe(IProbeSource &source, bool fromOrigin);

    Distances GetDistances(int table, int size);
    /// origin + nearest distance along the ray, for the size.
    DPOINT GetFirstBound(int table, int size);
    /// origin + farthest distance along the ray, for the size.
    DPOINT GetSecondBound(int table, int size);
    /// Whether the point is one of the crossing points of the base computation.
    bool IsCrossingPoint(const CBasePoint *point);
    /// Forgets the pattern, the crossing points and every size's distances.
    void Reset();

private:
    struct Crossing
    {
        DPOINT at;
        double distance = 0.0;
        /// The outline's positions and the base point at each (null where none).
        std::vector<DPOINT> outline;
        CPtrCollection<CBasePoint> basePoints;
        bool closed = false;
        int segment = -1;
    };
    struct Scan
    {
        bool found = false;
        Crossing nearest;
        Crossing farthest;
    };

    Scan ScanPattern(const CPattern &pattern, const IGradeSize *size, DPOINT origin);
    void ComputeBase();
    void AddCrossingPoints(const Crossing &crossing);
    DPOINT Bound(int table, int size, bool far);

    IProbeSource &m_source;
    bool m_bFromOrigin;
    bool m_bBaseDone = false;
    const CPattern *m_pPattern = nullptr;
    CPtrCollection<CBasePoint> m_oCrossingPoints;
    std::map<morvane::GradeSizeKey, Distances> m_oCache;
};
