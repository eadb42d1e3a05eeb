// Morvane interactive tasks.
// The drags of a grade mask's selection: moving it, turning it about the rotation pivot, and
// moving the pivot.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "app/taskdefs/FocusTaskDefinition.h"

/// The base of the drags: their focus search over patterns, lines and points (the mask's
/// patterns too while mask patterns are edited). Entering publishes the search, makes the
/// focus types 0, 2, 3 and 1 and marks the active object as dragged; leaving unmarks it.
/// Without an active mask document the hooks do nothing.
class CDragTaskDefinition : public CFocusTaskDefinition
{
public:
    CDragTaskDefinition();

    void OnEnter(ITask *task) override;
    void OnExit(ITask *task) override;
    /// No prompts.
    void OnStateEnter(ITask *, const std::string &, int) override {}

protected:
    /// The rules of the move and turn drags: lines, points and grade points within 3 pixels
    /// (100 under the snap mode that takes them), of the input patterns, and of the mask's
    /// patterns too while mask patterns are edited.
    void AddFocusRules(CFocusFilterList &rules) override;
    /// Marks the active object as dragged, or not; nothing without one.
    static void SetActiveDragged(ITask *task, bool dragged);

private:
    bool m_bEditsMaskPatterns = false;
};

/// "MoveSelectionTask": each mouse move moves the selection by the pointer's travel
/// ("MoveSelectedItems"); the release ends the drag, snapping the dragged point onto the focus
/// first when a snap mode is on ("MovePatternToFocusPoint"). The drag is one step of the main
/// task's history. Unless the tool repeats, "bAutoMove" is 0 after it.
class CMoveSelectionTask : public CDragTaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    void OnExit(ITask *task) override;
};

/// "RotateSelectionTask": each mouse move turns the selection about the rotation pivot
/// ("RotateSelectedItems"); the release ends it. One step of the main task's history;
/// "bAutoRotate" is 0 after it.
class CRotateSelectionTask : public CDragTaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    void OnExit(ITask *task) override;
};

/// "MovePivotPointTask": each mouse move searches the focus and moves the rotation pivot onto
/// it ("MovePatternPivotPoint"), however far the candidate lies under a snap mode; the release
/// ends it. It neither captures the mouse nor hands its steps to the main task.
class CMovePivotPointTask : public CDragTaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;

protected:
    void AddFocusRules(CFocusFilterList &rules) override;
};

/// "MovePatternTask": drags the active pattern: it moves once on start and on each mouse move
/// ("MovePattern", then "FindFocusObject"); the release ends it, snapping onto the focus first
/// when a snap mode is on. Prompts 43047 while dragging and 43048 while snapping. Unless the
/// tool repeats, "bAutoMove" is 0 after it. No chart starts it.
class CMovePatternTask : public CDragTaskDefinition
{
public:
    CMovePatternTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    void OnExit(ITask *task) override;
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;
};

/// "MoveCenterTask": the mask centre follows the pointer while the button is held
/// ("MoveMaskCenter" on each move), the mouse captured; the release ends it, handing the drag
/// to the main task as one step. Prompt 43033 while dragging.
class CMoveCenterTask : public ITaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// Empties message line 0.
    void OnExit(ITask *task) override;
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;
};
