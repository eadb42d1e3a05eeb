// Morvane model library.
// The formulas of a grade mask: their list and factories, queries, dependency order, checks and
// messages, the working list of an evaluation run, and the upgrades of old mask files.
#pragma once

#include "foundation/EventSink.h"
#include "model/FormulaFactory.h"
#include "model/FormulaMessageList.h"
#include "model/IBaseFormula.h"
#include "model/ParentedCollection.h"

#include <memory>
#include <string>
#include <vector>

class CHistory;
class CObject;
class IGradeMask;

/// The formula manager as the program uses it. Formulas are the manager's own list unless a
/// list argument is given; indexes are not checked.
class IFormulaManager
{
public:
    virtual ~IFormulaManager() = default;

    /// Reorders list so that each formula comes after the formulas it depends on; ties keep
    /// the input order. When only formulas that depend on each other remain, the first is taken,
    /// and the first time that happens every remaining formula is appended to cyclic.
    virtual void SortByDependency(CPtrCollection<IBaseFormula> &list,
                                  CPtrCollection<IBaseFormula> &cyclic) = 0;
    /// Clears the messages, then every formula's remembered dependency answers.
    virtual void ResetAll() = 0;
    virtual int GetFormulaCount() const = 0;
    virtual IBaseFormula *GetFormulaAt(int i) const = 0;
    /// Appends every global formula (attached to nothing).
    virtual void GetGlobalFormulas(CPtrCollection<IBaseFormula> &out) const = 0;
    /// Replaces out by the formulas whose base point is point (none for a null point).
    virtual void GetPointFormulas(const CBasePoint *point,
                                  CPtrCollection<IBaseFormula> &out) const = 0;
    /// MakeRegionFormula, then AddFormula; the new formula, or null when none is made.
    virtual IBaseFormula *AddNewRegionFormula(int type, void *context, IRegion *region) = 0;
    /// Takes over formula at i and records the insertion in the mask's history.
    virtual void InsertFormulaAt(int i, std::unique_ptr<IBaseFormula> formula) = 0;
    /// Deletes the formula's messages, records the removal and takes it out: the history owns
    /// it from then on (undo brings it back, without its messages).
    virtual void RemoveFormulaAt(int i) = 0;
    /// The first formula of region; null when none.
    virtual IBaseFormula *FindRegionFormula(const IRegion *region) const = 0;
    /// rank: the position of formula among the formulas of its target, total: their count less
    /// one. Returns its index; -1, with rank and total -1, when the manager does not hold it.
    virtual int GetFormulaRank(const IBaseFormula *formula, int &rank, int &total) const = 0;
    /// The index of formula; -1 when absent.
    virtual int FindFormula(const IBaseFormula *formula) const = 0;
    /// Whether some formula refers to object.
    virtual bool IsObjectUsed(const CObject *object) const = 0;
    /// Replaces out by the formulas that refer to object; with excludeOwn, for a pattern, its
    /// own pattern formulas and the point formulas of its points are left out.
    virtual void GetFormulasUsing(const CObject *object, bool excludeOwn,
                                  CPtrCollection<IBaseFormula> &out) const = 0;
    /// Clears the messages, then checks every formula (Validate with the message list as
    /// reporter, no checker); a failed check that recorded nothing gets a message 100.
    virtual void CheckAllFormulas() = 0;
    /// Checks the formulas of list with checker as CheckAllFormulas does, without clearing the
    /// messages first.
    virtual void CheckFormulas(IFormulaTextChecker *checker,
                               const CPtrCollection<IBaseFormula> &list) = 0;
    virtual CFormulaMessageList *GetMessages() = 0;

    /// New formulas of a category by formula type id, owned by the mask and attached to their
    /// target; null for a type id that the category does not make (MakePointFormula(13)).
    virtual std::unique_ptr<IBaseFormula> MakeGlobalFormula(int type, void *context) = 0;
    virtual std::unique_ptr<IBaseFormula> MakeRegionFormula(int type, void *context,
                                                            IRegion *region) = 0;
    virtual std::unique_ptr<IBaseFormula> MakePatternFormula(int type, void *context,
                                                             CPattern *pattern) = 0;
    virtual std::unique_ptr<IBaseFormula> MakePointFormula(int type, void *context,
                                                           CBasePoint *point) = 0;

