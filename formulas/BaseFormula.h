// Morvane formula library.
// The base of every grading formula: parameters, index points, resolved points, change
// tracking, checks, dependencies between formulas, copying and storage.
#pragma once

#include "foundation/AttContainer.h"
#include "foundation/EventHandler.h"
#include "formulas/StrParam.h"
#include "model/FormulaCopy.h"
#include "model/IBaseFormula.h"
#include "model/IndexPoint.h"
#include "model/MvItem.h"

#include <map>
#include <memory>
#include <string>
#include <unordered_map>

class CFormulaManager;
class IPointFormula;
class IUserFormulaConfig;

/// The base of every formula kind. A formula names the points it works on through numbered
/// index points (CIndexPoint), keeps its settings as text parameters (CStrParam, "0" when empty)
/// and writes the text the parser evaluates per size (GetFormulaText); it owns its parameters
/// and index-point records, never the points, patterns, regions or formulas it names.
///
/// Change tracking: every change that affects the result goes through Invalidate, which marks
/// the formula changed and sends the change events (property 2) once; UpdateIfNeeded
/// recomputes lazily (Recalculate) when a resolved point is next read.
///
/// Stored keys, in order, before those of the kind: "IndexPoints" ("IndexPoint" elements),
/// "Parameters" ("Param" elements) and "TableRelativeType", each written when set. The event
/// handler has the id kModelHandlerId | 3 with the formula as owner.
class CBaseFormula : public IBaseFormula,
                     public CAttContainer,
                     public CEventHandler,
                     public IFormulaCopy,
                     public CMvItem
{
public:
    /// The source kind of a formula's event handler.
    static constexpr uint32_t kSourceKind = 3;
    /// The property id of the change events that Invalidate sends.
    static constexpr int32_t kChangedProperty = 2;

    CBaseFormula();
    ~CBaseFormula() override;

    /// "CBaseFormula", base CMvItem, not creatable by name.
    static const CRuntimeClass *GetThisClass();
    const CRuntimeClass *GetRuntimeClass() const override { return GetThisClass(); }

    // IBaseFormula, with the behaviour every kind starts from.
    CBaseFormula *GetBaseFormula() override { return this; }
    /// 1 with a region, else 2 with a pattern, else 0.
    int GetAttachKind() const override;
    CBasePoint *GetBasePoint() const override { return nullptr; }
    CPattern *GetPattern() const override { return nullptr; }
    IRegion *GetRegion() const override { return nullptr; }
    IMeasureFormula *AsMeasureFormula() override { return nullptr; }
    IPathFormula *AsPathFormula() override { return nullptr; }
    void *GetContextValue() const override { return m_pContext; }
    IGradeMask *GetOwner() const override { return m_pOwner; }
    void SetOwner(IGradeMask *owner) override;
    int Invalidate() override;
    /// For a pattern or point formula each required index point's resolved point becomes its
    /// point rule (the point it is associated with); then RefreshThrough(this).
    void Update() override;
    /// True.
    bool TakesPartInEvaluation() const override { return true; }
    bool IsRuntimeFormula() const override { return false; }
    const IBaseFormula *GetRefreshOrigin() const override { return m_pRefreshSource; }
    /// Nothing.
    void TakeOverFrom(IBaseFormula *replaced) override;
    /// False: nothing taken.
    bool RelinkFrom(IBaseFormula *replaced, IBaseFormula *pathFormula) override;
    /// Nothing.
    void UpdateFromVersion2115to2116() override;
    bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) override;
    bool IsValid(IFormulaTextChecker *checker) override;
    bool CheckIndexPoints(CFormulaMessageList *reporter) override;
    /// IsDependentOnCollected with other's points collected here, remembered.
    bool IsDependentOn(IBaseFormula *other) override;
    /// Through other's measure name in this one's parameters, or a point that other acts on
    /// and this one reads.
    bool IsDependentOnCollected(IBaseFormula *other,
                                const CPtrCollection<CBasePoint> &otherPoints) override;
    void ClearLookupMap() override { m_oDependencyMemo.clear(); }
    /// False.
    bool DependsOnFormula(IBaseFormula *other) override;
    bool ReferencesFormula(IBaseFormula *other) override;
    void CollectVariableNames(CNameArray &names) override;
    void RenameVariable(const std::string &oldName, const std::string &newName) override;
    /// Nothing: most kinds refer to no object beyond their points.
    void CollectReferencedObjects(CPtrCollection<CObject> &list) override;
    /// Nothing.
    void OnIndexPointsChanged(IBaseFormula *removed) override;
    /// False.
    bool UsesPoint(const CBasePoint *point) override;
    /// DoCollectPoints.
    void CollectPoints(CPtrCollection<CBasePoint> &list) override;
    void CollectAllPoints(CPtrCollection<CBasePoint> &list) override;
    void CollectUsedPoints(CPtrCollection<CBasePoint> &list) override;
    int GetIndexPointCount() const override { return m_oIndexPoints.GetCount(); }
    std::vector<int> GetIndexPointIndexes() const override;
    CBasePoint *GetIndexPoint(int index) const override;
    int SetIndexPoint(int index, CBasePoint *point) override;
    /// DoGetDisplayText; empty when asked again while it runs (formulas that show each other).
    void GetDisplayText(std::string &out, bool flag) override;
    /// Appends GetFormulaText() when it is not empty.
    void AddFormulaText(std::vector<std::string> &texts) override;
    /// Empty.
    std::string GetFormulaName() override;
    int GetTableRelativeType() const override { return m_eTableRelativeType; }
    int SetTableRelativeType(int value) override;

    // IFormulaCopy: the state copies of the undo history.
    /// A new formula of the same kind and target holding a copy of this one's state.
    std::unique_ptr<IFormulaCopy> FindManagedCounterpart() override;
    /// Before-change event (property -1); CopyFrom only when other has the same type and
    /// attachment kind; marked changed in every case; after-change event (property -1).
    void Assign(IFormulaCopy *other) override;

    /// A new formula of the same kind, attachment and context (with the owner's manager when
    /// there is one) that has taken over this one's state through Assign; null when no such
    /// kind is registered.
    std::unique_ptr<IBaseFormula> FindManagedCounterpartOf();
    /// FindManagedCounterpartOf.
    std::unique_ptr<IBaseFormula> GetManagedCounterpart() { return FindManagedCounterpartOf(); }
    /// The point formula interface; null for other kinds.
    virtual IPointFormula *AsPointFormula() { return nullptr; }
    /// Whether the point is one the formula is indexed by; false here.
    virtual bool IsIndexedPoint(const CBasePoint *point) const;

    /// Parameter n, first appending empty expression parameters until it exists.
    CStrParam *GetParam(int n);
    int GetParamCount() const { return m_oStrParams.GetCount(); }
    /// Removes every parameter.
    void ClearParams() { m_oStrParams.RemoveAll(); }
    /// The trimmed text of parameter n; "0" when that is empty.
    std::string GetParamText(int n);
    /// The trimmed text of parameter n as stored; empty when it is empty or absent.
    std::string GetStoredParamText(int n) const;
    /// Parameter n takes text as the owner's formula configuration normalises it; false (the
    /// parameter unchanged) when the configuration refuses it or there is no owner.
    bool SetParamText(int n, const std::string &text);
    /// The trimmed text of parameter n as the owner's configuration gives it for display or
    /// for the parser; the trimmed text itself without an owner.
    std::string FormatParamText(int n, bool forDisplay);
    std::string FormatParam(int n) { return FormatParamText(n, false); }
    std::string FormatParamForDisplay(int n) { return FormatParamText(n, true); }
    /// The name the owner's configuration gives the formula; empty without an owner.
    std::string GetDisplayName();

    /// "%PA(<apply X>,<apply Y>,<name>)".
    std::string FormatPointAddress(const std::string &name) const;
    /// The labels of CollectPoints joined as formatPointsText does.
    virtual std::string GetPointsText();
    /// The point's label ("P?" for null), qualified "<pattern>:<label>" unless its pattern is
    /// the formula's own, with the axis suffix.
    std::string GetPointDisplayName(const CBasePoint *point) const;
    /// The point's label, "P?" for null.
    static std::string GetLabelOrUnknown(const CBasePoint *point);
    /// "+" when either apply type is 0.
    std::string GetApplyPrefix() const;
    /// Whether either apply type is 1.
    bool HasDrivenAxis() const;

    /// The resolved point of position, after UpdateIfNeeded; null when none.
    CBasePoint *GetResolvedPoint(int position);
    /// The resolved point of position as it stands, without updating; null when none.
    CBasePoint *PeekResolvedPoint(int position) const;
    /// Sets (null: removes) the resolved point of index; a change calls OnResolvedChanged.
    void SetResolved(int index, CBasePoint *rule);
    void ClearResolved() { m_oResolved.clear(); }
    /// SetResolved(index, rule) for every index whose point is point.
    void SetResolvedForPoint(const CBasePoint *point, CBasePoint *rule);
    /// Appends every non-null index point, in index order.
    virtual void CollectIndexPoints(CPtrCollection<CBasePoint> &list) const;
    /// CollectResolvedPointsFrom(list, 0).
    int CollectResolvedPoints(CPtrCollection<CBasePoint> &list);
    /// After UpdateIfNeeded, appends each resolved point from position first on that the list
    /// does not hold.
    int CollectResolvedPointsFrom(CPtrCollection<CBasePoint> &list, int first);
    bool HasIndexPoint(const CBasePoint *point) const;
    bool UsesAnyPointOf(const CPtrCollection<CBasePoint> &list) const;
    bool HasAllIndexPoints() { return CheckIndexPoints(nullptr); }
    /// Whether the point is among DoCollectPoints; false for null and while collecting.
    bool HasPoint(const CBasePoint *point);
    /// Every formula of the owner's manager, other than this one, that DependsOnFormula
    /// names, in the manager's order.
    void CollectDependentFormulas(CPtrCollection<IBaseFormula> &list);

    /// Recomputes when changed (not re-entrantly); returns the lock count after unlocking,
    /// or 0 when nothing was to do.
    int UpdateIfNeeded();
    /// formula's refresh source becomes this formula; this one updates and formula joins
    /// the working list of the owner's formula manager.
    void RefreshThrough(CBaseFormula *formula);
    /// RefreshThrough for a runtime copy that the owner's formula manager takes over for the
    /// running evaluation; returns the copy, or null when there is no run to take it (the copy
    /// is then deleted).
    CBaseFormula *RefreshThroughRuntimeCopy(std::unique_ptr<IBaseFormula> copy);
    CBaseFormula *GetRefreshSource() const { return m_pRefreshSource; }
    bool IsChanged() const { return m_bChanged; }
    int GetRequiredIndexCount() const { return m_nRequiredIndexCount; }

    /// Takes other's required index count, table-relative type, index points, resolved points
    /// and parameters (copies); owner, listeners and flags stay. Kinds copy their own part too.
    virtual void CopyFrom(const CBaseFormula &other);

    /// Keeps the value the factory was given (the program's measurement table).
    void SetContextValue(void *context) { m_pContext = context; }

