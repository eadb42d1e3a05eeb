// Morvane main window, view and interaction.
// The painter of a graphic view: a cached pen and the shapes the views draw, in pixels.
#pragma once

#include <cstdint>
#include <string>

#include <QPoint>
#include <QRect>

QT_BEGIN_NAMESPACE
class QPainter;
QT_END_NAMESPACE

/// Pen styles as the views pass them.
enum PEN_STYLE { PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4,
                 PS_NULL = 5 };

/// Draws the shapes of a graphic view into a painter between Begin and End, in logical pixels,
/// with one cached pen of width 1 that changes only when its colour or style does. Colours are
/// 0x00BBGGRR. Rectangles and circles cover their pixels as the view expects: a rectangle
/// (left, top, right, bottom) up to but not including right and bottom, a circle of radius r the
/// square of side 2r + 1 around its centre (one pixel for radius 0). Qt paints every widget
/// through a back buffer already, so double buffering only tells the view to leave the
/// background unerased.
class CDrawHelper
{
public:
    explicit CDrawHelper(bool doubleBuffered) : m_bDoubleBuffered(doubleBuffered) {}

    /// Starts drawing into painter: fills its clip box (or the whole device) with background
    /// and resets the pen. A printer's painter is drawn into in the same way.
    void Begin(QPainter *painter, uint32_t background);
    /// Ends drawing and forgets the painter.
    void End();

    void SetColor(uint32_t colour);
    void SetPenStyle(int style);
    /// Forgets the cached pen: the next colour always makes one.
    void ResetPen();

    void DrawLine(int x1, int y1, int x2, int y2, uint32_t colour);
    void DrawRect(int left, int top, int right, int bottom, uint32_t colour);
    void FillRect(int left, int top, int right, int bottom, uint32_t penColour,
                  uint32_t fillColour);
    /// Fills the pixels of the rectangle in the colour, without a pen.
    void FillSolidRect(const QRect &rect, uint32_t colour);
    void FillPolygon(const QPoint *points, int count, uint32_t colour);
    void DrawPolyline(const QPoint *points, int count, uint32_t colour);
    void FillTriangle(QPoint a, QPoint b, QPoint c, uint32_t colour);
    void DrawTriangle(QPoint a, QPoint b, QPoint c, uint32_t colour);
    void DrawCircle(int x, int y, int radius, uint32_t colour);
    /// DrawCircle with the current pen.
    void DrawCircleNoColor(int x, int y, int radius);
    void FillCircle(int x, int y, int radius, uint32_t colour);
    /// An arc counter-clockwise from startAngle over sweepAngle, in degrees, 0 pointing right.
    void DrawArc(int x, int y, int radius, double startAngle, double sweepAngle, uint32_t colour);
    /// Text whose top-left corner is (x, y), on a transparent background.
    void DrawText(int x, int y, const std::string &text, uint32_t colour);
    /// DrawText in a font of pointSize tenths of a point.
    void DrawTextFont(int x, int y, const std::string &text, uint32_t colour, int pointSize,
                      const std::string &faceName);
    /// Text broken into lines at word boundaries to fit the rectangle.
    void DrawTextInRect(const QRect &rect, const std::string &text, uint32_t colour);
    /// The bounding box of the area being painted.
    QRect GetClipBox() const;
    void IntersectClip(const QRect &rect);

    bool IsDoubleBuffered() const { return m_bDoubleBuffered; }
    int GetPenStyle() const { return m_nPenStyle; }
    QPainter *GetPainter() const { return m_pPainter; }

private:
    void ApplyPen();
    QRect CircleBounds(int x, int y, int radius) const;

    bool m_bDoubleBuffered;
    QPainter *m_pPainter = nullptr;
    int m_nPenStyle = PS_SOLID;
    /// The colour of the cached pen; kNoColour before the first one.
    int64_t m_nColour = kNoColour;

    static constexpr int64_t kNoColour = -1;
};
