// Morvane program documents test support.
// The main document's services in memory: each query answers what the test put in.
#pragma once

#include "app/documents/IDocumentServices.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "foundation/PtrCollection.h"
#include "foundation/DRect.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace morvane {

/// Names held in memory, offered to formula text.
class FakeNameSource : public IFormulaNameSource
{
public:
    explicit FakeNameSource(std::vector<std::string> names) : m_names(std::move(names)) {}
    void AppendNames(std::vector<std::string> &names) const override
    {
        names.insert(names.end(), m_names.begin(), m_names.end());
    }

private:
    std::vector<std::string> m_names;
};

/// Document services whose objects the test sets; everything else is empty, null or false.
class FakeDocumentServices : public IDocumentServices
{
public:
    void GetExtent(CDRect &out) override { out = extent; }
    /// Keeps the rectangle as given (the document orders the corners).
    void SetExtent(double x1, double y1, double x2, double y2) override
    {
        extent = CDRect(x1, y1, x2, y2);
    }
    bool GetExtentFlag() override { return false; }
    void SetExtentFlag(bool) override {}
    void SetStringAt(int index, const std::string &text) override
    {
        m_strings.at(index) = text;
        ++stringsSet;
    }
    std::string GetStringAt(int index) override { return m_strings.at(index); }
    void NotifyChanged0() override { ++changes0; }
    void NotifyChanged1() override { ++changes1; }
    void NotifyChanged2() override { ++changes2; }
    void NotifyChanged4() override { ++changes4; }
    void AddFocusType(int type) override { focusTypes.push_back(type); }
    void ClearFocusTypes() override { focusTypes.clear(); }
    bool IsFocusType(int type) override
    {
        return std::find(focusTypes.begin(), focusTypes.end(), type) != focusTypes.end();
    }
    void ClearItemList() override { ++itemListsCleared; }
    void AddItem(CObject *) override {}
    int GetItemCount() override { return 0; }
    CObject *GetItemAt(int) override { return nullptr; }
    void RemoveItemAt(int) override {}
    CTaskManager *GetTaskManager() override { return taskManager; }
    CGradePathEditor *GetGradePathEditor() override { return nullptr; }
    CMeasureLine *GetMeasureLine() override { return measureLine; }
    CDisplayFlags *GetDisplayFlags() override { return displayFlags; }
    CInteractionModes *GetInteractionModes() override { return interactionModes; }
    CFocusManager *GetFocusManager() override { return focusManager; }
    IMaskDocumentAccess *GetActiveMaskDocument() override { return maskDocument; }
    IPatternAssociationMap *GetPatternAssociationMap() override { return nullptr; }
    IPointAssociationMap *GetPointAssociationMap() override { return nullptr; }
    IGradeMask *GetActiveGradeMask() override { return activeMask; }
    IGradeModel *GetLoadedGradeModel() override { return gradeModel; }
    IInputPatterns *GetInputPatterns() override { return inputPatterns; }
    CGradeSizeSelection *GetSizeSelection() override { return sizeSelection; }
    IBrismond *GetTableSet() override { return tableSet; }
    CMorvaneWorkspace *GetWorkspace() override { return nullptr; }
    void SetGradeModel(IGradeModel *, int kind) override { m_modelKind = kind; }
    int GetGradeModelKind() override { return m_modelKind; }
    void SetFailed(bool failed) override { m_failed = failed; }
    bool IsFailed() override { return m_failed; }
    void BeginBulkChange() override { ++m_bulk; }
    /// Never below zero, as the document's counter.
    void EndBulkChange() override { m_bulk = m_bulk > 0 ? m_bulk - 1 : 0; }
    bool IsBulkChange() override { return m_bulk > 0; }
    void CollectPointsInArea(const CObject *, CPtrCollection<CBasePoint> &) override {}
    CMeasureTableDoc *GetMeasureTableDoc() override { return measureTableDoc; }
    IGradingInterface *GetGradingInterface() override { return nullptr; }
    IDocumentAccess *GetDocumentAccess() override { return nullptr; }
    CCursorTable *GetCursorTable() override { return cursorTable; }
    void NotifyChanged7() override { ++changes7; }
    CRotationPivot *GetRotationPivot() override { return rotationPivot; }
    bool IsEditMode() override { return m_editMode; }
    void SetEditMode(bool editMode) override { m_editMode = editMode; }
    void GetNameSources(std::vector<const IFormulaNameSource *> &out) override { out = nameSources; }
    IOptions &GetOptions() override { return options; }
    CPattern *GetActivePattern() override { return activePattern; }
    void BeginWaitCursor() override
    {
        ++waitCursorDepth;
        ++waitCursorsShown;
    }
    void EndWaitCursor() override { --waitCursorDepth; }
    IGradePlaceList *GetHighlightedItem() override { return nullptr; }
    int GetColourIndex(const IBaseFormula *) override { return -1; }
    void CollectPointEntries(CPtrCollection<IBaseFormula> &out) override { out.RemoveAll(); }
    int GetFocusPolylineCount() override { return 0; }
    CFocusObject *GetFocusPolylineAt(int) override { return nullptr; }
    IUserInterface &GetUserInterface() override { return userInterface; }

    int GetBulkChangeCount() const { return m_bulk; }

    IGradeMask *activeMask = nullptr;
    IMaskDocumentAccess *maskDocument = nullptr;
    CTaskManager *taskManager = nullptr;
    CFocusManager *focusManager = nullptr;
    CInteractionModes *interactionModes = nullptr;
    CDisplayFlags *displayFlags = nullptr;
    CGradeSizeSelection *sizeSelection = nullptr;
    CCursorTable *cursorTable = nullptr;
    CMeasureTableDoc *measureTableDoc = nullptr;
    CDRect extent;
    CMeasureLine *measureLine = nullptr;
    CRotationPivot *rotationPivot = nullptr;
    /// Notifications sent, by their number.
    int changes0 = 0;
    int changes1 = 0;
    int changes2 = 0;
    int changes4 = 0;
    int changes7 = 0;
    /// SetStringAt calls.
    int stringsSet = 0;
    /// The mask document's focus types, in the order added, and ClearItemList calls.
    std::vector<int> focusTypes;
    int itemListsCleared = 0;
    IGradeModel *gradeModel = nullptr;
    IInputPatterns *inputPatterns = nullptr;
    IBrismond *tableSet = nullptr;
    std::vector<const IFormulaNameSource *> nameSources;
    FakeOptions options;
    CPattern *activePattern = nullptr;
    /// Begun and not yet ended wait cursors, and all begun.
    int waitCursorDepth = 0;
    int waitCursorsShown = 0;
    CQuietUserInterface userInterface;

private:
    std::array<std::string, 8> m_strings;
    int m_modelKind = 0;
    bool m_failed = false;
    int m_bulk = 0;
    bool m_editMode = false;
};

} // namespace morvane
