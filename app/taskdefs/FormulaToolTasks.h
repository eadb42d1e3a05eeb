// Morvane interactive tasks.
// The tools that add formulas from points picked on a pattern: darts, lapels, grade paths, and
// the path definition they nest.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "app/taskdefs/FocusTaskDefinition.h"
#include "tasks/ITaskDefinition.h"

/// "PathDefinitionTask": a pattern point picked ("SelectPatternPointTask") starts the grade
/// path, which follows the pointer ("UpdatePointPath") until a press on a point ends it. Both
/// points are left in the mask document's item list. It searches with the rules of the tool
/// around it; clicks on free space are ignored.
class CPathDefinitionTask : public ITaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// The mask document's focus types are emptied.
    void OnExit(ITask *task) override;
    /// Message line 0: the prompt of "EndPolyPointPath" (43044), of the point picker's
    /// "OverPolyPoint" and "OverOtherPiece" (43043, 43045), empty in other states.
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;
};

/// "AddDartsFormulaTask": three points of a pattern (a first leg end, the apex, the other leg
/// end) make a dart formula ("AddDartFormula"), recorded as one step of the main task's undo
/// list. Starts only in edit mode on a mask with patterns.
class CAddDartsFormulaTask : public CFocusTaskDefinition
{
public:
    CAddDartsFormulaTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    bool CanStart(ITask *task) override;
};

/// "AddLapelFormulaTask": six points of a pattern make a lapel formula ("AddLapelFormula"),
/// recorded as one step of the main task's undo list; the prompt names the point to pick next.
/// Starts only in edit mode on a mask with patterns.
class CAddLapelFormulaTask : public CFocusTaskDefinition
{
public:
    CAddLapelFormulaTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    bool CanStart(ITask *task) override;

protected:
    /// String 61209 with the number of the point to pick.
    std::string GetPromptText(ITask *task, const std::string &stateName, int index) override;
};

/// "AddPathTask": the grade path defined by "PathDefinitionTask" becomes a path formula
/// ("AddPointPath"), recorded as one step of the main task's undo list. The grade-path editor
/// is active, with an empty path at the start and the end, exactly while it runs; the item
/// list is kept. Starts only in edit mode on a mask with patterns.
class CAddPathTask : public CFocusTaskDefinition
{
public:
    CAddPathTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    bool CanStart(ITask *task) override;
    /// Snap mode 1 and focus type 1; the rules take "nContourSizeInfo" as their point relation,
    /// which then becomes 0; the editor active; "EditToolMode" 3.
    void OnEnter(ITask *task) override;
    /// The snap mode back, the editor inactive, "EditToolMode" 0.
    void OnExit(ITask *task) override;

protected:
    void AddFocusRules(CFocusFilterList &rules) override;

private:
    int m_nSavedSnapMode = 0;
    int m_nPointRelation = 0;
};
