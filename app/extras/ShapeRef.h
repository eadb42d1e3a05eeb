// Morvane program foundation extras.
// Typed references to the shapes that the nearest-shape search measures, and its hit record.
#pragma once

#include "app/extras/HitShapes.h"

#include <cstdint>
#include <variant>

/// How the nearest-shape search measures a shape; the values are the kinds' numbers 0 to 8.
enum class ShapeKind : int {
    CornerArea = 0,      ///< area of a four-corner shape: hit whenever the probe lies inside,
                         ///< however far from the edges
    CornerOutline = 1,   ///< the outline of a four-corner shape
    Unseen = 2,          ///< a point set that is never hit
    Polyline = 3,        ///< the polyline through a point set
    PointSet = 4,        ///< the points of a point set
    Position = 5,        ///< a position
    NearestPoint = 6,    ///< a shape that finds its nearest point itself
    HorizontalGuide = 7, ///< the horizontal guide through a position
    VerticalGuide = 8,   ///< the vertical guide through a position
};

/// A typed reference to a shape (not owned) for the nearest-shape search; its kind says how the
/// shape is measured. The element is handed to the shape's operations (which point set or position is meant); the
/// group orders the search; the tolerance (an integer) is multiplied by the search's scale. The
/// id is the caller's and not read by the search.
class CShapeRef
{
public:
    /// CornerArea and CornerOutline.
    CShapeRef(uint32_t id, ICornerShape *shape, ShapeKind kind, int32_t element, int32_t group,
              int32_t tolerance);
    /// Unseen, Polyline and PointSet.
    CShapeRef(uint32_t id, IPointSetShape *shape, ShapeKind kind, int32_t element, int32_t group,
              int32_t tolerance);
    /// Position and the two guides.
    CShapeRef(uint32_t id, IPositionShape *shape, ShapeKind kind, int32_t element, int32_t group,
              int32_t tolerance);
    /// NearestPoint.
    CShapeRef(uint32_t id, INearestPointShape *shape, int32_t element, int32_t group,
              int32_t tolerance);

    uint32_t GetId() const { return m_nId; }
    ShapeKind GetKind() const { return m_eKind; }
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

    CShapeRef(uint32_t id, Shape shape, ShapeKind kind, int32_t element, int32_t group,
              int32_t tolerance);

    Shape m_oShape;
    ShapeKind m_eKind;
    uint32_t m_nId;
    int32_t m_nElement;
    int32_t m_nGroup;
    int32_t m_nTolerance;
};

/// The nearest hit of a search: the reference, its distance, and what the reference's kind
/// tells besides (each -1, or 2147483647.0 for the point, when it tells nothing): the segment
/// (Polyline) or point (PointSet) index, the nearest point (Polyline, NearestPoint, guides) and
/// the edge (CornerArea, CornerOutline: 0 B-A, 1 C-B, 2 D-C, 3 A-D). An empty record has no reference and the distance
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
