// Morvane program documents test support.
// The main document's services in memory: each query answers what the test put in.
#pragma once

#include "app/documents/IDocumentServices.h"
#include "app/documents/testing/FakeGradingEvents.h"

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
    void GetExtent(CDRect &) override {}
    void SetExtent(double, double, double, double) override {}
    bool GetExtentFlag() override { return false; }
    void SetExtentFlag(bool) override {}
    void SetStringAt(int index, const std::string &text) override { m_strings.at(index) = text; }
    std::string GetStringAt(int index) override { return m_strings.at(index); }
    void NotifyChanged0() override {}
    void NotifyChanged1() override {}
    void NotifyChanged2() override {}
    void NotifyChanged4() override {}
    void AddFocusType(int) override {}
    void ClearFocusTypes() override {}
    bool IsFocusType(int) override { return false; }
    void ClearItemList() override {}
    void AddItem(CObject *) override {}
    int GetItemCount() override { return 0; }
    CObject *GetItemAt(int) override { return nullptr; }
    void RemoveItemAt(int) override {}
    CTaskManager *GetTaskManager() override { return nullptr; }
    CGradePathEditor *GetGradePathEditor() override { return nullptr; }
    CMeasureLine *GetMeasureLine() override { return nullptr; }
    CDisplayFlags *GetDisplayFlags() override { return nullptr; }
    CInteractionModes *GetInteractionModes() override { return nullptr; }
    CFocusManager *GetFocusManager() override { return nullptr; }
    IPatternAssociationMap *GetPatternAssociationMap() override { return nullptr; }
    IPointAssociationMap *GetPointAssociationMap() override { return nullptr; }
    IGradeMask *GetActiveGradeMask() override { return activeMask; }
    IGradeModel *GetLoadedGradeModel() override { return nullptr; }
    IInputPatterns *GetInputPatterns() override { return nullptr; }
    CGradeSizeSelection *GetSizeSelection() override { return nullptr; }
    IBrismond *GetTableSet() override { return nullptr; }
    CMorvaneWorkspace *GetWorkspace() override { return nullptr; }
    void SetGradeModel(IGradeModel *, int kind) override { m_modelKind = kind; }
    int GetGradeModelKind() override { return m_modelKind; }
    void SetFailed(bool failed) override { m_failed = failed; }
    bool IsFailed() override { return m_failed; }
    void BeginBulkChange() override { ++m_bulk; }
    void EndBulkChange() override { --m_bulk; }
    bool IsBulkChange() override { return m_bulk > 0; }
    void CollectPointsInArea(const CObject *, CPtrCollection<CBasePoint> &) override {}
    CMeasureTableDoc *GetMeasureTableDoc() override { return nullptr; }
    IGradingInterface *GetGradingInterface() override { return nullptr; }
    IDocumentAccess *GetDocumentAccess() override { return nullptr; }
    CCursorTable *GetCursorTable() override { return nullptr; }
    void NotifyChanged7() override {}
    CRotationPivot *GetRotationPivot() override { return nullptr; }
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

    IGradeMask *activeMask = nullptr;
    std::vector<const IFormulaNameSource *> nameSources;
    FakeOptions options;
    CPattern *activePattern = nullptr;
    /// Begun and not yet ended wait cursors, and all begun.
    int waitCursorDepth = 0;
    int waitCursorsShown = 0;

private:
    std::array<std::string, 8> m_strings;
    int m_modelKind = 0;
    bool m_failed = false;
    int m_bulk = 0;
    bool m_editMode = false;
};

} // namespace morvane
