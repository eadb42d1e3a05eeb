// Morvane interactive tasks.
// "IdleTask": the tool that runs between the other tools of a grade mask.
#include "app/taskdefs/IdleTask.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/CursorTable.h"
#include "app/interaction/FocusFilterList.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/RotationPivot.h"
#include "app/taskdefs/TaskDocument.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

namespace morvane {

namespace {

// The rotation pivot, searched while the pivot has items.
constexpr FocusRule kPivotRule{3, 0, 5, 5, 0, 2, 0, {}};

// The other rules; their detail kinds count on from the pivot rule's, when there is one.
constexpr FocusRule kRules[] = {
    {4, 0, 7, 7, 0, 0, 0, {}},   {2, 0, 3, 100, 0, 2, 0, {}}, {1, 0, 3, 100, 0, 2, 0, {}},
    {6, 0, 3, 3, 0, 0, 0, {}},   {0, 1, 3, 100, 4, 2, 0, {}}, {0, 2, 3, 100, 3, 2, 0, {}},
    {4, 3, 7, 7, 1, 0, 0, {}},   {2, 4, 3, 3, 1, 2, 0, {}},   {0, 5, 3, 3, 1, 2, 0, {}},
    {6, 6, 3, 3, 1, 0, 0, {}},   {5, 7, 3, 3, 0, 0, 0, {}},   {5, 8, 3, 3, 1, 0, 0, {}},
};

constexpr uint32_t kCentrePrompt = 61210;
constexpr uint32_t kRegionPrompt = 61211;
constexpr uint32_t kPatternPrompt = 61212;
constexpr uint32_t kPivotPrompt = 61213;

FocusToolSettings idleSettings()
{
    FocusToolSettings settings;
    settings.focusTypes = {0, 2, 3, 1};
    settings.prompts = {
        {"OverMaskCenter", -1, kCentrePrompt},
        {"OverRegion", -1, kRegionPrompt},
        {"PressNotActiveRegion", -1, kRegionPrompt},
        {"PressNotActivePattern", -1, kPatternPrompt},
        {"OverPatternPoint", -1, kPatternPrompt},
        {"OverPatternPolyline", -1, kPatternPrompt},
        {"OverPatternPivotPoint", -1, kPivotPrompt},
    };
    return settings;
}

void addRule(CFocusFilterList &rules, const FocusRule &rule, int32_t detailShift)
{
    rules.AddFilter(rule.objectKind, rule.detailKind + detailShift, rule.tolerance,
                    rule.snapTolerance, rule.membership, rule.source, rule.pointMode, rule.size);
}

} // namespace

IdleTaskDefinition::IdleTaskDefinition() : CFocusTaskDefinition(idleSettings()) {}

void IdleTaskDefinition::Define(ITask *task)
{
    defineChart(task, idleTaskChart());
}

void IdleTaskDefinition::OnEnter(ITask *task)
{
    task->GetAttributes()->SetInteger("addRegionMode", 0);
    IDocumentServices *services = documentServices(task);
    if (CCursorTable *cursors = services ? services->GetCursorTable() : nullptr)
        CCursorTable::FillModeCursors(*cursors);
    if (!AttachShapeSet(task))
        return;
    PublishShapeSet(task);
    services->ClearFocusTypes();
    for (int type : GetSettings().focusTypes)
        services->AddFocusType(type);
    InstallFocusRules(task);
    services->ClearItemList();
}

void IdleTaskDefinition::OnExit(ITask *) {}

void IdleTaskDefinition::AddFocusRules(CFocusFilterList &rules)
{
    IMaskDocumentAccess *document = GetShapeSet().GetMaskDocument();
    const CRotationPivot *pivot = document ? document->GetRotationPivot() : nullptr;
    const bool pivotRule = pivot && pivot->HasItems();
    if (pivotRule)
        addRule(rules, kPivotRule, 0);
    for (const FocusRule &rule : kRules)
        addRule(rules, rule, pivotRule ? 1 : 0);
}

} // namespace morvane
