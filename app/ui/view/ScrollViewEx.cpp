// Morvane main window, view and interaction.
// A scrolling, zooming view of a world in millimetres (y upwards), drawn through CDrawHelper.
#include "app/ui/view/ScrollViewEx.h"

#include "app/ui/view/MouseFlags.h"

#include "app/extras/NumberFormat.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kMinZoom = 0.01;
constexpr double kMaxZoom = 10.0;
constexpr double kZoomStep = 1.25;

/// A fit of length pixels over size world units; 0 when size gives no limit.
double fitZoom(int pixels, double size)
{
    return size > 0.0 ? pixels / size : 0.0;
}

} // namespace

CScrollViewEx::CScrollViewEx(QWidget *parent)
    : QAbstractScrollArea(parent), m_pDrawHelper(std::make_unique<CDrawHelper>(false))
{
    viewport()->setMouseTracking(true);
}

CScrollViewEx::~CScrollViewEx() = default;

void CScrollViewEx::SetWorld(double x, double y, double width, double height, bool doubleBuffer)
{
    m_dZoom = 1.0;
    m_dMinZoom = kMinZoom;
    m_dMaxZoom = kMaxZoom;
    m_dZoomStep = kZoomStep;
    m_pDrawHelper = std::make_unique<CDrawHelper>(doubleBuffer);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent, doubleBuffer);
    m_oExtentRect.SetEmpty();
    m_aZoomCommands.clear();
    m_oWorldRect.Set(x, y, x + width, y + height);
    SetZoom(1.0);
}

void CScrollViewEx::SetExtent(double x1, double y1, double x2, double y2)
{
    m_oExtentRect.Set(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

void CScrollViewEx::SetMargins(int left, int top, int right, int bottom)
{
    m_nLeftMargin = left;
    m_nTopMargin = top;
    m_nRightMargin = right;
    m_nBottomMargin = bottom;
    SetZoom(m_dZoom);
}

void CScrollViewEx::AddZoomCommand(ZOOM_ACTION action, uint32_t commandId)
{
    m_aZoomCommands.emplace_back(action, commandId);
}

bool CScrollViewEx::RunZoomCommand(uint32_t commandId)
{
    for (const auto &[action, id] : m_aZoomCommands) {
        if (id != commandId)
            continue;
        switch (action) {
        case ZA_ZOOM_IN:
            ZoomIn();
            return true;
        case ZA_ZOOM_OUT:
            ZoomOut();
            return true;
        case ZA_ZOOM_TO_EXTENT:
            ZoomToExtent();
            return true;
        case ZA_ZOOM_TO_EXTENT_WIDTH:
            ZoomToExtentWidth();
            return true;
        case ZA_ZOOM_TO_EXTENT_HEIGHT:
            ZoomToExtentHeight();
            return true;
        }
    }
    return false;
}

bool CScrollViewEx::UpdateZoomCommand(uint32_t commandId, bool &enable) const
{
    for (const auto &[action, id] : m_aZoomCommands) {
        if (id == commandId) {
            enable = CanZoom(action);
            return true;
        }
    }
    return false;
}

void CScrollViewEx::OnInitialUpdate()
{
    if (m_oWorldRect.IsValid())
        SetZoom(m_dZoom);
}

void CScrollViewEx::SetZoom(double zoom)
{
    if (std::isnan(zoom))
        return;
    m_dZoom = std::clamp(zoom, m_dMinZoom, m_dMaxZoom);
    const bool world = m_oWorldRect.IsValid();
    m_nHorizontalRange = (world ? RoundToInt(m_oWorldRect.GetWidth() * m_dZoom) : 0) +
                         m_nLeftMargin + m_nRightMargin;
    m_nVerticalRange = (world ? RoundToInt(m_oWorldRect.GetHeight() * m_dZoom) : 0) +
                       m_nTopMargin + m_nBottomMargin;
    m_nLogicalOriginX = RoundToInt(m_oWorldRect.GetMinX() * m_dZoom) - m_nLeftMargin;
    m_nLogicalOriginY = RoundToInt(m_oWorldRect.GetMinY() * m_dZoom) - m_nBottomMargin;
    UpdateScrollBars();
    Invalidate(false);
    OnZoomChanged();
}

void CScrollViewEx::UpdateScrollBars()
{
    const QSize client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, m_nHorizontalRange - client.width()));
    horizontalScrollBar()->setPageStep(client.width());
    verticalScrollBar()->setRange(0, std::max(0, m_nVerticalRange - client.height()));
    verticalScrollBar()->setPageStep(client.height());
}

