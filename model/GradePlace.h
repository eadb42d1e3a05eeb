// Morvane model library.
// The interfaces through which points and lines tell where they lie for a grade size.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"

#include <string>
#include <vector>

class CBasePoint;
class CNotch;
class CPolyline;
class IGradeSize;
class IInputPoint;
class IMaskPoint;
class IMaskPolyline;

/// Where a point lies and what kind of point it is. A null size is the base size throughout.
class IGradePlace
{
public:
    virtual ~IGradePlace() = default;

    /// The point's position for the size (GetPosition).
    virtual void GetGradePlace(const IGradeSize *size, double &x, double &y) const = 0;
    /// Called after the point id changed.
    virtual void OnSetPointID() = 0;
    /// The point this point is associated with; null when none.
    virtual CBasePoint *GetAssociatedPoint() const = 0;
    /// The label drawn beside the point.
    virtual std::string GetFormatName() const = 0;
    /// The absolute position (on the mask) for the size.
    virtual DPOINT GetPosition(const IGradeSize *size) const = 0;
    /// x in the pattern's own coordinates, base size.
    virtual double GetX() const = 0;
    /// y in the pattern's own coordinates, base size.
    virtual double GetY() const = 0;
    /// The input-point interface of an input point; null for other points.
    virtual IInputPoint *GetInputPoint() = 0;
    /// The mask-point interface of a mask point; null for other points.
    virtual IMaskPoint *GetMaskPoint() = 0;
    /// Whether the outline contour of the point's pattern holds the point.
    virtual bool IsOutlinePoint() const = 0;
    /// Whether the point is the first or last point of a polyline of its pattern.
    virtual bool IsEndPolylinePoint() const = 0;
    /// Whether some polyline of its pattern holds the point.
    virtual bool IsContourPoint() const = 0;
    /// Whether the point slides along a polyline.
    virtual bool IsSliderPoint() const = 0;
    /// The slider point that governs this point (itself, or the one it is tied to) and, through
    /// line, the polyline it slides on; null and a null line when none.
    virtual CBasePoint *FindSliderPoint(CPolyline *&line) = 0;
};

/// The label of a point and where it is drawn.
class IDrawText
{
public:
    virtual ~IDrawText() = default;

    /// Where the label is drawn for the size: the point's grade place.
    virtual void GetTextPlace(const IGradeSize *size, double &x, double &y) const = 0;
    /// The label text: the point's format name.
    virtual std::string GetDrawText() const = 0;
};

/// The places along a line for a grade size. A line's shape is its list of drawn points with,
/// for each, the position in the line's point list of the point it stands for (-1 where it
/// stands for none). A null size is the base size throughout.
class IGradePlaceList
{
public:
    virtual ~IGradePlaceList() = default;

    /// Computes the shape for the size into this line's place buffer and returns its count.
    virtual int GetGradePlaceCount(const IGradeSize *size) = 0;
    /// Reads place i of the buffer that the last GetGradePlaceCount of this line filled (the
    /// size is not used); i must be below that count.
    virtual void GetGradePlaceAt(const IGradeSize *size, int i, double &x, double &y) const = 0;
    /// The mask-polyline interface of a mask polyline; null for other lines.
    virtual IMaskPolyline *GetMaskPolyline() = 0;
    virtual int GetNotchCount() const = 0;
    /// Notch i (unchecked).
    virtual CNotch *GetNotchAt(int i) const = 0;
    virtual int GetPointCount() const = 0;
    /// Point i (unchecked).
    virtual CBasePoint *GetBasePointAt(int i) const = 0;
    /// The shape for the size in absolute (mask) coordinates; indexes may be null. Both outputs
    /// are replaced.
    virtual void GetShape(const IGradeSize *size, std::vector<DPOINT> &shape,
                          std::vector<int> *indexes) const = 0;
    /// The base-size shape in the pattern's own coordinates; indexes may be null. Both outputs
    /// are replaced.
    virtual void GetShapeOrigPos(std::vector<DPOINT> &shape, std::vector<int> *indexes) const = 0;
    /// The shape for the size with the slider points of the line inserted at their feet; points
    /// (may be null) gets the line point of each shape point, or the slider point.
    virtual void GetShapeWithSliderPoints(const IGradeSize *size, std::vector<DPOINT> &shape,
                                          CPtrCollection<CBasePoint> *points,
                                          bool allSliders) const = 0;
    /// The point at length along the shape for the size.
    virtual DPOINT GetAbsCurvePoint(const IGradeSize *size, double length) const = 0;
};