protected:
    /// The points the formula acts on.
    virtual void DoCollectPoints(CPtrCollection<CBasePoint> &list) = 0;
    /// The text shown to the user.
    virtual void DoGetDisplayText(std::string &out, bool flag) = 0;
    /// Called by the first Invalidate after a change; its result is Invalidate's. 0 here.
    virtual int OnInvalidate();
    /// How many resolved positions the kind has; 0 here.
    virtual int GetResolvedCount() const;
    /// Computes the kind's results; nothing here.
    virtual void Recalculate();
    /// Called after SetOwner; nothing here.
    virtual void OnOwnerChanged();
    /// Called after a resolved point changed; nothing here.
    virtual void OnResolvedChanged(int index);
    void SetRequiredIndexCount(int count) { m_nRequiredIndexCount = count; }
    /// Stores name, trimmed and lower-cased, in the variable name field; a change sends the
    /// change events (property 0).
    void StoreVarName(std::string &field, const std::string &name);
    /// The check of a formula over a set of points: the base check without its resolved points;
    /// then, without points, message 110 (with a reporter) and false.
    bool ValidatePointSet(CFormulaMessageList *reporter, IFormulaTextChecker *checker,
                          bool hasPoints);
    /// Adds message code with text about this formula to reporter (when there is one); false.
    bool Refuse(CFormulaMessageList *reporter, int code, const std::string &text);

private:
    bool IsExtendOfThisPath(IBaseFormula *other);
    CFormulaManager *GetOwnerManager() const;
    IUserFormulaConfig *GetUserConfig() const;
    const CPattern *GetOwnPattern() const;
    void MarkChanged();

    COwningCollection<CStrParam> m_oStrParams;
    bool m_bChanged = false;
    CBaseFormula *m_pRefreshSource = this;
    bool m_bUpdating = false;
    bool m_bValidating = false;
    bool m_bCollecting = false;
    bool m_bSkipResolvedCheck = false;
    bool m_bShowing = false;
    std::unordered_map<const IBaseFormula *, bool> m_oDependencyMemo;
    IGradeMask *m_pOwner = nullptr;
    COwningCollection<CIndexPoint> m_oIndexPoints;
    std::map<int, CBasePoint *> m_oResolved;
    int m_nRequiredIndexCount = 0;
    int m_eTableRelativeType = 0;
    void *m_pContext = nullptr;
};
