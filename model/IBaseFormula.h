// Morvane model library.
// The interface through which the grade mask, its formula manager and the program see a formula.
#pragma once

#include "foundation/NameRegistry.h"
#include "foundation/PtrCollection.h"

#include <memory>
#include <string>
#include <vector>

class CBaseFormula;
class CBasePoint;
class CFormulaMessageList;
class CObject;
class CPattern;
class IGradeMask;
class IMeasureFormula;
class IPathFormula;
class IRegion;

/// What a formula is attached to (GetAttachKind).
enum FORMULA_ATTACH_KIND {
    FORMULA_ATTACH_NONE = 0,    ///< a global formula: attached to the mask only
    FORMULA_ATTACH_REGION = 1,  ///< a grade region
    FORMULA_ATTACH_PATTERN = 2, ///< a pattern
    FORMULA_ATTACH_POINT = 3,   ///< a base point
};

/// Message codes that formula checks record with the formula manager.
enum FORMULA_MESSAGE_CODE {
    FM_CHECK_FAILED = 100,       ///< the manager's own: a check failed without saying why
    FM_POINT_NOT_NUMBERED = 101, ///< "#%d": a resolved point is missing
    FM_INDEX_POINT_MISSING = 102, ///< "#%d": an index point is missing
    FM_PATH_MATCH_COUNT = 103,   ///< "%d": the counts of paths and point matches differ
    FM_FAULTY_PARAMETER = 104,   ///< the faulty parameter text
    FM_NO_POLYLINE = 105,
    FM_NO_SLIDER_POINT = 106,
    FM_NOT_ON_SLIDER_LINE = 107,
    FM_READ_ONLY_REGION = 108,
    FM_NOTHING_TO_GRADE = 109,
    FM_REGION_WITHOUT_POINTS = 110,
    FM_NO_PATH = 111,
    FM_ALREADY_GRADED = 113,
    FM_POINT_WITHOUT_RULE = 114, ///< the label of a point that has no rule
};

/// Judges parameter texts for a check (Validate): the caller's knowledge of which names and
/// forms are valid.
class IFormulaTextChecker
{
public:
    virtual ~IFormulaTextChecker() = default;

    /// True when the text is faulty.
    virtual bool IsFaultyText(const std::string &text) = 0;
};

/// A grading formula as the mask, its formula manager, the clipboard and the program handle it.
/// Points are base points; point lists are plain (non-owning) collections. Every formula object
/// is also an event handler (source kind 3) and a stored object; CBaseFormula implements this.
class IBaseFormula
{
public:
    virtual ~IBaseFormula() = default;

    /// The formula object itself.
    virtual CBaseFormula *GetBaseFormula() = 0;
    /// The formula type code (the numbering that the manager's factories use).
    virtual int GetFormulaType() const = 0;
    /// What the formula is attached to: region, pattern, point (point formulas), else none.
    virtual int GetAttachKind() const = 0;
    /// The attached base point; null for every kind but point formulas.
    virtual CBasePoint *GetBasePoint() const = 0;
    /// The attached pattern; null unless the formula is a pattern formula.
    virtual CPattern *GetPattern() const = 0;
    /// The attached grade region; null unless the formula is a region formula.
    virtual IRegion *GetRegion() const = 0;
    /// The measure interface (variable name and value); null for formulas that publish no name.
    virtual IMeasureFormula *AsMeasureFormula() = 0;
    /// The path interface (the path and its text); null for formulas that measure no path.
    virtual IPathFormula *AsPathFormula() = 0;
    /// The value the factory was given with the type id (the program's measurement table);
    /// never read by the library.
    virtual void *GetContextValue() const = 0;

    /// The mask that holds the formula; null before SetOwner.
    virtual IGradeMask *GetOwner() const = 0;
    /// Stores the owner (not owned), then tells the formula (OnOwnerChanged).
    virtual void SetOwner(IGradeMask *owner) = 0;

    /// Marks the formula for recomputation; the first mark sends the change events (property
    /// 2). Returns the formula's own reaction's result.
    virtual int Invalidate() = 0;
    /// Brings the formula up to date and contributes its runtime objects to the formula
    /// manager's working list (itself, or copies bound to input points).
    virtual void Update() = 0;
    /// Whether the formula takes part in an evaluation run (GetEvaluationOrder).
    virtual bool TakesPartInEvaluation() const = 0;
    /// Whether the formula is a runtime formula made for one evaluation.
    virtual bool IsRuntimeFormula() const = 0;
    /// The formula this one is refreshed through (the original of a runtime copy); the
    /// formula itself when it is its own.
    virtual const IBaseFormula *GetRefreshOrigin() const = 0;
    /// Takes over the settings of replaced, a formula of an older kind that this one replaces
    /// when an old mask file is brought up to date.
    virtual void TakeOverFrom(IBaseFormula *replaced) = 0;
    /// Takes over what replaced, a proportional-distance formula of an older mask that this
    /// one replaces, holds and this kind has a place for: end points, target, measured paths,
    /// variable name and settings. pathFormula, when given, is the path formula made to stand
    /// for replaced's own path. Returns whether replaced was of a kind this one takes over.
    virtual bool RelinkFrom(IBaseFormula *replaced, IBaseFormula *pathFormula) = 0;
    /// Brings settings read from a file older than version 2116 up to date.
    virtual void UpdateFromVersion2115to2116() = 0;

