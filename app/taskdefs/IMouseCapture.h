// Morvane interactive tasks.
// What lets go of the mouse for the tools: the program's view, a recorder in tests.
#pragma once

/// The view captures the mouse when the document asks it (notification 1); this lets it go.
class IMouseCapture
{
public:
    virtual ~IMouseCapture() = default;
    /// Releases the mouse capture when a window holds it; nothing otherwise.
    virtual void ReleaseCapture() = 0;
};
