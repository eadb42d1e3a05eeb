// Morvane main window, view and interaction.
// A scrolling, zooming view of a world in millimetres (y upwards), drawn through CDrawHelper.
#pragma once

#include "app/ui/view/DrawHelper.h"

#include "foundation/DRect.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QAbstractScrollArea>

/// The zoom actions that commands can be bound to.
enum ZOOM_ACTION {
    ZA_ZOOM_IN = 0,
    ZA_ZOOM_OUT = 1,
    ZA_ZOOM_TO_EXTENT = 2,
    ZA_ZOOM_TO_EXTENT_WIDTH = 3,
    ZA_ZOOM_TO_EXTENT_HEIGHT = 4,
};

/// The base of the program's graphic views. It keeps a world rectangle in millimetres, an
/// extent (the data to zoom to), a zoom in pixels per millimetre (0.01 to 10, one step 1.25) and
/// margins in pixels; it scrolls over the world at the zoom, maps world points to the window and
/// back (world y grows upwards, window y downwards), paints through DrawContent with the world
/// drawing operations below, and turns every mouse event into a virtual call with the world
/// position.
///
/// Coordinates: logical pixels cover the scroll range, (0, 0) at the top-left margin corner of
/// the world's top-left; client pixels are logical pixels less the scroll position.
class CScrollViewEx : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit CScrollViewEx(QWidget *parent = nullptr);
    ~CScrollViewEx() override;

    /// Restores the zoom limits and step, empties the extent and the zoom commands, makes a new
    /// drawing helper and sets the world to (x, y)-(x + width, y + height) at zoom 1.
    void SetWorld(double x, double y, double width, double height, bool doubleBuffer);
    /// The extent: the rectangle spanned by the two points.
    void SetExtent(double x1, double y1, double x2, double y2);
    void SetMargins(int left, int top, int right, int bottom);
    /// Binds a command id to a zoom action; RunZoomCommand and UpdateZoomCommand answer it.
    void AddZoomCommand(ZOOM_ACTION action, uint32_t commandId);
    /// Runs the action bound to the command; false when none is.
    bool RunZoomCommand(uint32_t commandId);
    /// Whether the command's action can run now; false when no action is bound to it.
    bool UpdateZoomCommand(uint32_t commandId, bool &enable) const;
    /// Sets the stored zoom again once the world is set, for a view shown the first time.
    void OnInitialUpdate();

    /// Clamps the zoom into its limits (a NaN zoom is ignored), sets the scroll range over the
    /// world and the margins, repaints and calls OnZoomChanged.
    void SetZoom(double zoom);
    void SetZoomAndCenter(double zoom, double x, double y);
    /// Scrolls so that the world point lies at the centre of the window, as far as the scroll
    /// range allows.
    void CenterOn(double x, double y);
    /// The world point at the centre of the window.
    DPOINT GetClientCenterPoint() const;

    /// Fits rect into the window less the given pixels and the margins and centres it. A
    /// rectangle without width (or height) does not limit the zoom that way; one without both
    /// keeps the zoom and is only centred on.
    void ZoomToRect(const CDRect &rect, int left, int top, int right, int bottom);
    /// One zoom step in about the world point, which keeps its place in the window; the new
    /// centre stays inside the extent when there is one.
    void ZoomInAt(double x, double y);
    void ZoomIn();
    /// One zoom step out about the world point.
    void ZoomOutAt(double x, double y);
    void ZoomOut();
    void ZoomToExtent();
    void ZoomToExtentWidth();
    void ZoomToExtentHeight();
    void SetZoomOnExtent(double zoom);
    /// Repaints the world rectangle, grown by one pixel on every side.
    void InvalidateWorldRect(double x1, double y1, double x2, double y2, bool erase);
    void Invalidate(bool erase);
    /// Zoom in below the maximum, zoom out above the minimum, the extent actions with an extent.
    bool CanZoom(int action) const;
    double PixelsToWorld(int pixels) const;
    /// d x zoom, rounded half away from zero.
    int WorldToPixels(double distance) const;
    /// Sets the background; returns the one before.
    uint32_t SetBackgroundColor(uint32_t colour);
    /// A triangle with its tip at the world point, its base length pixels behind it along
    /// angle (radians) and width pixels wide.
    void DrawArrowHead(double x, double y, double angle, int length, int width, uint32_t colour,
                       bool filled);
    /// The world rectangle that the window shows.
    CDRect GetVisibleWorldRect() const;
    double GetZoom() const { return m_dZoom; }
    /// Where the left button last went down, in world coordinates.
    const DPOINT &GetButtonDownPosition() const { return m_oButtonDownPosition; }
    const CDRect &GetWorldRect() const { return m_oWorldRect; }
    const CDRect &GetExtentRect() const { return m_oExtentRect; }

    // Drawing in world coordinates, between the start and end of a paint.
    void DrawRect(double x1, double y1, double x2, double y2, uint32_t colour);
    void FillRect(double x1, double y1, double x2, double y2, uint32_t penColour,
                  uint32_t fillColour);
    void FillRectOneColor(double x1, double y1, double x2, double y2, uint32_t colour);
    void DrawLine(double x1, double y1, double x2, double y2, uint32_t colour);
    void DrawCircle(double x, double y, double radius, uint32_t colour);
    void DrawCircleNoColor(double x, double y, double radius);
    void FillCircle(double x, double y, double radius, uint32_t colour);
    void DrawTextFont(double x, double y, const std::string &text, uint32_t colour,
                      int pointSize, const std::string &faceName);
    void DrawText(double x, double y, const std::string &text, uint32_t colour);
    /// Angles in degrees, counter-clockwise from the world's x axis.
    void DrawArc(double x, double y, double radius, double startAngle, double sweepAngle,
                 uint32_t colour);
    /// The arc about the centre that starts at the point and sweeps the angle (degrees).
    void DrawArcThrough(double centreX, double centreY, double startX, double startY,
                        double sweepAngle, uint32_t colour);
    void DrawTextInRect(const CDRect &rect, const std::string &text, uint32_t colour);
    /// The area being painted, in world coordinates.
    CDRect GetClipWorldRect() const;
    void IntersectClip(const CDRect &rect);
    void FillPolygon(const DPOINT *points, int count, uint32_t colour);
    /// Consecutive points on the same pixel are drawn once; nothing is drawn unless two
    /// different pixels remain.
    void DrawPolyline(const DPOINT *points, int count, uint32_t colour);
    int GetPenStyle() const;
    void SetPenStyle(int style);

    // Markers of a fixed size in pixels, about the pixel of a world point.
    /// A filled square of 2 x half + 1 pixels.
    void FillSquareMarker(double x, double y, int half, uint32_t colour);
    /// The outline of a square of 2 x half + 1 pixels.
    void DrawSquareMarker(double x, double y, int half, uint32_t colour);
    /// A horizontal and a vertical line of 2 x half + 1 pixels.
    void DrawCrossMarker(double x, double y, int half, uint32_t colour);
    /// A circle of radius pixels.
    void DrawCircleMarker(double x, double y, int radius, uint32_t colour);

    QPoint WorldToLogical(double x, double y) const;
    DPOINT LogicalToWorld(QPoint logical) const;
    QPoint WorldToClient(double x, double y) const;
    DPOINT ClientToWorld(QPoint client) const;