void CScrollViewEx::SetZoomAndCenter(double zoom, double x, double y)
{
    SetZoom(zoom);
    CenterOn(x, y);
}

void CScrollViewEx::CenterOn(double x, double y)
{
    const QPoint logical = WorldToLogical(x, y);
    const QSize client = viewport()->size();
    if (client.width() < m_nHorizontalRange)
        horizontalScrollBar()->setValue(std::max(0, logical.x() - client.width() / 2));
    if (client.height() < m_nVerticalRange)
        verticalScrollBar()->setValue(std::max(0, logical.y() - client.height() / 2));
}

DPOINT CScrollViewEx::GetClientCenterPoint() const
{
    const QSize client = viewport()->size();
    return ClientToWorld(QPoint(client.width() / 2, client.height() / 2));
}

void CScrollViewEx::ZoomToRect(const CDRect &rect, int left, int top, int right, int bottom)
{
    const QSize client = viewport()->size();
    const double byWidth = fitZoom(client.width() - left - right - m_nLeftMargin - m_nRightMargin,
                                   rect.GetWidth());
    const double byHeight = fitZoom(
        client.height() - top - bottom - m_nTopMargin - m_nBottomMargin, rect.GetHeight());
    double zoom = m_dZoom;
    if (byWidth > 0.0 && byHeight > 0.0)
        zoom = std::min(byWidth, byHeight);
    else if (byWidth > 0.0 || byHeight > 0.0)
        zoom = std::max(byWidth, byHeight);
    const DPOINT centre = rect.GetCenter();
    SetZoomAndCenter(zoom, centre.x, centre.y);
}

void CScrollViewEx::ZoomAbout(double x, double y, double factor, bool keepInExtent)
{
    const DPOINT centre = GetClientCenterPoint();
    const double oldZoom = m_dZoom;
    SetZoom(m_dZoom * factor);
    const double ratio = oldZoom / m_dZoom;
    double newX = (centre.x - x) * ratio + x;
    double newY = (centre.y - y) * ratio + y;
    if (keepInExtent && m_oExtentRect.IsValid()) {
        newX = std::clamp(newX, m_oExtentRect.GetMinX(), m_oExtentRect.GetMaxX());
        newY = std::clamp(newY, m_oExtentRect.GetMinY(), m_oExtentRect.GetMaxY());
    }
    CenterOn(newX, newY);
}

void CScrollViewEx::ZoomInAt(double x, double y)
{
    ZoomAbout(x, y, m_dZoomStep, true);
}

void CScrollViewEx::ZoomIn()
{
    const DPOINT centre = GetClientCenterPoint();
    ZoomInAt(centre.x, centre.y);
}

void CScrollViewEx::ZoomOutAt(double x, double y)
{
    ZoomAbout(x, y, 1.0 / m_dZoomStep, false);
}

void CScrollViewEx::ZoomOut()
{
    const DPOINT centre = GetClientCenterPoint();
    ZoomOutAt(centre.x, centre.y);
}

void CScrollViewEx::ZoomToExtent()
{
    ZoomToRect(m_oExtentRect, 0, 0, 0, 0);
}

void CScrollViewEx::ZoomToExtentWidth()
{
    const double zoom = fitZoom(viewport()->width() - m_nLeftMargin - m_nRightMargin,
                                m_oExtentRect.GetWidth());
    SetZoomOnExtent(zoom > 0.0 ? zoom : m_dZoom);
}

void CScrollViewEx::ZoomToExtentHeight()
{
    const double zoom = fitZoom(viewport()->height() - m_nTopMargin - m_nBottomMargin,
                                m_oExtentRect.GetHeight());
    SetZoomOnExtent(zoom > 0.0 ? zoom : m_dZoom);
}

void CScrollViewEx::SetZoomOnExtent(double zoom)
{
    const DPOINT centre = m_oExtentRect.GetCenter();
    SetZoomAndCenter(zoom, centre.x, centre.y);
}

void CScrollViewEx::InvalidateWorldRect(double x1, double y1, double x2, double y2,
                                        bool /*erase*/)
{
    const QRect logical = LogicalRect(x1, y1, x2, y2);
    viewport()->update(logical.translated(-ScrollPosition()).adjusted(-1, -1, 1, 1));
}

// Qt repaints the background of the area itself, so erasing asks for nothing more.
void CScrollViewEx::Invalidate(bool /*erase*/)
{
    viewport()->update();
}

