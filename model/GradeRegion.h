// Morvane model library.
// A grade region of the mask: a half plane, strip or box whose points one formula grades.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/DPoint.h"
#include "foundation/DRect.h"
#include "foundation/EventHandler.h"
#include "foundation/PtrCollection.h"
#include "model/FormulaCopy.h"
#include "model/MvItem.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CBasePoint;
class CGradeMask;
class CInputPattern;
class IBaseFormula;
class IOldFormula;

/// The kinds of grade region.
enum REGION_TYPE {
    /// Its points are graded by its formula.
    REGION_GRADE = 0,
    /// Points inside it are left out of every grade region.
    REGION_EXCLUDE = 1,
    /// Points inside it (and in no exclude region) are left out of the grade regions.
    REGION_READ_ONLY = 2,
};

/// A grade region as the program and the formulas see it.
///
/// A region is given by a position on its base line, a direction (radians) in which it extends
/// from that line, side offsets measured along the base line (the vector (sin, -cos) of the
/// direction) and a height along the direction. A side whose limit is off lies 1e10 away (its
/// effective offset -1e10 on the left, 1e10 on the right, 1e10 for the height), so an unlimited
/// region is a half plane or a strip. Its corners, in outline order: base left, top left, top
/// right, base right. Its edges, each directed: 0 base (base right to base left), 1 left side,
/// 2 top, 3 right side.
class IRegion
{
public:
    virtual ~IRegion() = default;

    /// The four effective corners, in outline order.
    virtual void GetOutline(DPOINT &baseLeft, DPOINT &topLeft, DPOINT &topRight,
                            DPOINT &baseRight) const = 0;
    /// The left, right and height limits are all on.
    virtual bool IsClosed() const = 0;
    virtual void SetName(const std::string &name) = 0;
    virtual std::string GetName() const = 0;
    virtual void SetLimRight90(bool on) = 0;
    virtual void SetLimLeft90(bool on) = 0;
    virtual void SetLimMaxHeight(bool on) = 0;
    virtual bool GetLimRight90() const = 0;
    virtual bool GetLimLeft90() const = 0;
    virtual bool GetLimMaxHeight() const = 0;
    /// Sets out to the rectangle of the four effective corners; with limitedOnly, of the
    /// position and of the corners that limits fix (a base corner when its side is limited, a
    /// top corner when the height and its side are limited). Returns out.
    virtual CDRect &GetBoundRect(CDRect &out, bool limitedOnly) const = 0;
    /// The four effective corners (note the order).
    virtual void GetCorners(DPOINT &baseLeft, DPOINT &baseRight, DPOINT &topLeft,
                            DPOINT &topRight) const = 0;
    /// Whether the point lies in the region: on the inner side of the base edge and of each
    /// limited side (a point on an edge is inside). A region whose base corners coincide holds
    /// nothing.
    virtual bool IsPointInside(DPOINT p) const = 0;
    /// Appends to out the polygon of the part of the region inside rect (what a view of rect
    /// shows). Returns whether it appended one (more than two points); false when the region
    /// misses the rectangle.
    virtual bool ClipToRect(const CDRect &rect, std::vector<DPOINT> &out) const = 0;
    /// Appends the four effective corners in outline order; true.
    virtual bool GetPolygon(std::vector<DPOINT> &out) const = 0;
    /// Edge number edge (0 to 3) from its start to its end, clipped to rect. False when edge
    /// is above 3 or the edge misses the rectangle.
    virtual bool GetClippedEdge(const CDRect &rect, int edge, DPOINT &from, DPOINT &to) const = 0;
    virtual DPOINT GetPosition() const = 0;
    /// In radians, or in degrees wrapped into [-360, 360].
    virtual double GetDirection(bool radians) const = 0;
    /// The stored offsets and height (not the effective ones).
    virtual double GetLeft90() const = 0;
    virtual double GetRight90() const = 0;
    virtual double GetMaxHeight() const = 0;
    /// Moving by 0.001 or less changes nothing.
    virtual void SetPosition(DPOINT position) = 0;
    /// A value in degrees is stored converted to radians.
    virtual void SetDirection(double direction, bool radians) = 0;
    virtual void SetLeft90(double offset) = 0;
    virtual void SetRight90(double offset) = 0;
    virtual void SetMaxHeight(double height) = 0;
    /// A REGION_TYPE.
    virtual int GetType() const = 0;
    virtual void SetType(int type) = 0;
    virtual void SetGradeMask(CGradeMask *mask) = 0;
    /// The formula an older file's proportional-distance grading was converted into, while the
    /// mask holds it; null otherwise.
    virtual IBaseFormula *GetGradeFormula() const = 0;
};

