// Morvane program interaction.
// The model's points, lines and regions as the nearest-shape search measures them, per size.
#include "app/interaction/FocusShapes.h"

#include "app/interaction/FocusObject.h"
#include "model/GradePath.h"
#include "model/GradePlace.h"
#include "model/GradeRegion.h"
#include "model/Polyline.h"

#include <algorithm>
#include <utility>

namespace morvane {

/// A size kept by value: its entries of grade table and size index.
class FocusSizeTable::SizeCopy : public IGradeSize
{
public:
    explicit SizeCopy(std::vector<std::pair<int, int>> entries) : m_aEntries(std::move(entries)) {}

    int GetGradeTableCount() const override { return static_cast<int>(m_aEntries.size()); }
    int GetGradeTableAt(int i) const override { return m_aEntries[i].first; }
    int GetGradeSizeAt(int i) const override { return m_aEntries[i].second; }
    const std::vector<std::pair<int, int>> &entries() const { return m_aEntries; }

private:
    std::vector<std::pair<int, int>> m_aEntries;
};

static std::vector<std::pair<int, int>> entriesOf(const IGradeSize &size)
{
    std::vector<std::pair<int, int>> entries;
    for (int i = 0; i < size.GetGradeTableCount(); ++i)
        entries.emplace_back(size.GetGradeTableAt(i), size.GetGradeSizeAt(i));
    return entries;
}

FocusSizeTable::FocusSizeTable()
{
    Clear();
}

FocusSizeTable::~FocusSizeTable() = default;

void FocusSizeTable::Clear()
{
    m_aSizes.clear();
    m_aSizes.push_back(nullptr);
}

int32_t FocusSizeTable::Add(const IGradeSize *size)
{
    if (size == nullptr || size->GetGradeTableCount() == 0)
        return 0;
    std::vector<std::pair<int, int>> entries = entriesOf(*size);
    for (size_t i = 1; i < m_aSizes.size(); ++i) {
        if (m_aSizes[i]->entries() == entries)
            return static_cast<int32_t>(i);
    }
    m_aSizes.push_back(std::make_unique<SizeCopy>(std::move(entries)));
    return static_cast<int32_t>(m_aSizes.size() - 1);
}

int32_t FocusSizeTable::Add(const GradeSizeKey &key)
{
    if (key.isBase())
        return 0;
    const SizeCopy size({{key.table, key.size}});
    return Add(&size);
}

const IGradeSize *FocusSizeTable::GetSize(int32_t element) const
{
    if (element <= 0 || element >= static_cast<int32_t>(m_aSizes.size()))
        return nullptr;
    return m_aSizes[element].get();
}

GradeSizeKey FocusSizeTable::GetKey(int32_t element) const
{
    return GradeSizeKey::of(GetSize(element));
}

// The slot of the element in a list kept by element, the list grown to hold it.
template <class T>
static std::optional<T> &slotOf(std::vector<std::optional<T>> &slots, int32_t element)
{
    const auto index = static_cast<size_t>(std::max(element, 0));
    if (index >= slots.size())
        slots.resize(index + 1);
    return slots[index];
}

void FocusPointShape::GetElementPosition(int32_t element, double &x, double &y) const
{
    std::optional<DPOINT> &position = slotOf(m_aPositions, element);
    if (!position)
        position = m_pPlace->GetPosition(sizeOf(element));
    x = position->x;
    y = position->y;
}

int FocusPointSetShape::GetElementPointCount(int32_t element) const
{
    return static_cast<int>(shapeOf(element).points.size());
}

void FocusPointSetShape::GetElementPoint(int32_t element, int i, double &x, double &y) const
{
    const DPOINT &point = shapeOf(element).points[i];
    x = point.x;
    y = point.y;
}

bool FocusPointSetShape::GetElementBounds(int32_t element, CDRect &bounds) const
{
    const Shape &shape = shapeOf(element);
    bounds = shape.bounds;
    return shape.hasBounds;
}

const FocusPointSetShape::Shape &FocusPointSetShape::shapeOf(int32_t element) const
{
    std::optional<Shape> &shape = slotOf(m_aShapes, element);
    if (!shape) {
        shape.emplace();
        computeShape(sizeOf(element), shape->points);
        shape->bounds.IncludePoints(shape->points);
        shape->hasBounds = shape->bounds.IsValid();
    }
    return *shape;
}

FocusLineShape::FocusLineShape(CPolyline *polyline, const FocusSizeTable &sizes)
    : FocusPointSetShape(polyline, sizes), m_pPolyline(polyline)
{}

void FocusLineShape::computeShape(const IGradeSize *size, std::vector<DPOINT> &shape) const
{
    m_pPolyline->GetShape(size, shape, nullptr);
}

void FocusPathShape::computeShape(const IGradeSize *size, std::vector<DPOINT> &shape) const
{
    m_pPath->GetShape(shape, size);
}

int32_t FocusRegionShape::GetPartKind(int32_t edge)
{
    switch (edge) {
    case 0:
        return CFocusObject::kRegionBaseEdge;
    case 1:
        return CFocusObject::kRegionLeftEdge;
    case 2:
        return CFocusObject::kRegionTopEdge;
    case 3:
        return CFocusObject::kRegionRightEdge;
    default:
        return CFocusObject::kNothing;
    }
}

void FocusRegionShape::GetCorners(DPOINT &a, DPOINT &b, DPOINT &c, DPOINT &d) const
{
    m_pRegion->GetOutline(b, c, d, a);
}

void FocusShapeStore::Clear()
{
    m_aShapes.clear();
    m_oSizes.Clear();
}

template <class Shape, class... Args>
Shape *FocusShapeStore::add(Args &&...args)
{
    auto shape = std::make_unique<Shape>(std::forward<Args>(args)..., m_oSizes);
    Shape *added = shape.get();
    m_aShapes.push_back(std::move(shape));
    return added;
}

FocusPointShape *FocusShapeStore::AddPoint(IGradePlace *place, CObject *item)
{
    return add<FocusPointShape>(place, item);
}

FocusLineShape *FocusShapeStore::AddLine(CPolyline *polyline)
{
    return add<FocusLineShape>(polyline);
}

FocusPathShape *FocusShapeStore::AddPath(CGradePath *path)
{
    return add<FocusPathShape>(path);
}

FocusRegionShape *FocusShapeStore::AddRegion(IRegion *region, CObject *item)
{
    return add<FocusRegionShape>(region, item);
}

} // namespace morvane
