// Morvane interactive tasks.
// Function commands of the point-association tool and of the main task: its focus rules for
// either side of an association, and the interactive mode.
#include "app/taskdefs/ToolFunctionCommands.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/taskdefs/FocusTaskDefinition.h"
#include "app/taskdefs/InlineCommand.h"
#include "app/taskdefs/TaskDocument.h"
#include "model/GradeMask.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/ITask.h"

#include <span>

namespace morvane {

namespace {

constexpr int32_t kAny = CFocusFilter::kAnyDistance;

/// A rule, and whether it admits only the allowed patterns.
struct AssociationRule
{
    FocusRule rule;
    bool restricted;
};

constexpr AssociationRule kActiveSideRules[] = {
    {{1, 0, 3, 6, 2, 3, 0, {}}, true},
    {{2, 0, 3, 6, 2, 3, 0, {}}, true},
    {{0, 2, 3, 3, 2, 3, 0, {}}, true},
};

constexpr AssociationRule kOtherSideRules[] = {
    {{1, 0, 3, 3, 0, 0, 0, {}}, false},       {{2, 0, 3, 3, 0, 0, 0, {}}, false},
    {{0, 1, 3, 3, 0, 3, 0, {}}, true},        {{0, 2, 3, 3, 1, 3, 0, {}}, true},
    {{1, 3, kAny, kAny, 0, 0, 0, {}}, false}, {{2, 3, kAny, kAny, 0, 0, 0, {}}, false},
};

void addMaskPatterns(IDocumentServices &services, CPtrCollection<CPattern> &list)
{
    if (IGradeMask *mask = services.GetActiveGradeMask()) {
        for (int i = 0; i < mask->GetPatternCount(); ++i)
            list.Add(mask->GetPatternAt(i));
    }
}

/// The input patterns flagged on their location.
void addQualifiedInputPatterns(IDocumentServices &services, CPtrCollection<CPattern> &list)
{
    if (IInputPatterns *inputs = services.GetInputPatterns()) {
        for (int i = 0; i < inputs->GetPatternCount(); ++i) {
            CInputPattern *pattern = inputs->GetPatternAt(i);
            if (pattern->IsFlagged())
                list.Add(pattern);
        }
    }
}

bool loadAssociationRules(ITask *task, std::span<const AssociationRule> rows,
                          const CPtrCollection<CPattern> &allowed)
{
    void *published = nullptr;
    task->GetAttributes()->GetPointer("pFocusManager", &published);
    auto *shapes = static_cast<CFocusShapeSet *>(published);
    if (shapes == nullptr)
        return true;
    CFocusFilterList &rules = shapes->GetFilterList();
    rules.RemoveAll();
    for (const AssociationRule &row : rows) {
        const FocusRule &rule = row.rule;
        const int index = rules.AddFilter(rule.objectKind, rule.detailKind, rule.tolerance,
                                          rule.snapTolerance, rule.membership, rule.source,
                                          rule.pointMode, rule.size);
        if (row.restricted)
            rules.SetFilterObject(index, allowed);
    }
    shapes->Rebuild();
    return true;
}

} // namespace

bool ClearInteractiveMode(ITask *task, void *)
{
    return runRegisteredCommand(task, "SetInteractiveMode", nullptr);
}

bool UpdateActivePointAssFocus(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return true;
    services->ClearFocusTypes();
    services->AddFocusType(5);
    task->GetAttributes()->SetInteger("nSnapMode", 5);
    CPtrCollection<CPattern> allowed;
    addQualifiedInputPatterns(*services, allowed);
    addMaskPatterns(*services, allowed);
    return loadAssociationRules(task, kActiveSideRules, allowed);
}

bool UpdateNoActivePointAssFocus(ITask *task, void *)
{
    IDocumentServices *services = documentServices(task);
    if (services == nullptr)
        return true;
    CPtrCollection<CPattern> allowed;
    addMaskPatterns(*services, allowed);
    addQualifiedInputPatterns(*services, allowed);
    return loadAssociationRules(task, kOtherSideRules, allowed);
}

} // namespace morvane
