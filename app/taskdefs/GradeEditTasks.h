// Morvane interactive tasks.
// The tools that change a pattern's grading by dragging: one grade point, or the points of a
// grade path.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "app/taskdefs/FocusTaskDefinition.h"

/// The part the two grading tools share: the focus search published while they run, their
/// snap mode kept and restored, and the message lines: the prompt on line 0 and, while a
/// point is dragged, the distance texts on lines 1 to 3.
class CGradeEditTask : public CFocusTaskDefinition
{
public:
    using CFocusTaskDefinition::CFocusTaskDefinition;

protected:
    /// The shape set attached and published, the selected pattern activated, the snap mode
    /// kept, then the focus types, snap mode 1 and "nContourSizeInfo" 2, and the rules
    /// installed. False without a mask document.
    bool EnterTool(ITask *task, std::initializer_list<int> focusTypes);
    /// The snap mode back and message lines 1 to 3 emptied.
    void LeaveTool(ITask *task);
    /// Line 0 the prompt (empty: none); lines 1 to 3 the distance texts of the last picked point
    /// (FocusPointTexts) when withDistances, else empty. The drag prompt 61215 names the point.
    void ShowTexts(ITask *task, uint32_t promptId, bool withDistances);

private:
    int m_nSavedSnapMode = 0;
};

/// "ModifyGradePointTask": a pattern point picked, then dragged more than 2 pixels, changes its
/// grading on every move ("UpdatePointGrading"); the release makes the drag one step of the main
/// task's undo list and starts the next pick. Runs until the main task ends it.
class CModifyGradePointTask : public CGradeEditTask
{
public:
    CModifyGradePointTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// Focus types 1 and 2, snap mode 1; the item list and "EditToolMode" are kept.
    void OnEnter(ITask *task) override;
    void OnExit(ITask *task) override;
    /// By the state's number: picking (1, 2) prompts 61214, dragging (3) prompts 61215 with
    /// the distances; other states empty the lines.
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;
};

/// "ModifyPathGradeTask": a grade path defined ("PathDefinitionTask"), its points in the size
/// being edited can be dragged ("UpdatePathGrading"), each drag one step of the main task's
/// undo list; a press on another size's path edits that size. The grading follows every move,
/// or only the release when the loaded grade model is a model file ("bUpdateSeq" 0). The
/// grade-path editor is active while it runs. Runs until the main task ends it.
class CModifyPathGradeTask : public CGradeEditTask
{
public:
    CModifyPathGradeTask();

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// "bUpdateSeq", focus type 1, snap mode 1, the editor active, "EditToolMode" 4.
    void OnEnter(ITask *task) override;
    /// The snap mode back, the editor inactive, "EditToolMode" 0, message lines 1 to 3 empty.
    void OnExit(ITask *task) override;
    /// By the state's number: "SelectPointToMove" (2) prompts 61214, "MovePointState" (3)
    /// prompts 61215 with the distances; other states empty the lines.
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;
};