/// A grade region of a grade mask. The mask makes it (MakeRegion), names it when it takes it
/// in, owns it and stores it in the mask file as a "GradeRegion" element: "Name", "PosX",
/// "PosY", "RegDir" (radians, 6 decimals), "Left90", "Right90", "MaxHeight", "LimMaxHeight",
/// "LimLeft90", "LimRight90", then "Type" when it is not 0.
///
/// Every setter compares first (doubles and flags exactly, the name byte by byte, the position
/// within 0.001) and does nothing for an unchanged value; otherwise it sends the before-change
/// event, stores, and sends the after-change event, with the property id: 0 position,
/// 1 direction, 2 left offset and limit, 3 right offset and limit, 4 height and its limit,
/// 5 name, 6 kind. The event handler has the id kModelHandlerId | 2 with the region as owner.
///
/// Its state can be copied for the undo history (IFormulaCopy): a command records it with
/// CHistory::AddObjectItem before it changes the region.
class CGradeRegion : public IRegion,
                     public CAttContainer,
                     public CMvItem,
                     public CEventHandler,
                     public IFormulaCopy
{
public:
    /// The source kind of a region's event handler.
    static constexpr uint32_t kSourceKind = 2;
    /// The effective offset or height of a side whose limit is off.
    static constexpr double kUnlimited = 1e10;
    /// Property ids of the change events.
    enum Property {
        PositionProperty = 0,
        DirectionProperty = 1,
        LeftProperty = 2,
        RightProperty = 3,
        HeightProperty = 4,
        NameProperty = 5,
        TypeProperty = 6,
    };

    /// Every number 0, every limit off, an empty name, kind REGION_GRADE, no formula, no mask.
    CGradeRegion();
    ~CGradeRegion() override;

    /// "CGradeRegion", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    void GetOutline(DPOINT &baseLeft, DPOINT &topLeft, DPOINT &topRight,
                    DPOINT &baseRight) const override;
    bool IsClosed() const override;
    void SetName(const std::string &name) override;
    std::string GetName() const override { return m_sName; }
    void SetLimRight90(bool on) override;
    void SetLimLeft90(bool on) override;
    void SetLimMaxHeight(bool on) override;
    bool GetLimRight90() const override { return m_bLimRight90; }
    bool GetLimLeft90() const override { return m_bLimLeft90; }
    bool GetLimMaxHeight() const override { return m_bLimMaxHeight; }
    CDRect &GetBoundRect(CDRect &out, bool limitedOnly) const override;
    void GetCorners(DPOINT &baseLeft, DPOINT &baseRight, DPOINT &topLeft,
                    DPOINT &topRight) const override;
    bool IsPointInside(DPOINT p) const override;
    bool ClipToRect(const CDRect &rect, std::vector<DPOINT> &out) const override;
    bool GetPolygon(std::vector<DPOINT> &out) const override;
    bool GetClippedEdge(const CDRect &rect, int edge, DPOINT &from, DPOINT &to) const override;
    DPOINT GetPosition() const override { return m_oPosition.GetDPoint(); }
    double GetDirection(bool radians) const override;
    double GetLeft90() const override { return m_dLeft90; }
    double GetRight90() const override { return m_dRight90; }
    double GetMaxHeight() const override { return m_dMaxHeight; }
    void SetPosition(DPOINT position) override;
    void SetDirection(double direction, bool radians) override;
    void SetLeft90(double offset) override;
    void SetRight90(double offset) override;
    void SetMaxHeight(double height) override;
    int GetType() const override { return m_eType; }
    void SetType(int type) override;
    void SetGradeMask(CGradeMask *mask) override { m_pGradeMask = mask; }
    IBaseFormula *GetGradeFormula() const override;

    /// A new region holding a copy of this one's geometry, limits, name and kind.
    std::unique_ptr<IFormulaCopy> FindManagedCounterpart() override;
    /// Takes over the geometry, limits, name and kind of other (a CGradeRegion) through the
    /// setters, so each change sends its events.
    void Assign(IFormulaCopy *other) override;

    CGradeMask *GetGradeMask() const { return m_pGradeMask; }
    /// The first formula of the mask's formula manager whose region is this one; null when
    /// none, or without a mask.
    IBaseFormula *FindGradeFormula() const;
    /// Makes the region a grade region when FindGradeFormula finds a formula, else an exclude
    /// region (files of version 2116 knew no kinds: a region without a formula excluded its
    /// points).
    void UpdateTypeFromFormula();
    /// Stores the formula pointer (not owned); no event. Only the conversion of an older file's
    /// proportional-distance grading sets it, to the formula it was converted into, and a
    /// formula that replaces that one in a later update takes it over.
    void SetGradeFormula(IBaseFormula *formula) { m_pGradeFormula = formula; }
    /// The old-format formula that graded the region in a mask before version 2100 (read from
    /// "BaseFormula", never written); null otherwise and once the mask is brought up to date.
    IOldFormula *GetOldFormula() const { return m_pOldFormula; }
    void ClearOldFormula() { m_pOldFormula = nullptr; }
    /// Appends to out (not owning) the grade points of the input patterns shown on the mask
    /// (in pattern order, then point order) whose absolute base-size position lies in the
    /// region, less, for a grade region, the points in an exclude or read-only region and the
    /// source's mark points, and, for a read-only region, the points in an exclude region. An
    /// exclude region keeps them all. Nothing without a mask or input patterns.
    void UpdateRegionPoints(CPtrCollection<CBasePoint> &out) const;
    /// Appends the input patterns shown on the mask (flagged), in order; nothing without a mask
    /// or input patterns.
    void AppendShownInputPatterns(CPtrCollection<CInputPattern> &out) const;

