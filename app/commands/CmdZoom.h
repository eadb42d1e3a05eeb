// Morvane editing commands.
// "ZoomIn", "ZoomOut" and "ZoomToRect": the scale of the view that sent the mouse event.
#pragma once

#include "app/commands/DocCommand.h"

/// "ZoomIn": one zoom step in about the position of the view's mouse record (the data, a
/// VIEW_MOUSE_PARAM*). Not recorded in the history.
class CCmdZoomIn : public CDocCommand
{
public:
    CCmdZoomIn();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a record or its view; true otherwise.
    bool OnExecute(void *data) override;
};

/// "ZoomOut": one zoom step out, as "ZoomIn".
class CCmdZoomOut : public CDocCommand
{
public:
    CCmdZoomOut();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};

/// "ZoomToRect": the view of the mouse record fits the document's frame rectangle. Not recorded
/// in the history.
class CCmdZoomToRect : public CDocCommand
{
public:
    CCmdZoomToRect();

    std::unique_ptr<ICommand> Clone() const override;
    /// False, leaving the view as it is, without a valid frame rectangle (or a view).
    bool OnExecute(void *data) override;
};
