// Morvane formula library.
// A pair of matched points of a relative formula.
#pragma once

#include "foundation/AttContainer.h"
#include "model/MvItem.h"

#include <string>

class CBasePoint;
class CBaseRelativeFormula;

/// A source point on the formula's own paths matched with a target point on the paths it
/// measures (a side holds its point and, for a mask point, the input points it stands for);
/// the joined segments of the formula are split at its matches. Its text (the
/// relation the joined segment it opens is graded by) is the formula's parameter at the
/// match's index. Stored: "Source" and "Target" (points by name, required) and
/// "ProportionalByLength"; the owner is not stored.
class CSegmentMatch : public CAttContainer, public CMvItem
{
public:
    CSegmentMatch();

    /// "CSegmentMatch", base CMvItem, creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    CBaseRelativeFormula *GetOwner() const { return m_pOwner; }
    void SetOwner(CBaseRelativeFormula *owner) { m_pOwner = owner; }
    CBasePoint *GetSource() const { return m_pSource; }
    /// Sets the source; the owner recomputes its resolved points.
    void SetSource(CBasePoint *point);
    CBasePoint *GetTarget() const { return m_pTarget; }
    /// Sets the target; the owner recomputes its resolved points.
    void SetTarget(CBasePoint *point);
    bool GetProportionalByLength() const { return m_bProportionalByLength; }
    void SetProportionalByLength(bool on) { m_bProportionalByLength = on; }

    /// The owner's parameter at this match's index, as the parser reads it; empty without an
    /// owner.
    std::string GetText() const;
    /// Sets that parameter; false when there is no owner or its configuration refuses the text.
    bool SetText(const std::string &text);
    /// Takes source, target and the proportional flag of other.
    void CopyFrom(const CSegmentMatch &other);

private:
    int GetIndexInOwner() const;
    void InvalidateOwner();

    CBaseRelativeFormula *m_pOwner = nullptr;
    CBasePoint *m_pSource = nullptr;
    CBasePoint *m_pTarget = nullptr;
    bool m_bProportionalByLength = false;
};
