// Morvane interactive tasks.
// Function commands that take a snapshot of the pointer, the focus or the active object for the
// rest of a tool: starting angles and offsets, the selection's first move, path and focus points.
#include "app/taskdefs/PointFunctionCommands.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/GradePathEditor.h"
#include "app/interaction/RotationPivot.h"
#include "app/taskdefs/InlineCommand.h"
#include "app/taskdefs/TaskDocument.h"
#include "app/taskdefs/ViewFunctionCommands.h"
#include "model/GradeRegion.h"
#include "model/Pattern.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

#include <cmath>

namespace morvane {

namespace {

const VIEW_MOUSE_PARAM *mouseRecord(void *data)
{
    return static_cast<const VIEW_MOUSE_PARAM *>(data);
}

CFocusManager *focusManager(ITask *task)
{
    IDocumentServices *services = documentServices(task);
    return services != nullptr ? services->GetFocusManager() : nullptr;
}

/// The active object's item when it is a grade region.
IRegion *activeRegion(ITask *task)
{
    const CFocusManager *focus = focusManager(task);
    return focus != nullptr ? dynamic_cast<IRegion *>(focus->GetActiveItem()) : nullptr;
}

} // namespace

bool SaveInitialRotAngle(ITask *task, void *data)
{
    IDocumentServices *services = documentServices(task);
    CRotationPivot *pivot = services != nullptr ? services->GetRotationPivot() : nullptr;
    const VIEW_MOUSE_PARAM *mouse = mouseRecord(data);
    if (pivot == nullptr || mouse == nullptr)
        return false;
    pivot->CollectItems();
    pivot->SetInitialAngle(mouse->pressPosition);
    return true;
}

bool SaveRegionInitialRotAngle(ITask *task, void *data)
{
    const IRegion *region = activeRegion(task);
    const VIEW_MOUSE_PARAM *mouse = mouseRecord(data);
    if (region == nullptr || mouse == nullptr)
        return false;
    const DPOINT centre = region->GetPosition();
    const double angle =
        std::atan2(mouse->pressPosition.y - centre.y, mouse->pressPosition.x - centre.x);
    task->GetAttributes()->SetDouble("dRotStartRad", angle - region->GetDirection(true));
    return true;
}

bool SaveRegionDelta(ITask *task, void *data)
{
    const IRegion *region = activeRegion(task);
    const VIEW_MOUSE_PARAM *mouse = mouseRecord(data);
    if (region == nullptr || mouse == nullptr)
        return false;
    const DPOINT position = region->GetPosition();
    ICommandAttributes *variables = task->GetAttributes();
    variables->SetDouble("dx", mouse->pressPosition.x - position.x);
    variables->SetDouble("dy", mouse->pressPosition.y - position.y);
    return true;
}

bool SaveFirstPointDelta(ITask *task, void *data)
{
    const CFocusManager *focus = focusManager(task);
    const VIEW_MOUSE_PARAM *mouse = mouseRecord(data);
    if (focus == nullptr || mouse == nullptr)
        return false;
    VIEW_MOUSE_PARAM move = *mouse;
    move.previousPosition = focus->GetFocusPosition();
    return runRegisteredCommand(task, "MoveSelectedItems", &move);
}

bool FindPathPoint(ITask *task, void *data)
{
    runRegisteredCommand(task, "FindFocusLine", data);
    return true;
}

bool SetFirstPathPoint(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    CGradePathEditor *editor = services != nullptr ? services->GetGradePathEditor() : nullptr;
    const CFocusManager *focus = focusManager(task);
    const CFocusObject *point = focus != nullptr ? focus->GetFocusObject() : nullptr;
    auto *pattern = point != nullptr ? dynamic_cast<CPattern *>(point->GetDetailObject()) : nullptr;
    if (editor == nullptr || pattern == nullptr || point->GetType() != CFocusObject::kPoint)
        return false;
    editor->SetStartSize(point->GetSize());
    editor->SetPath(pattern, {point->GetLineIndex(), point->GetPointIndex()});
    return true;
}

bool ClearFocusPoints(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return false;
    services->ClearItemList();
    return true;
}

bool AddFocusPoint(ITask *task, void *data)
{
    IDocumentServices *services = documentServices(task);
    const CFocusManager *focus = focusManager(task);
    if (services == nullptr || focus == nullptr)
        return false;
    services->AddItem(CFocusObject::Clone(*focus->GetFocusObject()).release());
    return InitMeasureObject(task, data);
}

} // namespace morvane
