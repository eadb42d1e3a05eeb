// Morvane interactive tasks.
// "IdleTask": the tool that runs between the other tools of a grade mask.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "app/taskdefs/FocusTaskDefinition.h"

namespace morvane {

/// The chart of "IdleTask": 33 states. It follows the pointer (every move goes back to
/// "IdleState", which finds the focus and decides on its kind), makes what is pressed active,
/// starts multiple selection and framing, and ends in "MoveCenter", "MoveSelection",
/// "RotateSelection", "MovePivotPoint" or "EditRegion" for the main task to start that tool.
const ChartDeclaration &idleTaskChart();

/// The definition of "IdleTask".
class IdleTaskDefinition : public CFocusTaskDefinition
{
public:
    /// Focus types 0, 2, 3 and 1, and the prompts of the hover and press states.
    IdleTaskDefinition();

    void Define(ITask *task) override;
    /// Its own enter hook, which leaves the snap and tool modes alone: "addRegionMode" 0, the
    /// standard cursor scheme, the shape set published, the focus types, the focus rules
    /// installed and their candidates built, and the item list emptied. Without an active mask
    /// document only the first two.
    void OnEnter(ITask *task) override;
    /// Leaves everything as it is.
    void OnExit(ITask *task) override;

protected:
    /// Twelve rules, and first a rule for the rotation pivot while the mask's pivot has items
    /// (the later rules' detail kinds then count from 1).
    void AddFocusRules(CFocusFilterList &rules) override;
};

} // namespace morvane
