// Morvane program documents.
// The main document's services, as commands, tasks, panels, grading and grade masks reach it.
#pragma once

#include <string>
#include <vector>

class CBasePoint;
class CCursorTable;
class CDisplayFlags;
class CFocusObject;
class CFocusManager;
class CGradePathEditor;
class CGradeSizeSelection;
class CInteractionModes;
class CMeasureLine;
class CMeasureTableDoc;
class CMorvaneWorkspace;
class CObject;
class CPattern;
class CRotationPivot;
class CTaskManager;
class IBaseFormula;
class IBrismond;
class IDocumentAccess;
class IGradeMask;
class IGradeModel;
class IGradePlaceList;
class IGradingInterface;
class IInputPatterns;
class IMaskDocumentAccess;
class IOptions;
class IPatternAssociationMap;
class IPointAssociationMap;
class IUserInterface;
struct CDRect;
template <class T>
class CPtrCollection;

/// Something that offers names formula text may use: it appends them to a list.
class IFormulaNameSource
{
public:
    virtual ~IFormulaNameSource() = default;
    virtual void AppendNames(std::vector<std::string> &names) const = 0;
};

/// The services of the main document, reached without knowing its class. "The active mask" is
/// the active grade-mask document; the operations that forward to it need one, except
/// GetFocusManager, GetActiveMaskDocument and GetActiveGradeMask, which answer null without one.
class IDocumentServices
{
public:
    virtual ~IDocumentServices() = default;

    virtual void GetExtent(CDRect &out) = 0;
    virtual void SetExtent(double x1, double y1, double x2, double y2) = 0;
    virtual bool GetExtentFlag() = 0;
    virtual void SetExtentFlag(bool flag) = 0;
    /// Stores the text when it differs from the stored one, and then sends notification 5.
    virtual void SetStringAt(int index, const std::string &text) = 0;
    virtual std::string GetStringAt(int index) = 0;
    virtual void NotifyChanged0() = 0;
    virtual void NotifyChanged1() = 0;
    virtual void NotifyChanged2() = 0;
    virtual void NotifyChanged4() = 0;
    virtual void AddFocusType(int type) = 0;
    virtual void ClearFocusTypes() = 0;
    virtual bool IsFocusType(int type) = 0;
    virtual void ClearItemList() = 0;
    /// The active mask's item list takes item over (without an active mask it is deleted).
    virtual void AddItem(CObject *item) = 0;
    virtual int GetItemCount() = 0;
    virtual CObject *GetItemAt(int index) = 0;
    virtual void RemoveItemAt(int index) = 0;
    /// The active mask's task manager; the document's own when no mask is active.
    virtual CTaskManager *GetTaskManager() = 0;
    virtual CGradePathEditor *GetGradePathEditor() = 0;
    virtual CMeasureLine *GetMeasureLine() = 0;
    virtual CDisplayFlags *GetDisplayFlags() = 0;
    virtual CInteractionModes *GetInteractionModes() = 0;
    virtual CFocusManager *GetFocusManager() = 0;
    /// The active grade-mask document as its interaction objects reach it; null when none.
    virtual IMaskDocumentAccess *GetActiveMaskDocument() = 0;
    virtual IPatternAssociationMap *GetPatternAssociationMap() = 0;
    virtual IPointAssociationMap *GetPointAssociationMap() = 0;
    virtual IGradeMask *GetActiveGradeMask() = 0;
    virtual IGradeModel *GetLoadedGradeModel() = 0;
    virtual IInputPatterns *GetInputPatterns() = 0;
    virtual CGradeSizeSelection *GetSizeSelection() = 0;
    virtual IBrismond *GetTableSet() = 0;
    virtual CMorvaneWorkspace *GetWorkspace() = 0;
    /// Resets the open masks' associations and formulas, empties the input patterns, releases
    /// the loaded model, then loads the patterns of model (null loads none).
    virtual void SetGradeModel(IGradeModel *model, int kind) = 0;
    /// 0 when no model was ever set.
    virtual int GetGradeModelKind() = 0;
    virtual void SetFailed(bool failed) = 0;
    virtual bool IsFailed() = 0;
    virtual void BeginBulkChange() = 0;
    virtual void EndBulkChange() = 0;
    virtual bool IsBulkChange() = 0;
    /// Appends, each once, the points of the placed input patterns that lie in area (an object
    /// that implements IPointArea; any other collects nothing), leaving out those in the active
    /// mask's exclude regions unless the area's mode takes them.
    virtual void CollectPointsInArea(const CObject *area, CPtrCollection<CBasePoint> &out) = 0;
    virtual CMeasureTableDoc *GetMeasureTableDoc() = 0;
    virtual IGradingInterface *GetGradingInterface() = 0;
    virtual IDocumentAccess *GetDocumentAccess() = 0;
    virtual CCursorTable *GetCursorTable() = 0;
    virtual void NotifyChanged7() = 0;
    virtual CRotationPivot *GetRotationPivot() = 0;
    virtual bool IsEditMode() = 0;
    /// Sets the edit-mode flag without a notification.
    virtual void SetEditMode(bool editMode) = 0;
    /// The sources of the names that formula text may use besides the mask's associations, in
    /// the order their names are listed.
    virtual void GetNameSources(std::vector<const IFormulaNameSource *> &out) = 0;
    /// The program's options.
    virtual IOptions &GetOptions() = 0;
    /// The active grade-mask document's active item when it is a pattern (of the mask or an
    /// input pattern); null otherwise, also when no mask is active.
    virtual CPattern *GetActivePattern() = 0;
    /// Shows the wait cursor until the matching EndWaitCursor; calls nest.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
    /// The line that a task points out on the active mask, drawn highlighted by the view; null
    /// when none.
    virtual IGradePlaceList *GetHighlightedItem() = 0;
    /// The colour index of a region formula: the view fills the formula's grade region in the
    /// options' region colour of that index. -1 when the document maps none (index 0 then).
    virtual int GetColourIndex(const IBaseFormula *formula) = 0;
    /// Empties out, then appends the grading entries of the active pattern: the runtime
    /// formulas that grade its points, whose points the view marks and whose grade paths it
    /// draws. Nothing without an active pattern.
    virtual void CollectPointEntries(CPtrCollection<IBaseFormula> &out) = 0;
    /// The polylines that the line-selecting tasks of the active mask picked one after another,
    /// in that order (focus objects of kind 9, a polyline as item); none without an active mask.
    virtual int GetFocusPolylineCount() = 0;
    /// Null for an index out of range.
    virtual CFocusObject *GetFocusPolylineAt(int index) = 0;
    /// The file dialogs, messages, options dialog and image windows of the program (quiet ones
    /// in batch runs and tests).
    virtual IUserInterface &GetUserInterface() = 0;
};
