// Morvane model library.
// The abstract notch: a mark on one polyline with a depth vector.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/DPoint.h"
#include "model/MvItem.h"

class CPolyline;
class IGradeSize;

/// A notch on a polyline (not owned; the polyline owns its notches). A concrete notch says how
/// far along the line it sits (GetCurveLength) and its depth vector in the pattern's own
/// coordinates (GetDepth); this level places it on the mask with the owner pattern's location.
/// The polyline and its owner pattern must be set before the notch is placed. A null size is
/// the base size throughout.
class CNotch : public CAttContainer, public CMvItem
{
public:
    CNotch();
    ~CNotch() override;

    /// "CNotch", base CMvItem, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Stores the polyline.
    void Create(CPolyline *polyline);

    /// The depth vector in the pattern's own coordinates.
    virtual void GetDepth(const IGradeSize *size, double &dx, double &dy) const = 0;
    /// The depth vector turned to the mask: y mirrored when the pattern is flipped, then rotated
    /// by the pattern's angle; not translated.
    virtual void GetAbsDepth(const IGradeSize *size, double &dx, double &dy) const;
    /// The notch's base on the mask (the polyline's point at the curve length), returned; the
    /// tip (base + GetAbsDepth) written to tipX, tipY.
    virtual DPOINT GetAbsPos(const IGradeSize *size, double &tipX, double &tipY) const;
    /// Where the notch is drawn, with its tip.
    virtual DPOINT GetNotchPlace(const IGradeSize *size, double &tipX, double &tipY) const = 0;
    virtual CPolyline *GetPolyline() const;
    /// The distance along the line from its first point to the notch.
    virtual double GetCurveLength(const IGradeSize *size) const = 0;

protected:
    CPolyline *m_pPolyline = nullptr;
};
