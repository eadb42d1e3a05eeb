// Morvane program foundation extras.
// Typed references to the shapes that the nearest-shape search measures, and its hit record.
#include "app/extras/ShapeRef.h"

#include <cassert>

CShapeRef::CShapeRef(uint32_t id, ICornerShape *shape, ShapeKind kind, int32_t element,
                     int32_t group, int32_t tolerance)
    : CShapeRef(id, Shape(shape), kind, element, group, tolerance)
{
    assert((kind == ShapeKind::CornerArea || kind == ShapeKind::CornerOutline) &&
           "a four-corner shape is referenced as its area or its outline");
}

CShapeRef::CShapeRef(uint32_t id, IPointSetShape *shape, ShapeKind kind, int32_t element,
                     int32_t group, int32_t tolerance)
    : CShapeRef(id, Shape(shape), kind, element, group, tolerance)
{
    assert((kind == ShapeKind::Unseen || kind == ShapeKind::Polyline ||
            kind == ShapeKind::PointSet) &&
           "a point-set shape is referenced as unseen, a polyline or its points");
}

CShapeRef::CShapeRef(uint32_t id, IPositionShape *shape, ShapeKind kind, int32_t element,
                     int32_t group, int32_t tolerance)
    : CShapeRef(id, Shape(shape), kind, element, group, tolerance)
{
    assert((kind == ShapeKind::Position || kind == ShapeKind::HorizontalGuide ||
            kind == ShapeKind::VerticalGuide) &&
           "a position shape is referenced as a position or a guide");
}

CShapeRef::CShapeRef(uint32_t id, INearestPointShape *shape, int32_t element, int32_t group,
                     int32_t tolerance)
    : CShapeRef(id, Shape(shape), ShapeKind::NearestPoint, element, group, tolerance)
{}

CShapeRef::CShapeRef(uint32_t id, Shape shape, ShapeKind kind, int32_t element, int32_t group,
                     int32_t tolerance)
    : m_oShape(shape), m_eKind(kind), m_nId(id), m_nElement(element), m_nGroup(group),
      m_nTolerance(tolerance)
{}

// The shape held in the variant when it is of type T, else null.
template <class T, class Variant>
static T *shapeAs(const Variant &shape)
{
    const auto *held = std::get_if<T *>(&shape);
    return held != nullptr ? *held : nullptr;
}

ICornerShape *CShapeRef::GetCornerShape() const
{
    return shapeAs<ICornerShape>(m_oShape);
}

IPointSetShape *CShapeRef::GetPointSetShape() const
{
    return shapeAs<IPointSetShape>(m_oShape);
}

IPositionShape *CShapeRef::GetPositionShape() const
{
    return shapeAs<IPositionShape>(m_oShape);
}

INearestPointShape *CShapeRef::GetNearestPointShape() const
{
    return shapeAs<INearestPointShape>(m_oShape);
}
