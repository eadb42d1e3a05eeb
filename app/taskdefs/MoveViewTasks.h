// Morvane interactive tasks.
// The hand tool: "MoveViewTask" pans the view while the button is held, "MoveViewHistoryTask"
// repeats it while "repeatMoveView" is on and then gives control back to the interrupted tool.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "tasks/ITaskDefinition.h"

/// "MoveViewTask": a press, then every move pans the view ("ChangeViewCenter"), and the release
/// ends the task. The hand cursor (id 6) shows whatever lies under the pointer while it runs.
class CMoveViewTask : public ITaskDefinition
{
public:
    static constexpr int kHandCursor = 6;

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// The cursor scheme is emptied and the hand becomes the default cursor.
    void OnEnter(ITask *task) override;
    /// The cursor scheme is emptied (the arrow becomes the default) for the next tool to fill.
    void OnExit(ITask *task) override;
};

/// "MoveViewHistoryTask": runs "MoveViewTask" again after each use while "repeatMoveView" is
/// on, until "OnCancel"; then the caller goes back to the state the tool interrupted.
class CMoveViewHistoryTask : public ITaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
};