    /// Checks the formula: false when something is missing or faulty. With a reporter each
    /// problem is recorded there under its code; without one the check stops at the first
    /// missing point. A checker, when given, judges the parameter texts.
    virtual bool Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker) = 0;
    /// Validate without a reporter; true while a check of this formula is already running.
    virtual bool IsValid(IFormulaTextChecker *checker) = 0;
    /// Whether every required index point is there; with a reporter each missing one is
    /// recorded (code 102, "#%d").
    virtual bool CheckIndexPoints(CFormulaMessageList *reporter) = 0;

    /// Whether this formula needs other: through its own DependsOnFormula, a measure name
    /// that its parameters use, or a point of other that it reads. Remembered per formula
    /// until ClearLookupMap.
    virtual bool IsDependentOn(IBaseFormula *other) = 0;
    /// IsDependentOn with other's CollectPoints given, for a caller that asks about other
    /// many times; answered afresh, neither read from nor kept in the remembered answers.
    virtual bool IsDependentOnCollected(IBaseFormula *other,
                                        const CPtrCollection<CBasePoint> &otherPoints) = 0;
    /// Forgets the remembered answers of IsDependentOn.
    virtual void ClearLookupMap() = 0;
    /// Whether the formula refers to other directly (interpolation, symmetry, extend kinds).
    virtual bool DependsOnFormula(IBaseFormula *other) = 0;
    /// Whether the formula uses other's variable name in its parameters.
    virtual bool ReferencesFormula(IBaseFormula *other) = 0;
    /// Merges the names that the parameter texts use into names (case-insensitive).
    virtual void CollectVariableNames(CNameArray &names) = 0;
    /// Renames a name in every parameter text, token by token (texts that do not parse too).
    virtual void RenameVariable(const std::string &oldName, const std::string &newName) = 0;
    /// Appends the model objects (patterns, regions, points, formulas) the formula refers to.
    virtual void CollectReferencedObjects(CPtrCollection<CObject> &list) = 0;
    /// Another formula that referred to removed (a formula that is going away) drops that
    /// reference.
    virtual void OnIndexPointsChanged(IBaseFormula *removed) = 0;

    /// Whether the formula reads the point.
    virtual bool UsesPoint(const CBasePoint *point) = 0;
    /// The points the formula acts on.
    virtual void CollectPoints(CPtrCollection<CBasePoint> &list) = 0;
    /// The base point's mask points, CollectPoints, then the resolved points, each once.
    virtual void CollectAllPoints(CPtrCollection<CBasePoint> &list) = 0;
    /// Empties list, then appends each point of CollectAllPoints that the formula uses.
    virtual void CollectUsedPoints(CPtrCollection<CBasePoint> &list) = 0;

    virtual int GetIndexPointCount() const = 0;
    /// The indexes under which index points are stored, in the order they were stored.
    virtual std::vector<int> GetIndexPointIndexes() const = 0;
    /// The point stored under index; null when none.
    virtual CBasePoint *GetIndexPoint(int index) const = 0;
    /// Sets, replaces or (null point) removes the point of index; nothing when it already
    /// holds point. Returns Invalidate's result.
    virtual int SetIndexPoint(int index, CBasePoint *point) = 0;

    virtual int GetApplyTypeX() const = 0;
    virtual int GetApplyTypeY() const = 0;
    /// The text handed to the parser.
    virtual std::string GetFormulaText() = 0;
    /// Appends the formula's parser lines (none for a formula that hands the parser nothing).
    virtual void AddFormulaText(std::vector<std::string> &texts) = 0;
    /// The text shown to the user; flag chooses between a point's own label and its rule's.
    virtual void GetDisplayText(std::string &out, bool flag) = 0;
    /// The formula's name: its measure variable name, else empty.
    virtual std::string GetFormulaName() = 0;
    virtual int GetTableRelativeType() const = 0;
    virtual int SetTableRelativeType(int value) = 0;
};

/// The region, pattern or point the formula is attached to, whatever its kind; null for a
/// global formula.
const void *GetFormulaTarget(const IBaseFormula &formula);
