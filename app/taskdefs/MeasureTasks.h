// Morvane interactive tasks.
// The measuring tool: "MeasureTask" runs the distance or the line-length measurement that the
// main task's "nMeasureMode" chooses, one after another.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "app/taskdefs/FocusTaskDefinition.h"
#include "tasks/ITaskDefinition.h"

/// "MeasureTask": starts "MeasureDistanceTask" ("nMeasureMode" 1) or "MeasureLineLength" (2),
/// and starts the same measurement again each time one ends. It runs until the main task
/// cancels or restarts it; then the snap mode it found comes back and the measure line goes.
class CMeasureTask : public ITaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// Keeps the snap mode; the focus types become 0, 1, 2 and 3.
    void OnEnter(ITask *task) override;
    /// "nSnapMode" back to the kept mode, no focus types, the measure line inactive, and the
    /// views told (notification 0).
    void OnExit(ITask *task) override;

private:
    int m_nSavedSnapMode = 0;
};

/// "MeasureDistanceTask": the distance between the point where the button goes down and where
/// it is released: "InitMeasureObject" at the press, "UpdateMeasure" at each move while the
/// button is held, the end at the release. A change of the snap mode ("SetPointFilter") keeps
/// the state. Its focus search takes lines, points and grade points of every pattern.
class CMeasureDistanceTask : public CFocusTaskDefinition
{
public:
    CMeasureDistanceTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// The focus search published and filled; focus types 0, 3 and 1, and 2 when the search
    /// holds a pattern's point; otherwise snap mode 2 (pattern points) becomes 0.
    void OnEnter(ITask *task) override;
    /// Leaves the modes as they are.
    void OnExit(ITask *task) override;
    /// The standard cursor scheme, in every state.
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;
};

/// "MeasureLineLength": the line under the pointer is looked up at each move ("FindFocusLine");
/// a press on a pattern's line makes it active ("SetActiveObject") and measures it
/// ("UpdateMeasure"); the release ends the task. Its focus search takes the lines of every
/// pattern.
class CMeasureLineLength : public CFocusTaskDefinition
{
public:
    CMeasureLineLength();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// The focus search published and filled; nothing else changes.
    void OnEnter(ITask *task) override;
    /// Leaves the modes as they are.
    void OnExit(ITask *task) override;
};
