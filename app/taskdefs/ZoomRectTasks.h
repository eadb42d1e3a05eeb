// Morvane interactive tasks.
// The zoom tool: "ZoomRectTask" zooms one step in or out at a click or fits a dragged frame into
// the view; "ZoomToRectHistoryTask" repeats it while "repeatZoomRectangle" is on and then gives
// control back to the interrupted tool.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "tasks/ITaskDefinition.h"

/// "ZoomRectTask": it starts zooming out when Ctrl is held, else in; Ctrl switches between the
/// two only while no button is held. A click zooms one step ("ZoomIn", "ZoomOut"); in zoom-in a
/// drag of more than 3 pixels draws a frame ("RectangleFrameTask", the mouse captured) that then
/// fills the view ("ZoomToRect"), and a frame brought back within 3 pixels is a click again.
/// The cursor shows the mode: id 7 zooming in or framing, 8 zooming out, whatever lies under
/// the pointer.
class CZoomRectTask : public ITaskDefinition
{
public:
    static constexpr int kZoomInCursor = 7;
    static constexpr int kZoomOutCursor = 8;

    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// The cursor scheme is emptied, so that only the default cursor counts.
    void OnEnter(ITask *task) override;
    /// The default cursor of the state entered (states are named exactly).
    void OnStateEnter(ITask *task, const std::string &stateName, int index) override;
};

/// "ZoomToRectHistoryTask": runs "ZoomRectTask" again after each step while
/// "repeatZoomRectangle" is on, until "OnCancel"; then the caller goes back to the state the
/// tool interrupted, and the standard cursor scheme is back.
class CZoomToRectHistoryTask : public ITaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// The cursor scheme takes its standard entries again.
    void OnExit(ITask *task) override;
};