bool CScrollViewEx::CanZoom(int action) const
{
    if (action == ZA_ZOOM_IN)
        return m_dZoom < m_dMaxZoom;
    if (action == ZA_ZOOM_OUT)
        return m_dZoom > m_dMinZoom;
    return m_oExtentRect.IsValid();
}

double CScrollViewEx::PixelsToWorld(int pixels) const
{
    return pixels / m_dZoom;
}

int CScrollViewEx::WorldToPixels(double distance) const
{
    return RoundToInt(distance * m_dZoom);
}

uint32_t CScrollViewEx::SetBackgroundColor(uint32_t colour)
{
    return std::exchange(m_nBackgroundColor, colour);
}

void CScrollViewEx::DrawArrowHead(double x, double y, double angle, int length, int width,
                                  uint32_t colour, bool filled)
{
    const QPoint tip = WorldToLogical(x, y);
    // On the screen y grows downwards.
    const double dx = std::cos(angle);
    const double dy = -std::sin(angle);
    const double baseX = tip.x() - length * dx;
    const double baseY = tip.y() - length * dy;
    const double half = width / 2.0;
    const QPoint left(RoundToInt(baseX - half * dy), RoundToInt(baseY + half * dx));
    const QPoint right(RoundToInt(baseX + half * dy), RoundToInt(baseY - half * dx));
    if (filled)
        m_pDrawHelper->FillTriangle(tip, left, right, colour);
    else
        m_pDrawHelper->DrawTriangle(tip, left, right, colour);
}

CDRect CScrollViewEx::GetVisibleWorldRect() const
{
    const QSize client = viewport()->size();
    CDRect visible;
    const DPOINT topLeft = ClientToWorld(QPoint(0, 0));
    const DPOINT bottomRight = ClientToWorld(QPoint(client.width(), client.height()));
    visible.Set(topLeft.x, bottomRight.y, bottomRight.x, topLeft.y);
    return visible;
}

QPoint CScrollViewEx::WorldToLogical(double x, double y) const
{
    return QPoint(RoundToInt(x * m_dZoom) - m_nLogicalOriginX,
                  m_nLogicalOriginY - RoundToInt(y * m_dZoom) + m_nVerticalRange);
}

DPOINT CScrollViewEx::LogicalToWorld(QPoint logical) const
{
    return {(m_nLogicalOriginX + logical.x()) / m_dZoom,
            (m_nLogicalOriginY - logical.y() + m_nVerticalRange) / m_dZoom};
}

QPoint CScrollViewEx::WorldToClient(double x, double y) const
{
    return WorldToLogical(x, y) - ScrollPosition();
}

DPOINT CScrollViewEx::ClientToWorld(QPoint client) const
{
    return LogicalToWorld(client + ScrollPosition());
}

QPoint CScrollViewEx::ScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QRect CScrollViewEx::LogicalRect(double x1, double y1, double x2, double y2) const
{
    return QRect(WorldToLogical(x1, y1), WorldToLogical(x2, y2)).normalized();
}

void CScrollViewEx::DrawRect(double x1, double y1, double x2, double y2, uint32_t colour)
{
    const QPoint a = WorldToLogical(x1, y1);
    const QPoint b = WorldToLogical(x2, y2);
    m_pDrawHelper->DrawRect(a.x(), a.y(), b.x(), b.y(), colour);
}

void CScrollViewEx::FillRect(double x1, double y1, double x2, double y2, uint32_t penColour,
                             uint32_t fillColour)
{
    const QPoint a = WorldToLogical(x1, y1);
    const QPoint b = WorldToLogical(x2, y2);
    m_pDrawHelper->FillRect(a.x(), a.y(), b.x(), b.y(), penColour, fillColour);
}

void CScrollViewEx::FillRectOneColor(double x1, double y1, double x2, double y2, uint32_t colour)
{
    FillRect(x1, y1, x2, y2, colour, colour);
}

void CScrollViewEx::DrawLine(double x1, double y1, double x2, double y2, uint32_t colour)
{
    const QPoint a = WorldToLogical(x1, y1);
    const QPoint b = WorldToLogical(x2, y2);
    m_pDrawHelper->DrawLine(a.x(), a.y(), b.x(), b.y(), colour);
}

void CScrollViewEx::DrawCircle(double x, double y, double radius, uint32_t colour)
{
    const QPoint centre = WorldToLogical(x, y);
    m_pDrawHelper->DrawCircle(centre.x(), centre.y(), WorldToPixels(radius), colour);
}

