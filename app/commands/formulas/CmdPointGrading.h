// Morvane editing commands.
// "EditPointRules" and "UpdatePointGrading": a grade point's rule set in one size, or dragged.
#pragma once

#include "app/commands/DocCommand.h"
#include "app/documents/EventRecords.h"
#include "foundation/DPoint.h"

#include <memory>
#include <vector>

class CBasePoint;

/// "EditPointRules": the grade rule of the PointRuleEdit's point in its size takes the value
/// typed into the point-rule grid, and the grading is shown. False, nothing changed, for a
/// value within 0.001 of the rule's. Undo and redo set the old and the new value.
class CCmdEditPointRules : public CDocCommand
{
public:
    CCmdEditPointRules();

    std::unique_ptr<ICommand> Clone() const override;
    void OnCreate() override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void setRule(DPOINT value);

    PointRuleEdit m_oEdit;
    DPOINT m_oOldValue;
};

/// "UpdatePointGrading": the focused grade point moves to the pointer of the view's mouse record
/// (VIEW_MOUSE_PARAM) in the size it was found in. While the task variable "bModifyAllSizes"
/// is set, the other sizes of that table follow at equal steps per size on the line from the
/// point's base position through the new one; the table's base size keeps its rule, and a drag
/// in the base size itself changes that one rule. False, nothing changed, when the focus is no
/// grade point of an input pattern or was found in no size of the table set. Undo and redo swap
/// every changed rule.
class CCmdUpdatePointGrading : public CDocCommand
{
public:
    CCmdUpdatePointGrading();

    std::unique_ptr<ICommand> Clone() const override;
    void OnCreate() override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;

private:
    /// A size the command changed, with the position it held before.
    struct SizeChange
    {
        int size;
        DPOINT position;
    };

    void setPosition(int size, DPOINT position);
    void swapPositions();

    CBasePoint *m_pPoint = nullptr;
    int m_nTable = -1;
    std::vector<SizeChange> m_aChanges;
};
