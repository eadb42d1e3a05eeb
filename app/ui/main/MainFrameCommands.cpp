// Morvane main window, view and interaction.
// The main window's own commands: bars shown and hidden, and the commands it sends to the task
// managers as events. Each handler checks again what its update handler checks, for a shortcut
// runs it without an update pass.
#include "app/documents/EventRecords.h"
#include "app/documents/GradeMaskDoc.h"
#include "app/documents/MorvaneDoc.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusObject.h"
#include "app/ui/frame/SizingControlBar.h"
#include "app/ui/main/MainFrame.h"
#include "app/ui/main/MainStatusBar.h"
#include "app/ui/main/SecondDockBar.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "tasks/TaskManager.h"

#include <QToolBar>

#include <cstdint>

namespace {

constexpr uint32_t kRecalculate = 32778;
constexpr uint32_t kEditBaseFormula = 32958;
constexpr uint32_t kDeleteSelected = 32954;
constexpr uint32_t kOptions = 32779;
constexpr uint32_t kShowGrading = 32802;
constexpr uint32_t kNewMask = 43121;
constexpr uint32_t kStatusBarCommand = 32790;

/// The base formula of the active object when it is a grade region that has one.
IBaseFormula *activeBaseFormula(IDocumentServices &services)
{
    CFocusManager *focus = services.GetActiveMaskDocument() ? services.GetFocusManager() : nullptr;
    if (!focus || !focus->IsActiveRegion())
        return nullptr;
    const auto *region = dynamic_cast<const IRegion *>(focus->GetActiveObject()->GetItem());
    IGradeMask *mask = services.GetActiveGradeMask();
    return region && mask ? mask->GetFormulaManager()->FindRegionFormula(region) : nullptr;
}

void *showGradingParameter(IDocumentServices &services)
{
    const bool shown = services.GetDisplayFlags()->GetShowGrading();
    return reinterpret_cast<void *>(static_cast<intptr_t>(shown ? 0 : 1));
}

} // namespace

void CMainFrame::RegisterCommands()
{
    RegisterBarCommands();
    RegisterTaskCommands();
}

void CMainFrame::AddShowHideCommand(uint32_t id, QWidget *bar)
{
    m_oCommands.Add(
        id, [bar] { bar->setVisible(bar->isHidden()); },
        [bar](CCmdUI &state) { state.SetCheck(bar->isHidden() ? 0 : 1); });
}

void CMainFrame::RegisterBarCommands()
{
    for (size_t i = 0; i < kToolBars.size(); ++i) {
        if (kToolBars[i].m_nShowCommand != 0)
            AddShowHideCommand(kToolBars[i].m_nShowCommand, m_aToolBars[i]);
    }
    AddShowHideCommand(kStatusBarCommand, m_pStatusBar);
    AddShowHideCommand(32789, m_pPiecesBar);
    AddShowHideCommand(32787, m_pTablesBar);
    AddShowHideCommand(32786, m_pPropertiesBar);
    AddShowHideCommand(32830, m_pPointRulesBar);
}

void CMainFrame::AddMaskEventCommand(uint32_t id, const char *event)
{
    m_oCommands.Add(
        id,
        [this, event] {
            if (CTaskManager *tasks = GetMaskTaskManager())
                tasks->DispatchEvent(event, nullptr);
        },
        [this, event](CCmdUI &state) {
            CTaskManager *tasks = GetMaskTaskManager();
            state.Enable(tasks && tasks->CanDispatchEvent(event, nullptr));
        });
}

void CMainFrame::RegisterTaskCommands()
{
    IDocumentServices &services = m_rDocument;
    AddMaskEventCommand(kRecalculate, "RecalculateGrading");

    m_oCommands.Add(
        kEditBaseFormula,
        [this, &services] {
            CTaskManager *tasks = GetMaskTaskManager();
            EditFormulaRecord record{activeBaseFormula(services), -1};
            if (tasks && record.formula && tasks->CanDispatchEvent("EditBaseFormula", &record))
                tasks->DispatchEvent("EditBaseFormula", &record);
        },
        [this, &services](CCmdUI &state) {
            CTaskManager *tasks = GetMaskTaskManager();
            EditFormulaRecord record{activeBaseFormula(services), -1};
            state.Enable(tasks && record.formula &&
                         tasks->CanDispatchEvent("EditBaseFormula", &record));
        });

    const auto focusObject = [this, &services]() -> CFocusObject * {
        CFocusManager *focus = GetMaskTaskManager() ? services.GetFocusManager() : nullptr;
        return focus ? focus->GetFocusObject() : nullptr;
    };
    m_oCommands.Add(
        kDeleteSelected,
        [this, focusObject] {
            CFocusObject *selected = focusObject();
            if (!selected)
                return;
            std::unique_ptr<CFocusObject> copy = CFocusObject::Clone(*selected);
            CTaskManager *tasks = GetMaskTaskManager();
            if (tasks->CanDispatchEvent("DeleteSelectedItems", copy.get()))
                tasks->DispatchEvent("DeleteSelectedItems", copy.get());
        },
        [this, focusObject](CCmdUI &state) {
            CFocusObject *selected = focusObject();
            std::unique_ptr<CFocusObject> copy =
                selected ? CFocusObject::Clone(*selected) : nullptr;
            state.Enable(copy &&
                         GetMaskTaskManager()->CanDispatchEvent("DeleteSelectedItems", copy.get()));
        });

    m_oCommands.Add(
        kOptions,
        [this] {
            CTaskManager *tasks = m_rDocument.GetWorkspaceTaskManager();
            if (tasks && tasks->CanDispatchEvent("Options", nullptr))
                tasks->DispatchEvent("Options", nullptr);
        },
        [this](CCmdUI &state) {
            CTaskManager *tasks = m_rDocument.GetWorkspaceTaskManager();
            state.Enable(tasks && tasks->CanDispatchEvent("Options", nullptr));
        });

    m_oCommands.Add(
        kShowGrading,
        [this, &services] {
            CTaskManager *tasks = GetMaskTaskManager();
            void *parameter = showGradingParameter(services);
            if (tasks && tasks->CanDispatchEvent("ShowGrading", parameter))
                tasks->DispatchEvent("ShowGrading", parameter);
        },
        [this, &services](CCmdUI &state) {
            CTaskManager *tasks = GetMaskTaskManager();
            state.Enable(tasks &&
                         tasks->CanDispatchEvent("ShowGrading", showGradingParameter(services)));
            state.SetCheck(services.GetDisplayFlags()->GetShowGrading() ? 1 : 0);
        });

    m_oCommands.Add(
        kNewMask,
        [this] {
            CTaskManager *tasks = m_rDocument.GetWorkspaceTaskManager();
            if (!tasks || !tasks->CanDispatchEvent("InsertNewMask", nullptr) ||
                !tasks->DispatchEvent("InsertNewMask", nullptr))
                return;
            CGradeMaskDocArray &masks = *m_rDocument.GetMaskDocs();
            CGradeMaskDoc *added = masks.GetCount() > 0 ? masks.GetAt(masks.GetCount() - 1) : nullptr;
            if (added && tasks->CanDispatchEvent("SetActiveMask", added))
                tasks->DispatchEvent("SetActiveMask", added);
        },
        [this](CCmdUI &state) {
            CTaskManager *tasks = m_rDocument.GetWorkspaceTaskManager();
            state.Enable(tasks && tasks->CanDispatchEvent("InsertNewMask", nullptr));
        });
}
