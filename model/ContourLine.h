// Morvane model library.
// One polyline of a contour, with the direction in which the contour runs along it.
#pragma once

#include "foundation/AttContainer.h"
#include "model/MvItem.h"

class CContour;
class CPolyline;

/// A polyline of a contour and its direction, as the program reads it.
class IContourLine
{
public:
    virtual ~IContourLine() = default;

    virtual CPolyline *GetPolyline() const = 0;
    /// True when the contour runs from the polyline's last point to its first.
    virtual bool IsBackward() const = 0;
    virtual CContour *GetContour() const = 0;
};

/// A polyline of a contour (not owned) with its direction; the contour owns its lines. Stored
/// as "Polyline" (by name, an element of a "Polyline" collection) and "Backward", both
/// required; the contour gives a loaded line its owner.
class CContourLine : public IContourLine, public CAttContainer, public CMvItem
{
public:
    CContourLine();

    /// "CContourLine", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void Create(CContour *contour, CPolyline *polyline, bool backward);
    void SetContour(CContour *contour) { m_pContour = contour; }

    CPolyline *GetPolyline() const override { return m_pPolyline; }
    bool IsBackward() const override { return m_bBackward; }
    CContour *GetContour() const override { return m_pContour; }

private:
    CPolyline *m_pPolyline = nullptr;
    bool m_bBackward = false;
    CContour *m_pContour = nullptr;
};
