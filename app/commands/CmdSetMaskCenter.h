// Morvane editing commands.
// Setting and dragging the centre of the active grade mask, with undo.
#pragma once

#include "app/commands/DocCommand.h"
#include "foundation/DPoint.h"

#include <memory>

/// "SetMaskCenter": the active mask's centre becomes the point given as the data (a DPOINT);
/// the centre it had is kept, and undo and redo swap the two. True also when the centre does
/// not change; false without data or mask.
class CCmdSetMaskCenter : public CDocCommand
{
public:
    CCmdSetMaskCenter();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;

private:
    DPOINT m_oSaved;
};

/// "MoveMaskCenter": the centre follows the pointer of the view's mouse record given as the
/// data (a VIEW_MOUSE_PARAM), as "SetMaskCenter" sets it. It does not repeat, so that a drag of
/// the centre keeps its first and latest step.
class CCmdMoveMaskCenter : public CCmdSetMaskCenter
{
public:
    CCmdMoveMaskCenter();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};
