// Morvane program documents.
// The main view as the tasks and commands that get its mouse records see it.
#pragma once

/// The view that sent a mouse record (VIEW_MOUSE_PARAM::view).
class IMorvaneView
{
public:
    virtual ~IMorvaneView() = default;

    /// A length of pixels on the screen, in millimetres at the view's zoom.
    virtual double PixelsToWorld(int pixels) const = 0;
};
