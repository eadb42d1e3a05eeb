// Morvane formula library.
// The base of every point formula: the graded mask point, its apply types, the resolution of
// its reference points to input points, and the copies bound to the associated input points.
#pragma once

#include "formulas/BaseFormula.h"
#include "formulas/FormulaMakers.h"

#include <memory>
#include <string>
#include <vector>

class CPFSymetryPoint;
class CPointFormulaInterpolate;
class IGradePlace;

/// What the program edits on every point formula.
class IPointFormula
{
public:
    virtual ~IPointFormula() = default;

    /// The graded point's place; null when none is set.
    virtual IGradePlace *GetBasePointPlace() = 0;
    /// Stores the apply type (0 increment, 1 set, 2 untouched); no event.
    virtual void SetApplyTypeX(int type) = 0;
    virtual void SetApplyTypeY(int type) = 0;
    /// The symmetry point formula itself; null for other kinds.
    virtual CPFSymetryPoint *GetSymmetryFormula() = 0;
    /// The interpolate point formula itself; null for other kinds.
    virtual CPointFormulaInterpolate *GetInterpolateFormula() = 0;
};

/// The base of the point formulas. The formula kept in the mask grades a mask point (stored as
/// "Point") and names its reference points as mask points (index points); it resolves each to
/// the first input point associated with it. Its update makes one copy bound to each input
/// point associated with the graded point (one unbound copy when there is none), handed to the
/// formula manager for the evaluation run; only bound copies write parser lines, each starting
/// with the point address of the bound point.
///
/// Stored keys after those of the formula base: "Point" (required), the legacy "Increment" and
/// "ApplyType" (read from old files, never written; ConvertApplyType turns them into the apply
/// types), "ApplyTypeX" and "ApplyTypeY".
class CBasePointFormula : public CBaseFormula, public IPointFormula
{
public:
    CBasePointFormula();

    /// "CBasePointFormula", base CBaseFormula, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    /// 3: attached to the graded point.
    int GetAttachKind() const override { return FORMULA_ATTACH_POINT; }
    CBasePoint *GetBasePoint() const override { return m_pBasePoint; }
    int GetApplyTypeX() const override { return m_eApplyTypeX; }
    int GetApplyTypeY() const override { return m_eApplyTypeY; }
    IPointFormula *AsPointFormula() override { return this; }
    /// The base check; with both apply types 2 it fails (109, with a reporter).
    bool CheckIndexPoints(CFormulaMessageList *reporter) override;
    /// The base check, then: an unbound formula fails (114 with the graded point's label, or
    /// 101 "#0" without one); a bound point in a read-only region fails (108).
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    /// Resolves the reference points, then hands the manager a copy bound to each input point
    /// associated with the graded point (one unbound copy when there is none).
    void Update() override;
    /// Whether the point is one of the index points.
    bool IsIndexedPoint(const CBasePoint *point) const override;
    /// The index points, then the graded point (a null entry when none is set).
    void CollectIndexPoints(CPtrCollection<CBasePoint> &list) const override;
    /// ConvertApplyType.
    void UpdateFromVersion2115to2116() override { ConvertApplyType(); }
    /// The base copy, then the resolved count and the two apply types.
    void CopyFrom(const CBaseFormula &other) override;
    /// The parser line (GetFormulaText) when there is one; kinds with their own lines override.
    void AddFormulaText(std::vector<std::string> &texts) override;

    IGradePlace *GetBasePointPlace() override;
    void SetApplyTypeX(int type) override { m_eApplyTypeX = type; }
    void SetApplyTypeY(int type) override { m_eApplyTypeY = type; }
    CPFSymetryPoint *GetSymmetryFormula() override { return nullptr; }
    CPointFormulaInterpolate *GetInterpolateFormula() override { return nullptr; }

    /// Stores the graded mask point (not owned).
    void SetBasePoint(CBasePoint *point) { m_pBasePoint = point; }
    /// The input point a copy is bound to; null in the formula kept in the mask.
    CBasePoint *GetBoundPoint() const { return m_pBoundPoint; }
    void SetBoundPoint(CBasePoint *point) { m_pBoundPoint = point; }
    /// Turns the legacy "Increment" and "ApplyType" into the two apply types.
    void ConvertApplyType();
    /// The point address of the bound point; empty for an unbound formula.
    std::string GetPointAddress() const;

protected:
    int GetResolvedCount() const override { return m_nResolvedCount; }
    void SetResolvedCount(int count) { m_nResolvedCount = count; }
    /// Sets both the required index count and the resolved count.
    void SetPointCount(int count);
    /// The bound point when the copy is bound.
    void DoCollectPoints(CPtrCollection<CBasePoint> &list) override;
    /// Resolves every required index point to an input point.
    void Recalculate() override;
    /// The label of reference i: of index point i (maskLabels) or of resolved point i; "P?" for
    /// a missing one.
    std::string ReferenceLabel(int i, bool maskLabels);
    /// The label of the bound point; "P?" for an unbound formula.
    std::string BoundLabel() const { return GetLabelOrUnknown(m_pBoundPoint); }
    /// Whether the formula is bound and every resolved point is there: only then is a parser
    /// line written.
    bool CanWriteLine();
    /// Whether point is resolved point i (a null point never is).
    bool IsResolvedPoint(const CBasePoint *point, int i);
    /// Whether point is one of resolved points 0 to count - 1 (a null point never is).
    bool IsAmongResolvedPoints(const CBasePoint *point, int count);
    /// "<name>(<reference 0><separator>...<reference count - 1>)", each reference labelled as
    /// ReferenceLabel labels it.
    std::string DisplayTextOfReferences(int count, bool maskLabels, const std::string &separator);

private:
    CBasePoint *ResolveInMask(CBasePoint *indexPoint) const;
    CBasePoint *ResolveForBoundPattern(CBasePoint *indexPoint) const;

    int m_nResolvedCount = 0;
    CBasePoint *m_pBasePoint = nullptr;
    CBasePoint *m_pBoundPoint = nullptr;
    int m_eApplyTypeX = 0;
    int m_eApplyTypeY = 0;
    bool m_bIncrement = true;
    int m_eApplyType = 0;
};
