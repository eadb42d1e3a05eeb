// Morvane main window, view and interaction, tests.
// The pixels that the drawing helper's shapes cover.
#include "app/ui/view/DrawHelper.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0x0000FF;

/// Draws with a helper into a white 20 x 20 image.
template <class Draw>
QImage drawn(Draw draw)
{
    QImage image(20, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    CDrawHelper helper(false);
    helper.Begin(&painter, kWhite);
    draw(helper);
    helper.End();
    return image;
}

int countRed(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == Qt::red;
    }
    return count;
}

} // namespace

TEST(DrawHelperTest, ACircleOfRadiusZeroCoversOnePixel)
{
    const QImage outline = drawn([](CDrawHelper &helper) { helper.DrawCircle(5, 6, 0, kRed); });
    EXPECT_EQ(countRed(outline), 1);
    EXPECT_EQ(outline.pixelColor(5, 6), Qt::red);
    const QImage filled = drawn([](CDrawHelper &helper) { helper.FillCircle(9, 3, 0, kRed); });
    EXPECT_EQ(countRed(filled), 1);
    EXPECT_EQ(filled.pixelColor(9, 3), Qt::red);
}

TEST(DrawHelperTest, RectanglesStopBeforeTheirRightAndBottomEdges)
{
    const QImage image = drawn([](CDrawHelper &helper) {
        helper.FillRect(2, 3, 8, 7, kRed, kRed);
    });
    EXPECT_EQ(countRed(image), 6 * 4);
    EXPECT_EQ(image.pixelColor(7, 6), Qt::red);
    EXPECT_EQ(image.pixelColor(8, 6), Qt::white);
    EXPECT_EQ(image.pixelColor(7, 7), Qt::white);
}

TEST(DrawHelperTest, ThePenFollowsColourAndStyle)
{
    QImage image(20, 20, QImage::Format_RGB32);
    QPainter painter(&image);
    CDrawHelper helper(true);
    EXPECT_TRUE(helper.IsDoubleBuffered());
    helper.Begin(&painter, kWhite);
    helper.SetPenStyle(PS_DOT);
    helper.DrawLine(0, 10, 19, 10, kRed);
    EXPECT_EQ(painter.pen().style(), Qt::DotLine);
    EXPECT_EQ(painter.pen().color(), Qt::red);
    helper.SetColor(0x00FF00);
    EXPECT_EQ(painter.pen().color(), QColor(0, 255, 0));
    EXPECT_EQ(helper.GetPenStyle(), PS_DOT);
    helper.End();
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 10), Qt::red);
    EXPECT_LT(countRed(image), 20) << "a dotted line leaves gaps";
}
