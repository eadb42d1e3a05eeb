// Morvane model library.
// The point of a mask pattern: its own coordinates and the points it is associated with.
#pragma once

#include "foundation/PtrCollection.h"
#include "model/BasePoint.h"

class CPattern;

/// A mask point as the program and the association maps use it. An association names the
/// partner point (normally a grade point of an input pattern) that the mask point stands for;
/// a point holds each partner once, in the order they were added. Association changes send no
/// events here: the mask's point association map frames them (IPointAssociationMap).
class IMaskPoint
{
public:
    virtual ~IMaskPoint() = default;

    /// Appends the partner points.
    virtual void AppendAssociations(CPtrCollection<CBasePoint> &out) const = 0;
    virtual CBasePoint *GetBasePoint() = 0;
    /// Appends the partner points of flagged input patterns.
    virtual void AppendInputAssociations(CPtrCollection<CBasePoint> &out) const = 0;
    /// The first partner; null when none.
    virtual CBasePoint *GetFirstAssociation() const = 0;
    /// Removes, from the last, every association whose partner belongs to pattern.
    virtual void RemoveAssociationsTo(const CPattern *pattern) = 0;
    /// Moves the point in the pattern's own coordinates.
    virtual void SetX(double x) = 0;
    virtual void SetY(double y) = 0;
    virtual int GetAssociationCount() const = 0;
    /// Adds point as a partner unless it is one already; returns whether it was added.
    virtual bool AddAssociation(CBasePoint *point) = 0;
    /// Removes point as a partner; returns whether it was one.
    virtual bool RemoveAssociation(const CBasePoint *point) = 0;
    virtual void RemoveAllAssociations() = 0;
    /// The number of partners that belong to pattern.
    virtual int GetAssociationCountTo(const CPattern *pattern) const = 0;
};

/// A point of a mask pattern, at its own coordinates in the pattern's frame (the same in every
/// size). Stored as "GradeType", "Id" (written when set), "x" and "y"; the associations are not
/// stored with the point.
class CMaskPoint : public CBasePoint, public IMaskPoint
{
public:
    CMaskPoint();
    ~CMaskPoint() override;

    /// "CMaskPoint", base CBasePoint, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// (x, y) placed on the mask by the parent's location (as they are without a parent); the
    /// size is not used.
    DPOINT GetPosition(const IGradeSize *size) const override;
    double GetX() const override { return m_dX; }
    double GetY() const override { return m_dY; }
    /// The first partner; null when none.
    CBasePoint *GetAssociatedPoint() const override;
    IMaskPoint *GetMaskPoint() override { return this; }
    bool IsSliderPoint() const override { return false; }
    /// Null, and a null line.
    CBasePoint *FindSliderPoint(CPolyline *&line) override;

    void AppendAssociations(CPtrCollection<CBasePoint> &out) const override;
    CBasePoint *GetBasePoint() override { return this; }
    void AppendInputAssociations(CPtrCollection<CBasePoint> &out) const override;
    CBasePoint *GetFirstAssociation() const override;
    void RemoveAssociationsTo(const CPattern *pattern) override;
    /// Stores x and drops the parent's cached extent and outlines.
    void SetX(double x) override;
    /// Stores y and drops the parent's cached extent and outlines.
    void SetY(double y) override;
    int GetAssociationCount() const override { return m_oAssociations.GetCount(); }
    bool AddAssociation(CBasePoint *point) override;
    bool RemoveAssociation(const CBasePoint *point) override;
    void RemoveAllAssociations() override { m_oAssociations.RemoveAll(); }
    int GetAssociationCountTo(const CPattern *pattern) const override;

private:
    void InvalidateParent();

    double m_dX = 0.0;
    double m_dY = 0.0;
    CPtrCollection<CBasePoint> m_oAssociations;
};
