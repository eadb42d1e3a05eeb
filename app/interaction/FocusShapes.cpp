// Morvane program interaction.
// The model's points, lines and regions as the nearest-shape search measures them, per size.
#include "app/interaction/FocusShapes.h"

#include "model/GradePath.h"
#include "model/GradePlace.h"
#include "model/GradeRegion.h"
#include "model/Polyline.h"

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

void FocusPointShape::GetElementPosition(int32_t element, double &x, double &y) const
{
    const DPOINT position = m_pPlace->GetPosition(sizeOf(element));
    x = position.x;
    y = position.y;
}

FocusLineShape::FocusLineShape(CPolyline *polyline, const FocusSizeTable &sizes)
    : FocusShape(polyline, sizes), m_pPolyline(polyline)
{}

int FocusLineShape::GetElementPointCount(int32_t element) const
{
    m_pPolyline->GetShape(sizeOf(element), m_aShape, nullptr);
    return static_cast<int>(m_aShape.size());
}

void FocusLineShape::GetElementPoint(int32_t, int i, double &x, double &y) const
{
    x = m_aShape[i].x;
    y = m_aShape[i].y;
}

int FocusPathShape::GetElementPointCount(int32_t element) const
{
    m_pPath->GetShape(m_aShape, sizeOf(element));
    return static_cast<int>(m_aShape.size());
}

void FocusPathShape::GetElementPoint(int32_t, int i, double &x, double &y) const
{
    x = m_aShape[i].x;
    y = m_aShape[i].y;
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
