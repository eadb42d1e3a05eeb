// Morvane interactive tasks.
// Function commands of the view, the measure line, the context menu and the mask's display.
#include "app/taskdefs/ViewFunctionCommands.h"

#include "app/documents/IDocumentServices.h"
#include "app/taskdefs/IMouseCapture.h"
#include "app/taskdefs/InlineCommand.h"
#include "app/taskdefs/MaskTaskManager.h"
#include "app/taskdefs/TaskDocument.h"
#include "model/GradeMask.h"
#include "tasks/EventDispatchBlock.h"

namespace morvane {

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

bool FindMeasurePoint(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    if (!services)
        return false;
    runRegisteredCommand(task, "FindFocusLine", nullptr);
    services->NotifyChanged4();
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
