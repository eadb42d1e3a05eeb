// Morvane interactive tasks.
// The line tools: drawing a two-point line, copying picked lines into a pattern, building a
// contour from a pattern's lines, and the two line-picking steps they nest.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "app/taskdefs/FocusTaskDefinition.h"
#include "tasks/ITaskDefinition.h"

/// "AddTwoPointsPolylineTask": unless a pattern is active, a click on a line picks its pattern;
/// then two clicks pick the ends, and the tool ends drawing the line ("AddTwoPointsPolyline")
/// as one undo step of the main task. A change of the snap mode keeps the first pick. Starts
/// only in edit mode with patterns on the mask; a multiple selection gives way to its first
/// pattern, and an input pattern or a remaining selection is let go.
class CAddTwoPointsPolylineTask : public CFocusTaskDefinition
{
public:
    CAddTwoPointsPolylineTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    void OnEnter(ITask *task) override;
    bool CanStart(ITask *task) override;
};

/// "CopyPolylineTask": unless a pattern is active, a click on a line picks the pattern that
/// receives the copies; then "SelectPolylinesTask" picks lines of the other patterns, and
/// "OnCopyPolylinesFinished" copies them ("CopyFocusPolyline") as one undo step of the main
/// task. The snap mode is 1 while it runs; the picked lines are forgotten when it ends.
class CCopyPolylineTask : public CFocusTaskDefinition
{
public:
    CCopyPolylineTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    void OnEnter(ITask *task) override;
    void OnExit(ITask *task) override;
};

/// "CreateContourTask": a click on a line picks its pattern (the active object is let go
/// first); "SelectContourPolylinesTask" then builds the contour, which its end hands to the
/// pattern ("AddFocusPolylineToContour") as one undo step of the main task. A cancel during
/// the picking drops the unfinished contour. The snap mode is 1 while it runs.
class CCreateContourTask : public CFocusTaskDefinition
{
public:
    CCreateContourTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    void OnEnter(ITask *task) override;
    /// The base's leave, then a contour the pattern does not hold leaves the active object.
    void OnExit(ITask *task) override;
};

/// "SelectContourPolylinesTask": each click on a line adds it, and the lines that go on from it
/// unambiguously, to the contour under construction ("AddContourFocusPolyline"); the task ends
/// when the contour closes or on "OnContourFinished". "Undo" and "Redo" step through its clicks
/// until it ends. On entry the active pattern gets a new, unfinished contour.
class CSelectContourPolylinesTask : public ITaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    void OnEnter(ITask *task) override;
};

/// "SelectPolylinesTask": each click on a line adds it to the mask document's picked lines
/// ("AddFocusPolyline"); "Forward" picks the line that goes on from the last one while
/// "bCanSelectNextLine" says there is one. "Undo" and "Redo" step through the picks. It never
/// ends by itself. Message line 0 asks for lines while it waits.
class CSelectPolylinesTask : public ITaskDefinition
{
public:
    /// The prompt while lines are picked.
    static constexpr uint32_t kPickLinesPrompt = 61485;

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    void OnEnter(ITask *task) override;
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;
};
