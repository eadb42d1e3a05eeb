// Morvane interactive tasks.
// "MainTask": the top task of every grade mask, which holds the variables all tools share.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "tasks/ITaskDefinition.h"

class IOptions;

namespace morvane {

/// The chart of "MainTask": 27 states, 25 variables, and the transitions that start every tool
/// from "IdleTask" and come back to it.
const ChartDeclaration &mainTaskChart();

/// Copies the repeat options into the variables of a mask's main task: "repeat" (the option
/// "REPEAT_INTERACIVE_TOOLS"), "repeatAdd", "repeatMoveView" and "repeatZoomRectangle".
void copyRepeatOptions(ITask &mainTask, const IOptions &options);

/// The definition of "MainTask". Its task keeps the mask's undo history, starts in
/// "NotActiveState" until "OnActivate", and runs "IdleTask" between tools.
class MainTaskDefinition : public ITaskDefinition
{
public:
    void Define(ITask *task) override;
    /// Copies the repeat and move-mode options into the task's variables: "repeat",
    /// "repeatAdd", "repeatMoveView", "repeatZoomRectangle" and "bAutoMove".
    void OnEnter(ITask *task) override;
    /// The mask's modified state changed: the document sends notification 2.
    void OnModifiedChanged(ITask *task) override;
    /// "enabled" for "OnModifyGradePath" and "OnModifyGradePoint" (exactly so named): grading
    /// and input patterns are shown, some size is shown and some input pattern is loaded.
    /// False for every other event.
    bool IsEventEnabled(ITask *task, const std::string &event) override;
};

} // namespace morvane
