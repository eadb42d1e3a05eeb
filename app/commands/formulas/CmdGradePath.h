// Morvane editing commands.
// "AddPointPath", "UpdatePointPath" and "UpdatePathGrading": the grade path of the path tools
// made a path formula, followed by the pointer, and dragged in one size.
#pragma once

#include "app/commands/formulas/CmdAddFormula.h"
#include "foundation/DPoint.h"

#include <memory>
#include <vector>

class CBasePoint;

/// "AddPointPath": a path formula of the grade-path editor's pattern, from its start to its end
/// point the way the editor runs, named "m" and a number no formula of the mask has, appended
/// as "AddFormula" does. False, nothing added, without a path on a mask pattern.
class CCmdAddPointPath : public CCmdAddFormula
{
public:
    CCmdAddPointPath();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};

/// "UpdatePointPath": the grade-path editor runs its path on to the focused point of a pattern,
/// so that the path follows the pointer. True in every case; not recorded.
class CCmdUpdatePointPath : public CDocCommand
{
public:
    CCmdUpdatePointPath();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};

/// "UpdatePathGrading": the focused point of the grade-path editor's path moves to the pointer
/// of the view's mouse record (VIEW_MOUSE_PARAM) in the size it was found in, and the path's
/// other points share the move in that size (ApplyPathGrading); the ends of the path stay, so
/// a drag of an end point changes nothing. Undo and redo swap the path points' positions in
/// that size. False, nothing recorded, when the focus is no grade point or was found in no size
/// (the base size).
class CCmdUpdatePathGrading : public CDocCommand
{
public:
    CCmdUpdatePathGrading();

    std::unique_ptr<ICommand> Clone() const override;
    void OnCreate() override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;

private:
    void swapPositions();

    std::vector<CBasePoint *> m_aPoints;
    std::vector<DPOINT> m_aPositions;
    int m_nTable = -1;
    int m_nSize = -1;
};
