// Morvane program foundation extras.
// The search for the shape nearest to a probe point over a list of typed shape references.
#pragma once

#include "app/extras/ShapeHitTestIndex.h"
#include "app/extras/ShapeRef.h"

#include <cstdint>
#include <vector>

/// The nearest-shape search. It keeps its references (owned, in the order added, each at one
/// address until RemoveAllShapes) between searches; a subclass supplies the scale by which
/// their integer tolerances are multiplied (pixels to model units).
///
/// Run visits the references in order. Once a reference is hit, the search stops at the first
/// reference of a greater group, so references added in ascending group order let a hit in one
/// group hide every later group. A reference is accepted when its distance is at most its
/// tolerance (CornerArea: when the probe lies inside its corners, whatever the distance), and it
/// replaces the hit so far only when it is strictly nearer, so the earlier of two equally near
/// references keeps the hit. Two guides of one kind whose distances differ by less than
/// 0.001 are decided by the distance from the probe to their positions in the plane.
///
/// References of fixed shapes are placed on a grid at the first Run after they or the scale
/// changed (ShapeHitTestIndex), and a Run measures only those placed near its probe; as a
/// reference placed elsewhere could not be accepted, the hit is the same.
class CShapeHitTest
{
public:
    CShapeHitTest() = default;
    virtual ~CShapeHitTest() = default;
    CShapeHitTest(const CShapeHitTest &) = delete;
    CShapeHitTest &operator=(const CShapeHitTest &) = delete;

    /// The factor by which the references' tolerances are multiplied; read at each Run.
    virtual double GetScale() const = 0;

    /// Appends a CornerArea reference (kind 0).
    void AddShapeKind0(uint32_t id, ICornerShape *shape, int32_t tolerance, int32_t element,
                       int32_t group);
    /// Appends a CornerOutline reference (kind 1).
    void AddShapeKind1(uint32_t id, ICornerShape *shape, int32_t tolerance, int32_t element,
                       int32_t group);
    /// Appends a Polyline reference (kind 3).
    void AddShapeKind3(uint32_t id, IPointSetShape *shape, int32_t tolerance, int32_t element,
                       int32_t group);
    /// Appends a Position reference (kind 5).
    void AddShapeKind5(uint32_t id, IPositionShape *shape, int32_t tolerance, int32_t element,
                       int32_t group);
    /// Appends a reference of any kind.
    void AddShape(const CShapeRef &ref);
    /// Forgets every reference (and so the hit of the last search).
    void RemoveAllShapes();
    int GetShapeCount() const { return static_cast<int>(m_aRefs.size()); }
    /// Reference i, in the order added (unchecked).
    const CShapeRef &GetShapeAt(int i) const { return m_aRefs[i]; }

    /// Searches the references for the shape nearest to probe. Returns the hit record, which
    /// belongs to the search and stays valid until the next Run or RemoveAllShapes, or null when
    /// no reference was hit.
    const CShapeHit *Run(const DPOINT &probe);

private:
    bool Measure(const CShapeRef &ref, CShapeHit &candidate) const;
    bool MeasureCorners(const CShapeRef &ref, CShapeHit &candidate) const;
    bool MeasurePolyline(const CShapeRef &ref, CShapeHit &candidate) const;
    bool MeasurePointSet(const CShapeRef &ref, CShapeHit &candidate) const;
    bool MeasurePosition(const CShapeRef &ref, CShapeHit &candidate) const;
    bool MeasureNearestPoint(const CShapeRef &ref, CShapeHit &candidate) const;
    bool MeasureGuide(const CShapeRef &ref, CShapeHit &candidate) const;
    bool Replaces(const CShapeRef &ref, double distance) const;
    double GetDistanceToPosition(const CShapeRef &ref) const;
    double GetTolerance(const CShapeRef &ref) const;

    ShapeHitTestIndex::References m_aRefs;
    ShapeHitTestIndex m_oIndex;
    std::vector<uint32_t> m_aCandidates;
    DPOINT m_oProbe;
    CShapeHit m_oHit;
    double m_dScale = 1.0;
};
