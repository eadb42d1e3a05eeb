// Morvane program documents.
// The main view as the tasks and commands that get its mouse records see it.
#pragma once

#include "foundation/DPoint.h"

struct CDRect;

/// The view that sent a mouse record (VIEW_MOUSE_PARAM::view).
class IMorvaneView
{
public:
    virtual ~IMorvaneView() = default;

    /// A length of pixels on the screen, in millimetres at the view's zoom.
    virtual double PixelsToWorld(int pixels) const = 0;
    /// One zoom step in (out) about the world point (x, y), which keeps its place on the screen;
    /// the zoom stays within its limits.
    virtual void ZoomInAt(double x, double y) = 0;
    virtual void ZoomOutAt(double x, double y) = 0;
    /// Fits the rectangle of the world into the window, with margins in pixels.
    virtual void ZoomToRect(const CDRect &rect, int left, int top, int right, int bottom) = 0;
    /// The world point at the centre of the window.
    virtual DPOINT GetClientCenterPoint() const = 0;
    /// Scrolls so that the world point lies at the centre of the window, as far as the view
    /// can scroll.
    virtual void CenterOn(double x, double y) = 0;
    /// Repaints the whole window.
    virtual void InvalidateView() = 0;
};