void CScrollViewEx::DrawCircleNoColor(double x, double y, double radius)
{
    const QPoint centre = WorldToLogical(x, y);
    m_pDrawHelper->DrawCircleNoColor(centre.x(), centre.y(), WorldToPixels(radius));
}

void CScrollViewEx::FillCircle(double x, double y, double radius, uint32_t colour)
{
    const QPoint centre = WorldToLogical(x, y);
    m_pDrawHelper->FillCircle(centre.x(), centre.y(), WorldToPixels(radius), colour);
}

void CScrollViewEx::DrawTextFont(double x, double y, const std::string &text, uint32_t colour,
                                 int pointSize, const std::string &faceName)
{
    const QPoint at = WorldToLogical(x, y);
    m_pDrawHelper->DrawTextFont(at.x(), at.y(), text, colour, pointSize, faceName);
}

void CScrollViewEx::DrawText(double x, double y, const std::string &text, uint32_t colour)
{
    const QPoint at = WorldToLogical(x, y);
    m_pDrawHelper->DrawText(at.x(), at.y(), text, colour);
}

void CScrollViewEx::DrawArc(double x, double y, double radius, double startAngle,
                            double sweepAngle, uint32_t colour)
{
    const QPoint centre = WorldToLogical(x, y);
    m_pDrawHelper->DrawArc(centre.x(), centre.y(), WorldToPixels(radius), startAngle, sweepAngle,
                           colour);
}

void CScrollViewEx::DrawArcThrough(double centreX, double centreY, double startX, double startY,
                                   double sweepAngle, uint32_t colour)
{
    const double radius = std::hypot(startX - centreX, startY - centreY);
    const double startAngle = std::atan2(startY - centreY, startX - centreX) * 180.0 / std::numbers::pi;
    DrawArc(centreX, centreY, radius, startAngle, sweepAngle, colour);
}

void CScrollViewEx::DrawTextInRect(const CDRect &rect, const std::string &text, uint32_t colour)
{
    m_pDrawHelper->DrawTextInRect(
        LogicalRect(rect.GetMinX(), rect.GetMinY(), rect.GetMaxX(), rect.GetMaxY()), text, colour);
}

CDRect CScrollViewEx::GetClipWorldRect() const
{
    const QRect clip = m_pDrawHelper->GetClipBox();
    const DPOINT topLeft = LogicalToWorld(clip.topLeft());
    const DPOINT bottomRight = LogicalToWorld(clip.bottomRight() + QPoint(1, 1));
    CDRect world;
    world.Set(topLeft.x, bottomRight.y, bottomRight.x, topLeft.y);
    return world;
}

void CScrollViewEx::IntersectClip(const CDRect &rect)
{
    m_pDrawHelper->IntersectClip(
        LogicalRect(rect.GetMinX(), rect.GetMinY(), rect.GetMaxX(), rect.GetMaxY()));
}

void CScrollViewEx::FillPolygon(const DPOINT *points, int count, uint32_t colour)
{
    std::vector<QPoint> logical;
    logical.reserve(count);
    for (int i = 0; i < count; ++i)
        logical.push_back(WorldToLogical(points[i].x, points[i].y));
    m_pDrawHelper->FillPolygon(logical.data(), count, colour);
}

void CScrollViewEx::DrawPolyline(const DPOINT *points, int count, uint32_t colour)
{
    std::vector<QPoint> &logical = m_aPolylinePixels;
    logical.clear();
    for (int i = 0; i < count; ++i) {
        const QPoint pixel = WorldToLogical(points[i].x, points[i].y);
        if (logical.empty() || logical.back() != pixel)
            logical.push_back(pixel);
    }
    if (logical.size() >= 2)
        m_pDrawHelper->DrawPolyline(logical.data(), int(logical.size()), colour);
}

int CScrollViewEx::GetPenStyle() const
{
    return m_pDrawHelper->GetPenStyle();
}

void CScrollViewEx::SetPenStyle(int style)
{
    m_pDrawHelper->SetPenStyle(style);
}

void CScrollViewEx::FillSquareMarker(double x, double y, int half, uint32_t colour)
{
    const QPoint centre = WorldToLogical(x, y);
    m_pDrawHelper->FillSolidRect(
        QRect(centre.x() - half, centre.y() - half, 2 * half + 1, 2 * half + 1), colour);
}

