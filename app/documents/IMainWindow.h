// Morvane program documents.
// The program's main window as the documents use it, without knowing any window.
#pragma once

/// What the main window does for the documents. Batch runs and tests run without one.
class IMainWindow
{
public:
    virtual ~IMainWindow() = default;

    /// Shows the wait cursor until the matching EndWaitCursor; calls nest.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};
