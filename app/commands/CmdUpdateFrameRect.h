// Morvane editing commands.
// The frame dragged in free space: kept up to date, then what lies inside selected or tied.
#pragma once

#include "app/commands/DocCommand.h"

/// "InitializeFrameRect" and "UpdateFrameRect" (data: the view's mouse record): the document's
/// frame rectangle becomes the rectangle spanned by where the button went down and the
/// pointer. Not recorded in the history.
class CCmdUpdateFrameRect : public CDocCommand
{
public:
    /// "UpdateFrameRect".
    CCmdUpdateFrameRect();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a mouse record or document; true otherwise.
    bool OnExecute(void *data) override;

protected:
    explicit CCmdUpdateFrameRect(const char *name);
};

/// "InitializeFrameRect": the same as "UpdateFrameRect", at the start of a frame.
class CCmdInitializeFrameRect : public CCmdUpdateFrameRect
{
public:
    CCmdInitializeFrameRect();

    std::unique_ptr<ICommand> Clone() const override;
};

/// "UpdateSelectionFromFrameRect" (data: the view's mouse record that ended the frame): the
/// shown patterns (placed input patterns only), the shown regions and the mask centre that lie
/// wholly inside the frame (left and bottom edges inside, right and top outside) join the
/// selection through "AddToSelection"; what is selected already is left out. The centre counts
/// as a square of 5 pixels of the record's view about it. Not recorded in the history.
class CCmdUpdateSelectionFromFrameRect : public CDocCommand
{
public:
    CCmdUpdateSelectionFromFrameRect();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a valid frame or when nothing new lies in it; else what "AddToSelection"
    /// answers.
    bool OnExecute(void *data) override;
};

/// "UpdateRectFocusPoints": the active grade point's mask point is tied to the input points
/// that the mask offers for it inside the frame. Not recorded in the history.
class CCmdUpdateRectFocusPoints : public CDocCommand
{
public:
    CCmdUpdateRectFocusPoints();

    std::unique_ptr<ICommand> Clone() const override;
    /// False, changing nothing, without an active grade point of the mask or a valid frame;
    /// true otherwise.
    bool OnExecute(void *data) override;
};
