// Morvane model library.
// The rule that ties a point of a mask contour to a referent point, with its tolerances.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/EventHandler.h"
#include "model/MvItem.h"

#include <cstdint>

class CBasePoint;
class CMaskContour;
class IMaskPoint;

/// A point association rule as the program's pattern association reads it: the kinds, the
/// tolerances (each with a flag telling whether it is the rule's own) and the referent point.
class IPointAssociationRule
{
public:
    virtual ~IPointAssociationRule() = default;

    virtual int GetPointAssociationType() const = 0;
    virtual int GetSolutionType() const = 0;
    virtual int GetPointMatchType() const = 0;
    /// The referent's mask point; null when the rule has none.
    virtual IMaskPoint *GetReferentPoint() const = 0;
    virtual bool GetCustomShift() const = 0;
    virtual bool GetCustomTurn() const = 0;
    virtual bool GetCustomTangent() const = 0;
    /// True unless the point match type is 2.
    virtual bool IsPointMatchNot2() const = 0;
    /// True when the point match type is 0 or 2.
    virtual bool IsPointMatch0Or2() const = 0;
    /// Whether point is the referent, or (through the rules of the owning contour) the
    /// referent's referent, and so on. A chain of referents that comes back to this rule ends
    /// there with false.
    virtual bool DependsOn(const IMaskPoint *point) = 0;
    virtual bool HasReferentPoint() const = 0;
    virtual double GetShiftError() const = 0;
    virtual double GetTurnError() const = 0;
    virtual double GetTangentError() const = 0;
};

/// The association rule of one point of a mask contour; the contour owns its rules and makes
/// the rule of a point when first asked for it (CMaskContour::GetAssRule). A new rule has no
/// referent, point match, association and solution types 0, and the tolerances 100 (shift), 60
/// (turn) and 45 (tangent), none of them custom.
///
/// Stored as "ReferentPoint" (written when set), "CustomShift", "ShiftError", "CustomTurn",
/// "TurnError", "CustomTangent", "TangentError", "PointAssociationType", "SolutionType",
/// "PointMatchType" and "Point" (written when set); the two points are references to
/// "BasePoint" elements. The owning contour is not stored: the contour sets it after loading.
/// The event handler has the id kModelHandlerId | 14.
class CPointAssociationRule : public CAttContainer,
                              public IPointAssociationRule,
                              public CEventHandler,
                              public CMvItem
{
public:
    /// The source kind of a rule's event handler.
    static constexpr uint32_t kSourceKind = 14;

    CPointAssociationRule();

    /// "CPointAssociationRule", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// Sets the rule's point and the contour that keeps the rule.
    void Create(CBasePoint *point, CMaskContour *contour);
    void SetContour(CMaskContour *contour) { m_pContour = contour; }
    /// The point the rule belongs to.
    CBasePoint *GetBasePoint() const { return m_pPoint; }
    /// The point's mask point; null when the rule has no point.
    IMaskPoint *GetPoint() const;
    CBasePoint *GetReferentBasePoint() const { return m_pReferentPoint; }

    int GetPointAssociationType() const override { return m_nPointAssociationType; }
    int GetSolutionType() const override { return m_nSolutionType; }
    int GetPointMatchType() const override { return m_nPointMatchType; }
    IMaskPoint *GetReferentPoint() const override;
    bool GetCustomShift() const override { return m_bCustomShift; }
    bool GetCustomTurn() const override { return m_bCustomTurn; }
    bool GetCustomTangent() const override { return m_bCustomTangent; }
    bool IsPointMatchNot2() const override { return m_nPointMatchType != 2; }
    bool IsPointMatch0Or2() const override;
    bool DependsOn(const IMaskPoint *point) override;
    bool HasReferentPoint() const override { return m_pReferentPoint != nullptr; }
    double GetShiftError() const override { return m_dShiftError; }
    double GetTurnError() const override { return m_dTurnError; }
    double GetTangentError() const override { return m_dTangentError; }

    /// When the referent changes: the before-change event (property -1), the store, the
    /// after-change event. point may be null (no referent).
    void SetReferentPoint(IMaskPoint *point);
    /// The same for the referent's base point.
    void SetReferentBasePoint(CBasePoint *point);
    /// The before-change event (property -1), the store, the after-change event, also for an
    /// equal value.
    void SetPointAssociationType(int type);
    /// As SetPointAssociationType.
    void SetCustomTangent(bool custom);
    /// As SetPointAssociationType.
    void SetTangentError(double error);

private:
    CBasePoint *m_pPoint = nullptr;
    CMaskContour *m_pContour = nullptr;
    CBasePoint *m_pReferentPoint = nullptr;
    int m_nPointMatchType = 0;
    bool m_bCustomShift = false;
    double m_dShiftError = 100.0;
    bool m_bCustomTurn = false;
    double m_dTurnError = 60.0;
    bool m_bCustomTangent = false;
    double m_dTangentError = 45.0;
    int m_nPointAssociationType = 0;
    int m_nSolutionType = 0;
    bool m_bInDependsOn = false;
};
