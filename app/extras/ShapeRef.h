// Morvane program foundation extras.
// Typed references to the shapes that the nearest-shape search measures, and its hit record.
#pragma once

#include "app/extras/HitShapes.h"

#include <cstdint>
#include <variant>

/// A typed reference to a shape (not owned) for the nearest-shape search. The kind says how the
/// shape is measured:
/// - 0: area of a four-corner shape: hit whenever the probe lies inside, however far from the
///   edges; 1: the outline of a four-corner shape;
/// - 2: never hit; 3: the polyline through a point set; 4: the points of a point set;
/// - 5: a position; 7: the horizontal and 8: the vertical guide through a position;
/// - 6: a shape that finds its nearest point itself.
/// The element is handed to the shape's operations (which point set or position is meant); the
/// group orders the search; the tolerance (an integer) is multiplied by the search's scale. The
/// id is the caller's and not read by the search.
class CShapeRef
{
public:
    /// Kinds 0 and 1.
    CShapeRef(uint32_t id, ICornerShape *shape, int kind, int32_t element, int32_t group,
              int32_t tolerance);
    /// Kinds 2, 3 and 4.
    CShapeRef(uint32_t id, IPointSetShape *shape, int kind, int32_t element, int32_t group,
              int32_t tolerance);
    /// Kinds 5, 7 and 8.
    CShapeRef(uint32_t id, IPositionShape *shape, int kind, int32_t element, int32_t group,
              int32_t tolerance);
    /// Kind 6.
    CShapeRef(uint32_t id, INearestPointShape *shape, int32_t element, int32_t group,
              int32_t tolerance);

    uint32_t GetId() const { return m_nId; }
    int GetKind() const { return m_nKind; }
    int32_t GetElement() const { return m_nElement; }
    int32_t GetGroup() const { return m_nGroup; }
    int32_t GetTolerance() const { return m_nTolerance; }

    /// The shape, each accessor null for a reference of another kind group.
    ICornerShape *GetCornerShape() const;
    IPointSetShape *GetPointSetShape() const;
    IPositionShape *GetPositionShape() const;
    INearestPointShape *GetNearestPointShape() const;

private:
    using Shape =
        std::variant<ICornerShape *, IPointSetShape *, IPositionShape *, INearestPointShape *>;

    CShapeRef(uint32_t id, Shape shape, int kind, int32_t element, int32_t group,
              int32_t tolerance);

    Shape m_oShape;
    int m_nKind;
    uint32_t m_nId;
    int32_t m_nElement;
    int32_t m_nGroup;
    int32_t m_nTolerance;
};

/// The nearest hit of a search: the reference, its distance, and what the reference's kind
/// tells besides (each -1, or 2147483647.0 for the point, when it tells nothing): the segment
/// (kind 3) or point (kind 4) index, the nearest point (kinds 3, 6, 7, 8) and the edge (kinds
/// 0 and 1: 0 B-A, 1 C-B, 2 D-C, 3 A-D). An empty record has no reference and the distance
/// 2147483647.0.
class CShapeHit
{
public:
    static constexpr double kNoDistance = 2147483647.0;

    CShapeHit() = default;
    /// The empty values.
    void Reset() { *this = CShapeHit(); }

    const CShapeRef *GetRef() const { return m_pRef; }
    double GetDistance() const { return m_dDistance; }
    int32_t GetIndex() const { return m_nIndex; }
    DPOINT GetPoint() const { return m_oPoint; }
    int32_t GetEdge() const { return m_nEdge; }

private:
    friend class CShapeHitTest;

    const CShapeRef *m_pRef = nullptr;
    double m_dDistance = kNoDistance;
    int32_t m_nIndex = -1;
    DPOINT m_oPoint{kNoDistance, kNoDistance};
    int32_t m_nEdge = -1;
};
