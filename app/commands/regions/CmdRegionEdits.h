// Morvane editing commands.
// Dragging one edge of the active region, turning it after the pointer, and deleting a region.
#pragma once

#include "app/commands/DocCommand.h"
#include "app/commands/MaskHistoryCommand.h"
#include "foundation/DPoint.h"

#include <memory>

class IRegion;

/// "MoveRegion": drags the edge of the active region that the active focus object's nested
/// object names (5 the right side, 6 the left side, 7 the top) to the pointer of the view's
/// mouse record (MouseEventFields). The edge's offset is the pointer's distance along the edge's
/// outward axis, never past the position (0 there). False, and no entry, for another nested
/// kind or a change of 0.001 or less. Undo and redo swap the edge's two values.
class CCmdMoveRegion : public CDocCommand
{
public:
    CCmdMoveRegion();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;
    using CBaseCommand::IsEnabled;
    /// Always true.
    bool IsEnabled(void *) override { return true; }

    /// The offset of the edge of the kind for the pointer; false for another kind.
    static bool EdgeValue(const IRegion &region, int edgeKind, DPOINT pointer, double &value);

private:
    bool SwapEdge();

    IRegion *m_pRegion = nullptr;
    int m_nEdgeKind = 0;
    double m_dKept = 0.0;
};

/// "RotateRegion": turns the active region about its position so that the pointer of the view's
/// mouse record lies at the task's "dRotStartRad" from its direction. Undo and redo swap the
/// two directions.
class CCmdRotateRegion : public CDocCommand
{
public:
    CCmdRotateRegion();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;
    using CBaseCommand::IsEnabled;
    /// Always true.
    bool IsEnabled(void *) override { return true; }

private:
    void SwapDirection();

    IRegion *m_pRegion = nullptr;
    double m_dKept = 0.0;
};

/// "DeleteRegion": removes the region given (an IRegion) from the active mask with its formulas,
/// one group of the mask's history. False, changing nothing, for a region the mask does not
/// hold.
class CCmdDeleteRegion : public CMaskHistoryCommand
{
public:
    CCmdDeleteRegion();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Always true (with an active mask).
    bool IsEnabled(void *) override { return true; }
};
