// Morvane main window, view and interaction.
// The painter of a graphic view: a cached pen and the shapes the views draw, in pixels.
#include "app/ui/view/DrawHelper.h"

#include "app/ui/view/ColourRef.h"

#include <QPainter>
#include <QPolygon>

namespace {

Qt::PenStyle qtPenStyle(int style)
{
    switch (style) {
    case PS_DASH:
        return Qt::DashLine;
    case PS_DOT:
        return Qt::DotLine;
    case PS_DASHDOT:
        return Qt::DashDotLine;
    case PS_DASHDOTDOT:
        return Qt::DashDotDotLine;
    case PS_NULL:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

/// Sets a brush for the lifetime of one shape call and restores the previous one.
class BrushScope
{
public:
    BrushScope(QPainter *painter, const QBrush &brush) : m_painter(painter), m_old(painter->brush())
    {
        painter->setBrush(brush);
    }
    ~BrushScope() { m_painter->setBrush(m_old); }
    BrushScope(const BrushScope &) = delete;
    BrushScope &operator=(const BrushScope &) = delete;

private:
    QPainter *m_painter;
    QBrush m_old;
};

} // namespace

void CDrawHelper::Begin(QPainter *painter, uint32_t background)
{
    m_pPainter = painter;
    m_pPainter->fillRect(GetClipBox(), colourFromRef(background));
    ResetPen();
}

void CDrawHelper::End()
{
    m_pPainter = nullptr;
}

void CDrawHelper::SetColor(uint32_t colour)
{
    if (m_nColour == colour)
        return;
    m_nColour = colour;
    ApplyPen();
}

void CDrawHelper::SetPenStyle(int style)
{
    if (m_nPenStyle == style)
        return;
    m_nPenStyle = style;
    if (m_nColour != kNoColour)
        ApplyPen();
}

void CDrawHelper::ResetPen()
{
    m_nColour = kNoColour;
    m_nPenStyle = PS_SOLID;
}

void CDrawHelper::ApplyPen()
{
    QPen pen(colourFromRef(uint32_t(m_nColour)), 1, qtPenStyle(m_nPenStyle));
    pen.setCosmetic(true);
    m_pPainter->setPen(pen);
}

void CDrawHelper::DrawLine(int x1, int y1, int x2, int y2, uint32_t colour)
{
    SetColor(colour);
    m_pPainter->drawLine(x1, y1, x2, y2);
}

void CDrawHelper::DrawRect(int left, int top, int right, int bottom, uint32_t colour)
{
    SetColor(colour);
    const BrushScope hollow(m_pPainter, Qt::NoBrush);
    m_pPainter->drawRect(left, top, right - left - 1, bottom - top - 1);
}

void CDrawHelper::FillRect(int left, int top, int right, int bottom, uint32_t penColour,
                           uint32_t fillColour)
{
    SetColor(penColour);
    const BrushScope solid(m_pPainter, colourFromRef(fillColour));
    m_pPainter->drawRect(left, top, right - left - 1, bottom - top - 1);
}

void CDrawHelper::FillSolidRect(const QRect &rect, uint32_t colour)
{
    m_pPainter->fillRect(rect, colourFromRef(colour));
}

void CDrawHelper::FillPolygon(const QPoint *points, int count, uint32_t colour)
{
    SetColor(colour);
    const BrushScope solid(m_pPainter, colourFromRef(colour));
    m_pPainter->drawPolygon(points, count);
}

void CDrawHelper::DrawPolyline(const QPoint *points, int count, uint32_t colour)
{
    SetColor(colour);
    m_pPainter->drawPolyline(points, count);
}

void CDrawHelper::FillTriangle(QPoint a, QPoint b, QPoint c, uint32_t colour)
{
    const QPoint corners[] = {a, b, c};
    FillPolygon(corners, 3, colour);
}

void CDrawHelper::DrawTriangle(QPoint a, QPoint b, QPoint c, uint32_t colour)
{
    const QPoint corners[] = {c, a, b, c};
    DrawPolyline(corners, 4, colour);
}

QRect CDrawHelper::CircleBounds(int x, int y, int radius) const
{
    return QRect(x - radius, y - radius, 2 * radius, 2 * radius);
}

void CDrawHelper::DrawCircle(int x, int y, int radius, uint32_t colour)
{
    SetColor(colour);
    DrawCircleNoColor(x, y, radius);
}

void CDrawHelper::DrawCircleNoColor(int x, int y, int radius)
{
    const BrushScope hollow(m_pPainter, Qt::NoBrush);
    if (radius == 0)
        m_pPainter->drawPoint(x, y);
    else
        m_pPainter->drawEllipse(CircleBounds(x, y, radius));
}

void CDrawHelper::FillCircle(int x, int y, int radius, uint32_t colour)
{
    const BrushScope solid(m_pPainter, colourFromRef(colour));
    if (radius == 0)
        m_pPainter->fillRect(x, y, 1, 1, colourFromRef(colour));
    else
        m_pPainter->drawEllipse(CircleBounds(x, y, radius));
}

void CDrawHelper::DrawArc(int x, int y, int radius, double startAngle, double sweepAngle,
                          uint32_t colour)
{
    SetColor(colour);
    // Qt counts angles in sixteenths of a degree, counter-clockwise from the right like the view.
    m_pPainter->drawArc(CircleBounds(x, y, radius), qRound(startAngle * 16),
                        qRound(sweepAngle * 16));
}

void CDrawHelper::DrawText(int x, int y, const std::string &text, uint32_t colour)
{
    m_pPainter->save();
    m_pPainter->setPen(colourFromRef(colour));
    m_pPainter->drawText(QRect(x, y, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         QString::fromStdString(text));
    m_pPainter->restore();
}

void CDrawHelper::DrawTextFont(int x, int y, const std::string &text, uint32_t colour,
                               int pointSize, const std::string &faceName)
{
    m_pPainter->save();
    QFont font(QString::fromStdString(faceName));
    font.setPointSizeF(pointSize / 10.0);
    m_pPainter->setFont(font);
    DrawText(x, y, text, colour);
    m_pPainter->restore();
}

void CDrawHelper::DrawTextInRect(const QRect &rect, const std::string &text, uint32_t colour)
{
    m_pPainter->save();
    m_pPainter->setPen(colourFromRef(colour));
    m_pPainter->drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         QString::fromStdString(text));
    m_pPainter->restore();
}

QRect CDrawHelper::GetClipBox() const
{
    if (m_pPainter->hasClipping())
        return m_pPainter->clipBoundingRect().toAlignedRect();
    return m_pPainter->window();
}

void CDrawHelper::IntersectClip(const QRect &rect)
{
    m_pPainter->setClipRect(rect, Qt::IntersectClip);
}