void CScrollViewEx::DrawSquareMarker(double x, double y, int half, uint32_t colour)
{
    const QPoint centre = WorldToLogical(x, y);
    m_pDrawHelper->DrawRect(centre.x() - half, centre.y() - half, centre.x() + half + 1,
                            centre.y() + half + 1, colour);
}

// Two one-pixel bars: the fastest way to set the cross's pixels.
void CScrollViewEx::DrawCrossMarker(double x, double y, int half, uint32_t colour)
{
    const QPoint centre = WorldToLogical(x, y);
    m_pDrawHelper->FillSolidRect(QRect(centre.x() - half, centre.y(), 2 * half + 1, 1), colour);
    m_pDrawHelper->FillSolidRect(QRect(centre.x(), centre.y() - half, 1, 2 * half + 1), colour);
}

void CScrollViewEx::DrawCircleMarker(double x, double y, int radius, uint32_t colour)
{
    const QPoint centre = WorldToLogical(x, y);
    m_pDrawHelper->DrawCircle(centre.x(), centre.y(), radius, colour);
}

void CScrollViewEx::DrawContent()
{
}

void CScrollViewEx::OnLButtonDownD(uint32_t, double, double)
{
}

void CScrollViewEx::OnLButtonUpD(uint32_t, double, double)
{
}

void CScrollViewEx::OnLButtonDblClkD(uint32_t, double, double)
{
}

void CScrollViewEx::OnMouseMoveD(uint32_t, double, double)
{
}

void CScrollViewEx::OnRButtonDblClkD(uint32_t, double, double)
{
}

void CScrollViewEx::OnRButtonDownD(uint32_t, double, double)
{
}

void CScrollViewEx::OnRButtonUpD(uint32_t, double, double)
{
}

bool CScrollViewEx::OnMouseWheelD(uint32_t, int, double, double)
{
    return false;
}

void CScrollViewEx::OnZoomChanged()
{
}

void CScrollViewEx::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    const QPoint scroll = ScrollPosition();
    painter.translate(-scroll.x(), -scroll.y());
    m_pDrawHelper->Begin(&painter, m_nBackgroundColor);
    DrawContent();
    m_pDrawHelper->End();
}

void CScrollViewEx::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CScrollViewEx::scrollContentsBy(int, int)
{
    viewport()->update();
}

void CScrollViewEx::MoveTo(uint32_t flags, const DPOINT &world)
{
    if (world.x == m_oLastMousePosition.x && world.y == m_oLastMousePosition.y)
        return;
    m_oLastMousePosition = world;
    OnMouseMoveD(flags, world.x, world.y);
}

void CScrollViewEx::CallButton(QMouseEvent *event, MouseCall left, MouseCall right,
                               bool moveFirst)
{
    const MouseCall call = event->button() == Qt::LeftButton    ? left
                           : event->button() == Qt::RightButton ? right
                                                                : nullptr;
    if (!call)
        return;
    const DPOINT world = ClientToWorld(event->position().toPoint());
    const uint32_t flags = mouseFlags(event->buttons(), event->modifiers());
    if (moveFirst)
        MoveTo(flags, world);
    (this->*call)(flags, world.x, world.y);
}

void CScrollViewEx::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_oButtonDownPosition = ClientToWorld(event->position().toPoint());
    CallButton(event, &CScrollViewEx::OnLButtonDownD, &CScrollViewEx::OnRButtonDownD, true);
}

void CScrollViewEx::mouseReleaseEvent(QMouseEvent *event)
{
    CallButton(event, &CScrollViewEx::OnLButtonUpD, &CScrollViewEx::OnRButtonUpD, true);
}

void CScrollViewEx::mouseDoubleClickEvent(QMouseEvent *event)
{
    CallButton(event, &CScrollViewEx::OnLButtonDblClkD, &CScrollViewEx::OnRButtonDblClkD, false);
}

void CScrollViewEx::mouseMoveEvent(QMouseEvent *event)
{
    const DPOINT world = ClientToWorld(event->position().toPoint());
    m_oLastMousePosition = world;
    OnMouseMoveD(mouseFlags(event->buttons(), event->modifiers()), world.x, world.y);
}

void CScrollViewEx::wheelEvent(QWheelEvent *event)
{
    const DPOINT world = ClientToWorld(event->position().toPoint());
    const uint32_t flags = mouseFlags(event->buttons(), event->modifiers());
    if (!OnMouseWheelD(flags, event->angleDelta().y(), world.x, world.y))
        QAbstractScrollArea::wheelEvent(event);
}
