// Morvane program foundation extras.
// Typed references to the shapes that the nearest-shape search measures, and its hit record.
#include "app/extras/ShapeRef.h"

#include <cassert>

CShapeRef::CShapeRef(uint32_t id, ICornerShape *shape, int kind, int32_t element, int32_t group,
                     int32_t tolerance)
    : CShapeRef(id, Shape(shape), kind, element, group, tolerance)
{
    assert((kind == 0 || kind == 1) && "a four-corner shape is referenced as kind 0 or 1");
}

CShapeRef::CShapeRef(uint32_t id, IPointSetShape *shape, int kind, int32_t element,
                     int32_t group, int32_t tolerance)
    : CShapeRef(id, Shape(shape), kind, element, group, tolerance)
{
    assert(kind >= 2 && kind <= 4 && "a point-set shape is referenced as kind 2, 3 or 4");
}

CShapeRef::CShapeRef(uint32_t id, IPositionShape *shape, int kind, int32_t element,
                     int32_t group, int32_t tolerance)
    : CShapeRef(id, Shape(shape), kind, element, group, tolerance)
{
    assert((kind == 5 || kind == 7 || kind == 8) &&
           "a position shape is referenced as kind 5, 7 or 8");
}

CShapeRef::CShapeRef(uint32_t id, INearestPointShape *shape, int32_t element, int32_t group,
                     int32_t tolerance)
    : CShapeRef(id, Shape(shape), 6, element, group, tolerance)
{}

CShapeRef::CShapeRef(uint32_t id, Shape shape, int kind, int32_t element, int32_t group,
                     int32_t tolerance)
    : m_oShape(shape), m_nKind(kind), m_nId(id), m_nElement(element), m_nGroup(group),
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