private:
    /// The effective left and right offsets and height, each brought into [-reach, reach].
    struct Extent
    {
        double left;
        double right;
        double height;
    };
    struct Corners
    {
        DPOINT baseLeft;
        DPOINT baseRight;
        DPOINT topLeft;
        DPOINT topRight;
    };

    Extent GetExtent(double reach) const;
    Corners GetCornersOf(const Extent &extent) const;
    Corners GetEffectiveCorners() const;
    /// Corners that agree with the effective ones within reach of the position: clipping to a
    /// rectangle with them keeps the precision of the rectangle's scale.
    Corners GetCornersReaching(const CDRect &rect) const;
    bool IsDroppedByKind(CBasePoint *point) const;
    template <class T> void SetValue(T &member, const T &value, Property property);

    CDPoint m_oPosition;
    double m_dDirection = 0.0;
    double m_dLeft90 = 0.0;
    double m_dRight90 = 0.0;
    double m_dMaxHeight = 0.0;
    bool m_bLimMaxHeight = false;
    bool m_bLimLeft90 = false;
    bool m_bLimRight90 = false;
    std::string m_sName;
    int m_eType = REGION_GRADE;
    IBaseFormula *m_pGradeFormula = nullptr;
    IOldFormula *m_pOldFormula = nullptr;
    CGradeMask *m_pGradeMask = nullptr;
};
