// Morvane interactive tasks.
// Function commands of the path-grading tool: the path of the size being edited, the points
// of the other sizes' paths, and the texts of a drag.
#include "app/taskdefs/PathFunctionCommands.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/interaction/GradePathEditor.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/taskdefs/DistanceTexts.h"
#include "app/taskdefs/TaskDocument.h"
#include "lang/ResourceText.h"
#include "platform/brismond/IBrismond.h"
#include "platform/brismond/IComplexGradeSize.h"
#include "platform/brismond/IMeasureTable.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

namespace morvane {

namespace {

constexpr int32_t kAny = CFocusFilter::kAnyDistance;
constexpr uint32_t kDragPrompt = 61215;

const CFocusObject *focusObject(IDocumentServices &services)
{
    const CFocusManager *focus = services.GetFocusManager();
    return focus != nullptr ? focus->GetFocusObject() : nullptr;
}

CFocusShapeSet *publishedShapeSet(ITask *task)
{
    void *published = nullptr;
    task->GetAttributes()->GetPointer("pFocusManager", &published);
    return static_cast<CFocusShapeSet *>(published);
}

/// Whether the shown size is one size of one table and that size is the table's base size.
bool isBaseSize(const IComplexGradeSize &size, const IBrismond &tableSet)
{
    int places = 0;
    bool base = false;
    for (int table = 0; table < size.GetPlaceCount(); ++table) {
        const int index = size.GetPlaceAt(table);
        if (index < 0)
            continue;
        ++places;
        base = table < tableSet.GetTableCount() &&
               index == tableSet.GetTableAt(table)->GetBaseSizeIndex();
    }
    return places != 1 || base;
}

} // namespace

bool UpdateActiveSizePathFocused(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    CGradePathEditor *editor = services != nullptr ? services->GetGradePathEditor() : nullptr;
    const CFocusObject *focus = services != nullptr ? focusObject(*services) : nullptr;
    if (editor == nullptr)
        return true;
    const bool focused = editor->GetGradePath().GetSegmentCount() > 0 &&
                         editor->GetEditedSize() && focus != nullptr &&
                         focus->GetSize() == *editor->GetEditedSize();
    task->GetAttributes()->SetInteger("bIsActiveSizePathFocused", focused ? 1 : 0);
    return true;
}

bool LoadGradePathPoints(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    CFocusShapeSet *shapes = publishedShapeSet(task);
    if (services == nullptr || shapes == nullptr)
        return true;
    services->ClearFocusTypes();
    services->AddFocusType(1);
    const CFocusObject *focus = focusObject(*services);
    const GradeSizeKey focused = focus != nullptr ? focus->GetSize() : GradeSizeKey{};
    CFocusFilterList &rules = shapes->GetFilterList();
    rules.RemoveAll();
    const CGradeSizeSelection *selection = services->GetSizeSelection();
    const IBrismond *tableSet = services->GetTableSet();
    if (selection != nullptr && tableSet != nullptr) {
        for (const auto &size : selection->GetShownSizes()) {
            const GradeSizeKey key = GradeSizeKey::of(size.get());
            if (!isBaseSize(*size, *tableSet) && key != focused)
                rules.AddFilter(CFocusFilter::kGradePathLine, 0, 3, 3, 0, 2,
                                CFocusFilter::kRuleSize, key);
        }
    }
    rules.AddFilter(CFocusFilter::kGradePathPoints, 1, kAny, kAny, 0, 2, CFocusFilter::kRuleSize,
                    focused);
    shapes->Rebuild();
    return true;
}

bool UpdateGradePathSize(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    CGradePathEditor *editor = services != nullptr ? services->GetGradePathEditor() : nullptr;
    const CFocusObject *focus = services != nullptr ? focusObject(*services) : nullptr;
    if (editor == nullptr || focus == nullptr)
        return true;
    const GradeSizeKey size = focus->GetSize();
    editor->SetEditedSize(size);
    for (int i = 0; i < services->GetItemCount(); ++i) {
        auto *entry = dynamic_cast<CFocusObject *>(services->GetItemAt(i));
        if (entry == nullptr)
            continue;
        entry->SetSize(size);
        if (entry->GetItem() != nullptr)
            entry->SetPosition(entry->GetPosition());
    }
    services->NotifyChanged0();
    return true;
}

bool RemoveLastFocusPoint(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    if (services != nullptr && services->GetItemCount() > 0)
        services->RemoveItemAt(services->GetItemCount() - 1);
    return true;
}

bool UpdateMovement(ITask *task, void *data)
{
    IDocumentServices *services = documentServices(task);
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    if (services == nullptr || mouse == nullptr)
        return false;
    const DistanceTexts texts = FormatDistanceTexts(*services, mouse->position);
    services->SetStringAt(0, loadString(kDragPrompt, {texts.pointName}));
    services->SetStringAt(1, texts.distance);
    services->SetStringAt(2, texts.dx);
    services->SetStringAt(3, texts.dy);
    return true;
}

} // namespace morvane
