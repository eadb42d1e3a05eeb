// Morvane program documents test support.
// The main document's services in memory: each query answers what the test put in.
#pragma once

#include "app/documents/IDocumentServices.h"
#include "app/documents/testing/FakeGradingEvents.h"
#include "foundation/DRect.h"
#include "foundation/PtrCollection.h"
#include "foundation/RuntimeClass.h"

#include <algorithm>
#include <array>
#include <memory>
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
    /// The rectangle spanned by the two points, as the document keeps it.
    void SetExtent(double x1, double y1, double x2, double y2) override
    {
        extent.SetEmpty();
        extent.Include(x1, y1);
        extent.Include(x2, y2);
    }
    bool GetExtentFlag() override { return extentFlag; }
    void SetExtentFlag(bool flag) override { extentFlag = flag; }
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
    void ClearItemList() override
    {
        ++itemListsCleared;
        items.clear();
    }
    /// The list takes the item over.
    void AddItem(CObject *item) override { items.emplace_back(item); }
    int GetItemCount() override { return static_cast<int>(items.size()); }
    CObject *GetItemAt(int index) override { return items.at(index).get(); }
    void RemoveItemAt(int index) override { items.erase(items.begin() + index); }
    CTaskManager *GetTaskManager() override { return taskManager; }
    CGradePathEditor *GetGradePathEditor() override { return gradePathEditor; }
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
    CMeasureLine *measureLine = nullptr;
    CRotationPivot *rotationPivot = nullptr;
    CGradePathEditor *gradePathEditor = nullptr;
    /// The frame rectangle (the extent) and whether it is shown.
    CDRect extent;
    bool extentFlag = false;
    /// The mask document's item list.
    std::vector<std::unique_ptr<CObject>> items;
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
