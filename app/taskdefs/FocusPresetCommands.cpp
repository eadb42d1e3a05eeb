// Morvane interactive tasks.
// Function commands that change what the running tool can point at: its focus rules replaced
// by a fixed preset, or its candidates built again from the rules it has.
#include "app/taskdefs/FocusPresetCommands.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/interaction/GradePathEditor.h"
#include "app/taskdefs/FocusTaskDefinition.h"
#include "app/taskdefs/TaskDocument.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

#include <span>
#include <vector>

namespace morvane {

namespace {

constexpr int32_t kAny = CFocusFilter::kAnyDistance;

constexpr FocusRule kPresetA[] = {
    {2, 0, 3, 100, 0, 0, 0, {}},
    {1, 1, 3, 100, 0, 0, 0, {}},
    {0, 2, 3, 100, 0, 0, 0, {}},
};
constexpr FocusRule kPresetB[] = {
    {0, 0, 3, 3, 1, 2, 0, {}},
};
constexpr FocusRule kPresetD[] = {
    {1, 0, 3, kAny, 2, 2, 0, {}},
    {2, 0, 3, kAny, 2, 2, 0, {}},
    {0, 1, 3, kAny, 2, 2, 0, {}},
};
constexpr FocusRule kPresetE[] = {
    {1, 0, kAny, kAny, 1, 2, 0, {}},
    {0, 1, 3, 3, 1, 2, 0, {}},
};
constexpr FocusRule kPresetF[] = {
    {0, 0, 3, 3, 0, 2, 0, {}},
};

/// The rows of preset C with the pattern source of edit mode (2) or not (1).
std::vector<FocusRule> rotateSelectionRules(int32_t source)
{
    return {
        {3, 0, 6, 6, 0, source, 0, {}},  {2, 1, 3, 100, 0, source, 0, {}},
        {1, 1, 3, 100, 0, source, 0, {}}, {6, 1, 3, 3, 0, 0, 0, {}},
        {0, 2, 3, 100, 4, source, 0, {}}, {0, 3, 3, 100, 3, source, 0, {}},
        {2, 4, 3, 3, 1, source, 0, {}},  {0, 5, 3, 3, 1, source, 0, {}},
        {6, 6, 3, 3, 1, 0, 0, {}},       {5, 7, 3, 3, 0, 0, 0, {}},
        {5, 8, 3, 3, 1, 0, 0, {}},
    };
}

CFocusShapeSet *publishedShapeSet(ITask *task)
{
    void *published = nullptr;
    if (task != nullptr)
        task->GetAttributes()->GetPointer("pFocusManager", &published);
    return static_cast<CFocusShapeSet *>(published);
}

/// The shape set's rules become the rows; its candidates are built again.
bool loadPreset(ITask *task, std::span<const FocusRule> rows)
{
    CFocusShapeSet *shapes = publishedShapeSet(task);
    if (shapes == nullptr)
        return true;
    CFocusFilterList &rules = shapes->GetFilterList();
    rules.RemoveAll();
    for (const FocusRule &row : rows)
        rules.AddFilter(row.objectKind, row.detailKind, row.tolerance, row.snapTolerance,
                        row.membership, row.source, row.pointMode, row.size);
    shapes->Rebuild();
    return true;
}

} // namespace

bool UpdateFocusManager(ITask *task, void *)
{
    if (task != nullptr)
        ::UpdateFocusManager(*task->GetAttributes());
    return true;
}

bool LoadActiveMaskPatternToFM(ITask *task, void *)
{
    return loadPreset(task, kPresetA);
}

bool LoadAllPatternPolylinesToFocusMgr(ITask *task, void *)
{
    return loadPreset(task, kPresetB);
}

bool UpdateFMRotateSelection(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    const int32_t source = services != nullptr && services->IsEditMode()
                               ? CFocusFilter::kBothPatterns
                               : CFocusFilter::kInputPatterns;
    return loadPreset(task, rotateSelectionRules(source));
}

bool UpdateFMPivotPoint(ITask *task, void *)
{
    return loadPreset(task, kPresetD);
}

bool UpdateFMNoActivePolylinesAndPoints(ITask *task, void *)
{
    return loadPreset(task, kPresetE);
}

bool UpdateFMActivePolylines(ITask *task, void *)
{
    return loadPreset(task, kPresetF);
}

bool UpdateFMActivePolyPoints(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    const CGradePathEditor *editor = services != nullptr ? services->GetGradePathEditor() : nullptr;
    const GradeSizeKey start = editor != nullptr ? editor->GetStartSize() : GradeSizeKey{};
    if (!start.isBase()) {
        const FocusRule rule{1, 0, kAny, kAny, 0, 2, CFocusFilter::kRuleSize, start};
        return loadPreset(task, {&rule, 1});
    }
    const FocusRule rule{1, 0, kAny, kAny, 3, 2, 0, {}};
    return loadPreset(task, {&rule, 1});
}

} // namespace morvane