    /// The first formula whose non-empty name is name (case-sensitive); null when none.
    virtual IBaseFormula *FindFormulaByName(const std::string &name) const = 0;
    /// Replaces out by every formula of that name.
    virtual void GetFormulasByName(const std::string &name,
                                   CPtrCollection<IBaseFormula> &out) const = 0;
    /// Appends every non-empty formula name that names does not hold yet.
    virtual void CollectNames(std::vector<std::string> &names) const = 0;
    /// Marks every formula for recomputation.
    virtual void UpdateAll() = 0;
    /// base followed by a number, a name that no formula has.
    virtual std::string MakeUniqueName(const std::string &base) const = 0;
    /// Replaces out by the pattern formulas of pattern and the point formulas of its points.
    virtual void GetPatternFormulas(const CPattern *pattern,
                                    CPtrCollection<IBaseFormula> &out) const = 0;
    /// Records the move in the mask's history, then moves (to counts positions after taking
    /// the formula out).
    virtual void MoveFormula(int from, int to) = 0;
    /// Appends every formula.
    virtual void CopyFormulas(CPtrCollection<IBaseFormula> &out) const = 0;
    virtual bool ContainsFormula(const IBaseFormula *formula) const = 0;
    /// Rebuilds the working list (every taking-part formula updates and contributes its
    /// runtime objects; dart-like formulas last, and the list starts with what they gave) and
    /// appends it to out. The runtime objects made for the previous run are deleted first.
    virtual void GetEvaluationOrder(CPtrCollection<IBaseFormula> &out) = 0;
    /// Replaces the working list by list.
    virtual void SetWorkingFormulas(const CPtrCollection<IBaseFormula> &list) = 0;
};

/// The formula manager embedded in each grade mask. It owns the mask's formulas (each an event
/// child of the mask's handler, so formula events reach the mask) and the runtime formulas it
/// makes for an evaluation run; it listens at the mask's handler and marks formulas for
/// recomputation when the model changes.
class CFormulaManager : public IFormulaManager, public CEventSink
{
public:
    CFormulaManager();
    /// Deletes the messages, the runtime formulas, then the formulas.
    ~CFormulaManager() override;
    CFormulaManager(const CFormulaManager &) = delete;
    CFormulaManager &operator=(const CFormulaManager &) = delete;

    void SortByDependency(CPtrCollection<IBaseFormula> &list,
                          CPtrCollection<IBaseFormula> &cyclic) override;
    void ResetAll() override;
    int GetFormulaCount() const override { return m_oFormulas.GetCount(); }
    IBaseFormula *GetFormulaAt(int i) const override { return m_oFormulas.GetAt(i); }
    void GetGlobalFormulas(CPtrCollection<IBaseFormula> &out) const override;
    void GetPointFormulas(const CBasePoint *point,
                          CPtrCollection<IBaseFormula> &out) const override;
    IBaseFormula *AddNewRegionFormula(int type, void *context, IRegion *region) override;
    void InsertFormulaAt(int i, std::unique_ptr<IBaseFormula> formula) override;
    void RemoveFormulaAt(int i) override;
    IBaseFormula *FindRegionFormula(const IRegion *region) const override;
    int GetFormulaRank(const IBaseFormula *formula, int &rank, int &total) const override;
    int FindFormula(const IBaseFormula *formula) const override;
    bool IsObjectUsed(const CObject *object) const override;
    void GetFormulasUsing(const CObject *object, bool excludeOwn,
                          CPtrCollection<IBaseFormula> &out) const override;
    void CheckAllFormulas() override;
    void CheckFormulas(IFormulaTextChecker *checker,
                       const CPtrCollection<IBaseFormula> &list) override;
    CFormulaMessageList *GetMessages() override { return &m_oMessages; }
    std::unique_ptr<IBaseFormula> MakeGlobalFormula(int type, void *context) override;
    std::unique_ptr<IBaseFormula> MakeRegionFormula(int type, void *context,
                                                    IRegion *region) override;
    std::unique_ptr<IBaseFormula> MakePatternFormula(int type, void *context,
                                                     CPattern *pattern) override;
    std::unique_ptr<IBaseFormula> MakePointFormula(int type, void *context,
                                                   CBasePoint *point) override;
    IBaseFormula *FindFormulaByName(const std::string &name) const override;
    void GetFormulasByName(const std::string &name,
                           CPtrCollection<IBaseFormula> &out) const override;
    void CollectNames(std::vector<std::string> &names) const override;
    void UpdateAll() override;
    std::string MakeUniqueName(const std::string &base) const override;
    void GetPatternFormulas(const CPattern *pattern,
                            CPtrCollection<IBaseFormula> &out) const override;
    void MoveFormula(int from, int to) override;
    void CopyFormulas(CPtrCollection<IBaseFormula> &out) const override;
    bool ContainsFormula(const IBaseFormula *formula) const override;
    void GetEvaluationOrder(CPtrCollection<IBaseFormula> &out) override;
    void SetWorkingFormulas(const CPtrCollection<IBaseFormula> &list) override;

