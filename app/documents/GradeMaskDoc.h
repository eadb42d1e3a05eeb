// Morvane program documents.
// One open grade mask: the mask, its task manager, and the small state its tools share.
#pragma once

#include "app/documents/AnnouncedList.h"
#include "app/documents/Document.h"
#include "app/grading/FormulaEvaluator.h"
#include "app/grading/FormulaEvaluatorHost.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/GradePathEditor.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/InteractionModes.h"
#include "app/interaction/MeasureLine.h"
#include "app/interaction/RotationPivot.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "foundation/EventHandler.h"
#include "foundation/RuntimeClass.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class IBaseFormula;
class IDocumentServices;
class IGradeMask;
class IGradePlaceList;

/// An open grade mask. It holds the mask (made over the main document's input patterns), the
/// task manager that runs the mask's tools with their own undo history, the focus manager and
/// interaction modes of its tools, its measure line, grade-path editor and rotation pivot, its
/// formula evaluator, the focus types of the current tool, the item list the tools collect, the
/// polylines line-selecting tools pick, the line a tool highlights and the colour indexes of
/// region formulas. It is made and deleted by the main document's
/// collection of mask documents (CGradeMaskDocArray), never stored through the document base:
/// only its title is used.
///
/// Its event handler (kHandlerId, the document as owner) is the parent of the mask's, the
/// interaction modes', the focus manager's and the rotation pivot's handlers and a child of the
/// collection's, so a change inside the mask reaches the main document through it; the focus
/// manager and the pivot listen at it (the focus manager at the input patterns too). It
/// announces its item list with kItemListId and its focus polylines with kFocusPolylinesId:
/// attached with the new index, detached with the element before the element is deleted.
class CGradeMaskDoc : public CDocument, public IFormulaEvaluatorHost, public IMaskDocumentAccess
{
public:
    static constexpr uint32_t kHandlerId = morvane::kModelHandlerId | 108;
    static constexpr uint32_t kItemListId = 105;
    static constexpr uint32_t kFocusPolylinesId = 106;

    /// An empty document: no mask, no owner.
    CGradeMaskDoc();
    ~CGradeMaskDoc() override;

    /// Called once, right after construction: keeps owner (not owned), makes the grade mask
    /// over the owner's input patterns with this document's formula evaluator as its formula
    /// configuration, links and registers the mask and the tools' state objects, and creates
    /// and runs taskManager (with the owner as its data object), which starts "MainTask".
    void Initialize(IDocumentServices *owner, std::unique_ptr<CMaskTaskManager> taskManager);

    IGradeMask *GetGradeMask() override { return m_pGradeMask.get(); }
    CTaskManager *GetTaskManager() override { return m_pTaskManager.get(); }
    IDocumentServices *GetServices() override { return m_pOwner; }
    CFocusManager *GetFocusManager() override { return &m_oFocusManager; }
    CInteractionModes *GetInteractionModes() override { return &m_oInteractionModes; }
    /// The same as GetInteractionModes.
    CInteractionModes *GetSink() { return &m_oInteractionModes; }
    CMeasureLine *GetMeasureLine() override { return &m_oMeasureLine; }
    CGradePathEditor *GetGradePathEditor() override { return &m_oGradePathEditor; }
    CRotationPivot *GetRotationPivot() override { return &m_oRotationPivot; }
    CFormulaEvaluator *GetFormulaEvaluator() { return &m_oFormulaEvaluator; }
    CEventHandler &GetEventHandler() { return m_oHandler; }

    /// The object-type codes that may take the focus in the current task.
    void ClearFocusTypes() { m_aFocusTypes.clear(); }
    /// Appends code (duplicates allowed).
    void AddFocusType(uint32_t code) { m_aFocusTypes.push_back(code); }
    /// False for every code while there are none.
    bool IsFocusType(uint32_t code) const;

    /// The items the tools collect, owned and announced (see the class).
    int AddItem(std::unique_ptr<CObject> item) { return m_oItems.Add(std::move(item)); }
    int GetItemCount() const { return m_oItems.GetCount(); }
    /// Null for an index out of range.
    CObject *GetItemAt(int index) const { return m_oItems.GetAt(index); }
    /// Nothing for an index out of range.
    void RemoveItemAt(int index) { m_oItems.RemoveAt(index); }
    /// Removes the items one by one, from the last.
    void ClearItemList() { m_oItems.Clear(); }

    /// The polylines picked one after another, owned and announced (see the class).
    int AddFocusPolyline(std::unique_ptr<CFocusObject> polyline) override
    {
        return m_oFocusPolylines.Add(std::move(polyline));
    }
    int GetFocusPolylineCount() const override { return m_oFocusPolylines.GetCount(); }
    /// Null for an index out of range.
    CFocusObject *GetFocusPolylineAt(int index) const override
    {
        return m_oFocusPolylines.GetAt(index);
    }
    /// Nothing for an index out of range.
    void RemoveFocusPolylineAt(int index) override { m_oFocusPolylines.RemoveAt(index); }
    /// Removes the polylines one by one, from the last.
    void ClearFocusPolylines() override { m_oFocusPolylines.Clear(); }

    /// The line a tool points out on the mask, which the view draws highlighted (not owned;
    /// null: none).
    void SetHighlightedItem(IGradePlaceList *item) { m_pHighlightedItem = item; }
    IGradePlaceList *GetHighlightedItem() const { return m_pHighlightedItem; }

    /// The colour index of a region formula (not owned), by which the view fills its region; a
    /// negative index takes the formula out of the map.
    void SetColourIndex(const IBaseFormula *formula, int index);
    /// -1 for a formula without one.
    int GetColourIndex(const IBaseFormula *formula) const;

    /// The mask's file name without folder and extension; the document's title while the mask
    /// has no file.
    std::string GetDisplayName() const;

    /// The view flag of the interaction modes.
    bool GetViewFlag() override { return m_oInteractionModes.GetViewFlag(); }
    /// millimetres in the unit of the option "USER_UNITS", two decimals.
    double ConvertToDisplayUnits(double millimetres, int &decimals) override;

private:
    /// Makes this document's handler the parent of child, whose owner is object.
    void AdoptHandler(CEventHandler &child, const void *object);

    CEventHandler m_oHandler;
    std::unique_ptr<IGradeMask> m_pGradeMask;
    std::unique_ptr<CMaskTaskManager> m_pTaskManager;
    IDocumentServices *m_pOwner = nullptr;
    CFocusManager m_oFocusManager;
    CInteractionModes m_oInteractionModes;
    morvane::AnnouncedList<CObject> m_oItems{m_oHandler, kItemListId};
    CMeasureLine m_oMeasureLine;
    CGradePathEditor m_oGradePathEditor;
    std::vector<uint32_t> m_aFocusTypes;
    CFormulaEvaluator m_oFormulaEvaluator;
    morvane::AnnouncedList<CFocusObject> m_oFocusPolylines{m_oHandler, kFocusPolylinesId};
    CRotationPivot m_oRotationPivot;
    IGradePlaceList *m_pHighlightedItem = nullptr;
    std::unordered_map<const IBaseFormula *, int> m_oColourIndexes;
};
