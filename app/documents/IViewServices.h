// Morvane program documents.
// What tasks and commands may ask of the main view, reached through the document.
#pragma once

/// The main view's services for the tasks and commands that cannot reach a window themselves.
class IViewServices
{
public:
    virtual ~IViewServices() = default;

    /// Ends the capture of the mouse that the document's change 1 began; nothing when the view
    /// does not hold it.
    virtual void ReleaseCapture() = 0;
};
