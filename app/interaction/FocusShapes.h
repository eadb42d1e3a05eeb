// Morvane program interaction.
// The model's points, lines and regions as the nearest-shape search measures them, per size.
#pragma once

#include "app/extras/HitShapes.h"
#include "model/GradeSize.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

class CGradePath;
class CObject;
class CPolyline;
class IGradePlace;
class IRegion;

namespace morvane {

/// The sizes the references of one focus search name by their element: element 0 is the base
/// size, every other element a copy of a size made when the references were added (so a change
/// of the shown sizes leaves the references whole).
class FocusSizeTable
{
public:
    FocusSizeTable();
    ~FocusSizeTable();

    /// Forgets every size but the base size.
    void Clear();
    /// The element of a copy of the size (an equal size added before gives its element); 0
    /// for null or a size without entries.
    int32_t Add(const IGradeSize *size);
    /// Add for a size of one table.
    int32_t Add(const GradeSizeKey &key);
    /// The size of the element; null for the base size and for an element out of range.
    const IGradeSize *GetSize(int32_t element) const;
    /// The first entry of the element's size; the base size's key for the base size.
    GradeSizeKey GetKey(int32_t element) const;

private:
    class SizeCopy;
    std::vector<std::unique_ptr<SizeCopy>> m_aSizes;
};

/// A model object that a focus search measures. Its geometry is read when the search first
/// asks and kept until the shape is dropped, so the references must be rebuilt when the model
/// moves (CFocusShapeSet does). Its item is the model object a focus object
/// of the hit would name (a point, a polyline, a region, the grade mask for its centre; null
/// for the grade path being edited).
class FocusShape
{
public:
    FocusShape(CObject *item, const FocusSizeTable &sizes) : m_pItem(item), m_rSizes(sizes) {}
    virtual ~FocusShape() = default;
    FocusShape(const FocusShape &) = delete;
    FocusShape &operator=(const FocusShape &) = delete;

    CObject *GetItem() const { return m_pItem; }
    /// The size a reference's element names.
    GradeSizeKey GetSizeKey(int32_t element) const { return m_rSizes.GetKey(element); }

protected:
    const IGradeSize *sizeOf(int32_t element) const { return m_rSizes.GetSize(element); }

private:
    CObject *m_pItem;
    const FocusSizeTable &m_rSizes;
};

/// A point (a pattern point, the mask centre): its position on the mask in the element's size,
/// computed when first asked and kept.
class FocusPointShape : public FocusShape, public IPositionShape
{
public:
    FocusPointShape(IGradePlace *place, CObject *item, const FocusSizeTable &sizes)
        : FocusShape(item, sizes), m_pPlace(place)
    {}

    IGradePlace *GetPlace() const { return m_pPlace; }
    void GetElementPosition(int32_t element, double &x, double &y) const override;
    /// The positions are kept once measured.
    bool IsFixed() const override { return true; }

private:
    IGradePlace *m_pPlace;
    // By element; empty where not measured yet.
    mutable std::vector<std::optional<DPOINT>> m_aPositions;
};

/// A line's shape on the mask per element, computed when first asked and kept with its bounds.
class FocusPointSetShape : public FocusShape, public IPointSetShape
{
public:
    using FocusShape::FocusShape;

    int GetElementPointCount(int32_t element) const override;
    void GetElementPoint(int32_t element, int i, double &x, double &y) const override;
    bool GetElementBounds(int32_t element, CDRect &bounds) const override;
    /// The shapes are kept once measured.
    bool IsFixed() const override { return true; }

protected:
    /// The shape of the element's size on the mask.
    virtual void computeShape(const IGradeSize *size, std::vector<DPOINT> &shape) const = 0;

private:
    struct Shape
    {
        std::vector<DPOINT> points;
        CDRect bounds;
        bool hasBounds;
    };
    const Shape &shapeOf(int32_t element) const;

    // By element; empty where not measured yet.
    mutable std::vector<std::optional<Shape>> m_aShapes;
};

/// A pattern's polyline.
class FocusLineShape : public FocusPointSetShape
{
public:
    FocusLineShape(CPolyline *polyline, const FocusSizeTable &sizes);

    CPolyline *GetPolyline() const { return m_pPolyline; }

protected:
    void computeShape(const IGradeSize *size, std::vector<DPOINT> &shape) const override;

private:
    CPolyline *m_pPolyline;
};

/// The grade path being edited.
class FocusPathShape : public FocusPointSetShape
{
public:
    FocusPathShape(CGradePath *path, const FocusSizeTable &sizes)
        : FocusPointSetShape(nullptr, sizes), m_pPath(path)
    {}

    CGradePath *GetPath() const { return m_pPath; }

protected:
    void computeShape(const IGradeSize *size, std::vector<DPOINT> &shape) const override;

private:
    CGradePath *m_pPath;
};

/// A grade region: its four corners (base right, base left, top left, top right), so that its
/// edges 0 to 3 are the base, the left side, the top and the right side.
class FocusRegionShape : public FocusShape, public ICornerShape
{
public:
    FocusRegionShape(IRegion *region, CObject *item, const FocusSizeTable &sizes)
        : FocusShape(item, sizes), m_pRegion(region)
    {}

    IRegion *GetRegion() const { return m_pRegion; }
    /// The focus kind of the region's part for an edge of a hit of its outline (0 to 3); 0, the
    /// region as a whole, for any other edge.
    static int32_t GetPartKind(int32_t edge);
    void GetCorners(DPOINT &a, DPOINT &b, DPOINT &c, DPOINT &d) const override;

private:
    IRegion *m_pRegion;
};

/// The shapes and sizes behind the references of one focus search, kept until Clear.
class FocusShapeStore
{
public:
    void Clear();
    FocusSizeTable &GetSizes() { return m_oSizes; }
    FocusPointShape *AddPoint(IGradePlace *place, CObject *item);
    FocusLineShape *AddLine(CPolyline *polyline);
    FocusPathShape *AddPath(CGradePath *path);
    FocusRegionShape *AddRegion(IRegion *region, CObject *item);
    int GetShapeCount() const { return static_cast<int>(m_aShapes.size()); }

private:
    template <class Shape, class... Args>
    Shape *add(Args &&...args);

    FocusSizeTable m_oSizes;
    std::vector<std::unique_ptr<FocusShape>> m_aShapes;
};

} // namespace morvane