protected:
    /// Draws the view's content; empty here.
    virtual void DrawContent();
    // The mouse calls get the mouse flags (MouseFlags.h) and the world position.
    virtual void OnLButtonDownD(uint32_t flags, double x, double y);
    virtual void OnLButtonUpD(uint32_t flags, double x, double y);
    virtual void OnLButtonDblClkD(uint32_t flags, double x, double y);
    virtual void OnMouseMoveD(uint32_t flags, double x, double y);
    virtual void OnRButtonDblClkD(uint32_t flags, double x, double y);
    virtual void OnRButtonDownD(uint32_t flags, double x, double y);
    virtual void OnRButtonUpD(uint32_t flags, double x, double y);
    /// True when the wheel turn was handled; otherwise the view scrolls. False here.
    virtual bool OnMouseWheelD(uint32_t flags, int delta, double x, double y);
    virtual void OnZoomChanged();

    CDrawHelper &DrawHelper() const { return *m_pDrawHelper; }

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    using MouseCall = void (CScrollViewEx::*)(uint32_t flags, double x, double y);

    /// Calls left or right for the event's button with the world position, after the mouse
    /// move to it when moveFirst.
    void CallButton(QMouseEvent *event, MouseCall left, MouseCall right, bool moveFirst);
    void ZoomAbout(double x, double y, double factor, bool keepInExtent);
    void UpdateScrollBars();
    QPoint ScrollPosition() const;
    /// Calls OnMouseMoveD first when the position differs from the last one.
    void MoveTo(uint32_t flags, const DPOINT &world);
    QRect LogicalRect(double x1, double y1, double x2, double y2) const;

    std::unique_ptr<CDrawHelper> m_pDrawHelper;
    CDRect m_oWorldRect;
    CDRect m_oExtentRect;
    double m_dZoom = 1.0;
    double m_dMinZoom = 0.01;
    double m_dMaxZoom = 10.0;
    double m_dZoomStep = 1.25;
    int m_nLeftMargin = 0;
    int m_nRightMargin = 0;
    int m_nTopMargin = 0;
    int m_nBottomMargin = 0;
    uint32_t m_nBackgroundColor = 0xFFFFFF;
    DPOINT m_oButtonDownPosition;
    std::vector<std::pair<ZOOM_ACTION, uint32_t>> m_aZoomCommands;
    int m_nLogicalOriginX = 0;
    int m_nLogicalOriginY = 0;
    /// The scroll range: the world at the zoom plus the margins.
    int m_nHorizontalRange = 0;
    int m_nVerticalRange = 0;
    DPOINT m_oLastMousePosition;
    /// The pixels of the polyline being drawn, kept to spare an allocation per line.
    std::vector<QPoint> m_aPolylinePixels;
};
