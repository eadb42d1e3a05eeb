// Morvane program documents.
// The program's main window as the documents use it, without knowing any window.
#pragma once

#include <string>

/// What the main window does for the documents. Batch runs and tests run without one.
class IMainWindow
{
public:
    virtual ~IMainWindow() = default;

    /// Shows the wait cursor until the matching EndWaitCursor; calls nest.
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;

    /// A client's run starts: the window shows itself, gives itself its initial update and
    /// connects itself to the document.
    virtual void ShowForClient() = 0;
    /// The window's start routine: mode is the launch mode (0 for a client's run), startPath
    /// what the command line names (empty for a client's run). In a client's run it adds the
    /// start operation to the document's batch and runs it.
    virtual void InitSession(int mode, const std::string &startPath) = 0;
    /// Asks the window to close, as if the user closed it, once the current call has returned.
    /// Closes asked for again before the window closed close it once (a batch that fails after
    /// its close operation asks twice). Closing a client's run runs the batch's close operations,
    /// hides the window and tells the client (CMorvaneDoc::ReleaseClient).
    virtual void PostClose() = 0;
};