    /// Ties the manager to its mask: the history it records in, the formulas' owner, and the
    /// parent of the message list's handler.
    void SetMask(IGradeMask *mask);
    IGradeMask *GetMask() const { return m_pMask; }
    /// After a load: every formula gets the mask as owner.
    void AfterLoad(IGradeMask *mask);
    /// The stored collection of formulas, which the mask registers as "Formulas" and binds to
    /// its handler.
    CParentedCollection<IBaseFormula> &GetFormulaCollection() { return m_oFormulas; }
    /// Appends formula through InsertFormulaAt (with history); returns it.
    IBaseFormula *AddFormula(std::unique_ptr<IBaseFormula> formula);
    /// Replaces out by the formulas of region.
    void GetRegionFormulas(const IRegion *region, CPtrCollection<IBaseFormula> &out) const;
    /// A new formula of formula's type for the same category, context and target, owned by the
    /// mask; null when the category's factory makes no such type.
    std::unique_ptr<IBaseFormula> CloneOfKind(const IBaseFormula &formula);
    /// Records formula's present state in the mask's history, when the manager holds it, so
    /// that its next change can be undone.
    void RecordFormulaState(IBaseFormula *formula);
    /// MakeUniqueName, also avoiding the names of the objects of the working run so far.
    std::string MakeUniqueNameWithExtras(const std::string &base) const;
    /// Appends formula to the working list of the running evaluation; nothing outside one.
    void AddExtraItem(IBaseFormula *formula);
    /// Takes over a runtime formula made for the running evaluation (a bound copy, a
    /// generated formula) and appends it to the working list; returns it. Outside a run it is
    /// deleted and the result is null.
    IBaseFormula *AddRuntimeItem(std::unique_ptr<IBaseFormula> formula);
    /// The working list of the last evaluation run (or SetWorkingFormulas).
    const CPtrCollection<IBaseFormula> &GetFormulas() const { return m_oWorkingList; }
    /// Whether another working formula grades point in x and in y (x, y set to the answer);
    /// ignored (when given) and the runtime copies refreshed through it count as none of them.
    void IsPointGraded(const CBasePoint *point, bool &x, bool &y,
                       const IBaseFormula *ignored = nullptr);
    /// Deletes every formula (no history records), then clears the mask's history.
    void RemoveAll();
    /// Takes every formula of other over, in order, without history records.
    void TakeFormulasOf(CFormulaManager &other);

    /// Every formula brings its own settings up to date (point formulas turn their legacy apply
    /// type into the two apply types).
    void UpdateFromVersion2115to2116();
    /// Gives every formula with an empty measure name the name MakeUniqueName("m").
    void UpdateFromVersion2117to2118();
    /// Replaces every pattern dart formula by a complex dart formula copied from it.
    void UpdateToVersion2120();
    /// Replaces every proportional-distance formula by a global proportional-distance formula
    /// (pattern) or a region relative formula (region), re-linked from it; a pattern's formula
    /// also gives a new path formula between its end points, appended, that the global formula
    /// grades along.
    void UpdateToVersion2121();

    void OnAfterChange(EventData *data) override;
    void OnDetached(EventData *data) override;
    void OnEndUpdate(EventData *data) override;

private:
    std::unique_ptr<IBaseFormula> MakeFormula(FORMULA_ATTACH_KIND category, int type,
                                              void *context, const FormulaTarget &target);
    void ClearWorkingRun();
    std::string MakeUniqueNameAvoiding(const std::string &base,
                                       const CPtrCollection<IBaseFormula> *extras) const;
    void ReplaceFormulaAt(int i, std::unique_ptr<IBaseFormula> replacement);
    void ReplaceByGlobalFormula(int i);
    void ReplaceByRegionFormula(int i);
    /// Gives a measure with an empty (or blank) name the name MakeUniqueName("m").
    void NameIfUnnamed(IBaseFormula &formula) const;
    void InvalidateFormulasOfObject(const CObject *object);
    void UpdateLinkedFormulas(const IRegion *region);
    CHistory *GetHistory() const;

    IGradeMask *m_pMask = nullptr;
    CFormulaMessageList m_oMessages;
    CPtrCollection<IBaseFormula> *m_pExtraList = nullptr;
    bool m_bBusy = false;
    CPtrCollection<IBaseFormula> m_oWorkingList;
    /// The runtime formulas made for the last evaluation run.
    COwningCollection<IBaseFormula> m_oRuntimeFormulas;
    CParentedCollection<IBaseFormula> m_oFormulas;
};
