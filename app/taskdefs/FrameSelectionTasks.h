// Morvane interactive tasks.
// "RectangleFrameTask" and "MultiSelectionTask": the frame dragged in free space, and one click
// with Ctrl or Shift held that adds to the selection or takes out of it.
#pragma once

#include "app/taskdefs/ChartDeclaration.h"
#include "tasks/ITaskDefinition.h"

/// "RectangleFrameTask": the document's frame follows the pointer while the button is held. It
/// ends in "Exit" when the button is released (the frame stays for the caller to read), or in
/// "ExitNullRect" when the pointer comes back within 3 pixels of where the button went down.
/// The document shows the frame while the task runs.
class CRectangleFrameTask : public ITaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
    /// The document shows its frame.
    void OnEnter(ITask *task) override;
    /// The document hides its frame, however the task ends.
    void OnExit(ITask *task) override;
};

/// "MultiSelectionTask": the press adds the focused object to the selection
/// ("AddFocusToSelection"), or takes it out ("RemoveFocusFromSelection") when it is part of the
/// active object ("bIsActiveFocused"); the release ends the task.
class CMultiSelectionTask : public ITaskDefinition
{
public:
    static const morvane::ChartDeclaration &Chart();

    void Define(ITask *task) override;
};
