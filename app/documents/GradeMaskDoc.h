// Morvane program documents.
// One open grade mask: the mask, its task manager, and the small state its tools share.
#pragma once

#include "app/documents/AnnouncedList.h"
#include "app/documents/Document.h"
#include "app/grading/FormulaEvaluator.h"
#include "app/grading/FormulaEvaluatorHost.h"
#include "foundation/EventHandler.h"
#include "foundation/RuntimeClass.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CTaskManager;
class IDocumentServices;
class IGradeMask;

/// An open grade mask. It holds the mask (made over the main document's input patterns), the
/// task manager that runs the mask's tools with their own undo history, its formula
/// evaluator, the focus types of the current tool and the item list the tools collect. It is
/// made and deleted by the main document's collection of mask documents (CGradeMaskDocArray),
/// never stored through the document base: only its title is used.
///
/// Its event handler (kHandlerId, the document as owner) is the parent of the mask's handler and
/// a child of the collection's, so a change inside the mask reaches the main document through
/// it. It announces its item list with kItemListId: attached with the new index, detached with
/// the item before the item is deleted.
class CGradeMaskDoc : public CDocument, public IFormulaEvaluatorHost
{
public:
    static constexpr uint32_t kHandlerId = morvane::kModelHandlerId | 108;
    static constexpr uint32_t kItemListId = 105;

    /// An empty document: no mask, no owner.
    CGradeMaskDoc();
    ~CGradeMaskDoc() override;

    /// Called once, right after construction: keeps owner (not owned), makes the grade mask
    /// over the owner's input patterns with this document's formula evaluator as its formula
    /// configuration, and links the mask's handler to this document's.
    void Initialize(IDocumentServices *owner);

    IGradeMask *GetGradeMask() override { return m_pGradeMask.get(); }
    /// Null until the mask's task manager is built.
    CTaskManager *GetTaskManager() const { return m_pTaskManager.get(); }
    CFormulaEvaluator *GetFormulaEvaluator() { return &m_oFormulaEvaluator; }
    IDocumentServices *GetOwner() const { return m_pOwner; }
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

    /// The mask's file name without folder and extension; the document's title while the mask
    /// has no file.
    std::string GetDisplayName() const;

    /// Off until the mask's interaction modes are built.
    bool GetViewFlag() override;
    /// millimetres in the unit of the option "USER_UNITS", two decimals.
    double ConvertToDisplayUnits(double millimetres, int &decimals) override;

private:
    CEventHandler m_oHandler;
    std::unique_ptr<IGradeMask> m_pGradeMask;
    std::unique_ptr<CTaskManager> m_pTaskManager;
    IDocumentServices *m_pOwner = nullptr;
    morvane::AnnouncedList<CObject> m_oItems{m_oHandler, kItemListId};
    std::vector<uint32_t> m_aFocusTypes;
    CFormulaEvaluator m_oFormulaEvaluator;
};
