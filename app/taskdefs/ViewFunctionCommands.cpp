// Morvane interactive tasks.
// Function commands of the view, the measure line, the context menu and the mask's display.
#include "app/taskdefs/ViewFunctionCommands.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/documents/IMorvaneView.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusObject.h"
#include "app/interaction/InteractionModes.h"
#include "app/interaction/MeasureLine.h"
#include "app/taskdefs/ContextMenuChoice.h"
#include "app/taskdefs/IMenuPresenter.h"
#include "app/taskdefs/IMouseCapture.h"
#include "app/taskdefs/InlineCommand.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "app/taskdefs/TaskDocument.h"
#include "model/GradeMask.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "tasks/EventDispatchBlock.h"

namespace morvane {

namespace {

/// The measure line and the focus position of the active mask; false without them.
bool measureAtFocus(IDocumentServices *services, CMeasureLine *&line, DPOINT &focus)
{
    line = services ? services->GetMeasureLine() : nullptr;
    const CFocusManager *focusManager = services ? services->GetFocusManager() : nullptr;
    if (!line || !focusManager)
        return false;
    focus = focusManager->GetFocusPosition();
    return true;
}

/// What the choice of the context menu reads of the active object.
PopupMenuSubject popupMenuSubject(const CFocusObject &active, const CInteractionModes *modes)
{
    PopupMenuSubject subject;
    subject.kind = active.GetType();
    subject.selectionMode = modes ? modes->GetSelectionMode() : 0;
    subject.maskPattern = active.IsMaskPattern();
    CPattern *pattern = active.GetPattern();
    IInputPattern *input = pattern ? pattern->GetInputPattern() : nullptr;
    subject.inputPatternPasses = input && input->IsFlagged();
    subject.onlyRegions = active.IsAllOfClass(CFocusObject::kRegionClass);
    return subject;
}

} // namespace

bool InvalidateView(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    if (!services)
        return false;
    services->NotifyChanged0();
    return true;
}

bool SetCapture(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    if (!services)
        return false;
    services->NotifyChanged1();
    return true;
}

bool ReleaseCapture(ITask *task, void *)
{
    const CMaskTaskManager *manager = CMaskTaskManager::OfTask(task);
    if (IMouseCapture *capture = manager ? manager->GetMouseCapture() : nullptr)
        capture->ReleaseCapture();
    return true;
}

bool InitMeasureObject(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    CMeasureLine *line = nullptr;
    DPOINT focus;
    if (!measureAtFocus(services, line, focus))
        return false;
    line->SetActive(true);
    line->m_oStart = focus;
    line->m_oEnd = focus;
    services->NotifyChanged0();
    return true;
}

bool UpdateMeasure(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    CMeasureLine *line = nullptr;
    DPOINT focus;
    if (!measureAtFocus(services, line, focus))
        return false;
    line->m_oEnd = focus;
    services->NotifyChanged0();
    services->NotifyChanged4();
    return true;
}

bool FindMeasurePoint(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    if (!services)
        return false;
    runRegisteredCommand(task, "FindFocusLine", nullptr);
    services->NotifyChanged4();
    return true;
}

bool ClearMeasure(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    CInteractionModes *modes = services ? services->GetInteractionModes() : nullptr;
    if (!modes)
        return false;
    modes->SetMeasureMode(0);
    return true;
}

bool ShowPopupMenu(ITask *task, void *data)
{
    IDocumentServices *services = documentServices(task);
    const CFocusManager *focus = services ? services->GetFocusManager() : nullptr;
    const CMaskTaskManager *manager = CMaskTaskManager::OfTask(task);
    IMenuPresenter *presenter = manager ? manager->GetMenuPresenter() : nullptr;
    if (!focus || !presenter || !data)
        return false;
    const uint32_t menu =
        choosePopupMenu(popupMenuSubject(*focus->GetActiveObject(), services->GetInteractionModes()));
    if (menu == 0)
        return false;
    const auto *point = static_cast<const PopupMenuPoint *>(data);
    return presenter->ShowPopupMenu(menu, point->x, point->y);
}

bool ShowMaskRegions(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    CDisplayFlags *flags = services ? services->GetDisplayFlags() : nullptr;
    if (!flags)
        return false;
    const CFocusManager *focus = services->GetFocusManager();
    if (flags->GetShowMaskRegions() && focus
        && (focus->IsActiveRegion() || focus->GetActiveObject()->GetType() == CFocusObject::kMaskCentre)) {
        const std::unique_ptr<CFocusObject> nothing = CFocusObject::Create(nullptr, CFocusObject::kNothing);
        runRegisteredCommand(task, "SetActiveItem", nothing.get());
    }
    flags->SetShowMaskRegions(!flags->GetShowMaskRegions());
    return true;
}

bool ChangeViewCenter(ITask *, void *data)
{
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    IMorvaneView *view = mouse != nullptr ? mouse->view : nullptr;
    if (view == nullptr)
        return false;
    const DPOINT centre = view->GetClientCenterPoint();
    view->CenterOn(centre.x + mouse->pressPosition.x - mouse->position.x,
                   centre.y + mouse->pressPosition.y - mouse->position.y);
    view->InvalidateView();
    return true;
}

bool HideFrameRect(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return false;
    services->SetExtentFlag(false);
    return true;
}

bool NewGradeMask(ITask *task, void *)
{
    bool agreed = false;
    {
        // The question runs an event loop of its own inside this dispatch.
        const CEventDispatchBlock question;
        agreed = runRegisteredCommand(task, "SaveModifiedMask", nullptr);
    }
    if (!agreed)
        return false;
    IDocumentServices *services = documentServices(task);
    if (IGradeMask *mask = services ? services->GetActiveGradeMask() : nullptr)
        mask->Clear();
    return true;
}

} // namespace morvane
