// Morvane main window, view and interaction, tests.
// The world view: zoom limits, world-to-window mapping, scrolling, drawing and mouse calls.
#include "app/ui/view/ScrollViewEx.h"

#include "app/ui/view/MouseFlags.h"

#include <QImage>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kRed = 0x0000FF;

/// A 200 x 200 view of a 100 x 100 world with a red square from (10, 10) to (20, 20); it
/// records its mouse calls.
class SquareView : public CScrollViewEx
{
public:
    SquareView()
    {
        setFrameShape(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        resize(200, 200);
        show();
        SetWorld(0.0, 0.0, 100.0, 100.0, true);
    }

    QImage render() { return viewport()->grab().toImage(); }
    bool isRed(int x, int y) { return render().pixelColor(x, y) == Qt::red; }

    std::vector<DPOINT> m_aPolyline;
    /// Where a filled square of half side 1 and, 60 mm to its right, a cross of half side 3 go.
    std::vector<DPOINT> m_aMarkers;
    std::vector<std::string> m_aCalls;

protected:
    void DrawContent() override
    {
        FillRectOneColor(10.0, 10.0, 20.0, 20.0, kRed);
        if (!m_aPolyline.empty())
            DrawPolyline(m_aPolyline.data(), int(m_aPolyline.size()), kRed);
        for (const DPOINT &marker : m_aMarkers) {
            FillSquareMarker(marker.x, marker.y, 1, kRed);
            DrawCrossMarker(marker.x + 60.0, marker.y, 3, kRed);
        }
    }
    void OnMouseMoveD(uint32_t, double x, double y) override { record("move", x, y); }
    void OnLButtonDownD(uint32_t flags, double x, double y) override
    {
        record(flags & MK_CONTROL ? "down+ctrl" : "down", x, y);
    }
    void OnLButtonUpD(uint32_t, double x, double y) override { record("up", x, y); }

private:
    void record(const std::string &name, double x, double y)
    {
        m_aCalls.push_back(name + " " + std::to_string(std::lround(x)) + "," +
                           std::to_string(std::lround(y)));
    }
};

} // namespace

TEST(ScrollViewExTest, ZoomStaysWithinItsLimits)
{
    SquareView view;
    view.SetZoom(0.001);
    EXPECT_DOUBLE_EQ(view.GetZoom(), 0.01);
    EXPECT_FALSE(view.CanZoom(ZA_ZOOM_OUT));
    view.SetZoom(10.0);
    EXPECT_DOUBLE_EQ(view.GetZoom(), 10.0);
    EXPECT_FALSE(view.CanZoom(ZA_ZOOM_IN));
    EXPECT_TRUE(view.CanZoom(ZA_ZOOM_OUT));
    view.SetZoom(std::nan(""));
    EXPECT_DOUBLE_EQ(view.GetZoom(), 10.0);
    view.ZoomIn();
    EXPECT_DOUBLE_EQ(view.GetZoom(), 10.0);
}

TEST(ScrollViewExTest, WorldEdgesMapToTheMargins)
{
    SquareView view;
    view.SetMargins(5, 7, 11, 13);
    view.SetZoom(2.0);
    EXPECT_EQ(view.WorldToLogical(0.0, 100.0), QPoint(5, 7));
    EXPECT_EQ(view.WorldToLogical(100.0, 0.0), QPoint(205, 207));
    const DPOINT back = view.LogicalToWorld(QPoint(105, 107));
    EXPECT_DOUBLE_EQ(back.x, 50.0);
    EXPECT_DOUBLE_EQ(back.y, 50.0);
    EXPECT_EQ(view.horizontalScrollBar()->maximum(), 216 - 200);
    EXPECT_EQ(view.verticalScrollBar()->maximum(), 220 - 200);
}

TEST(ScrollViewExTest, RendersTheSquareWhereTheMappingPutsItAtEveryZoom)
{
    SquareView view;
    // Zoom 1: the world's top-left is the window's; y grows upwards.
    EXPECT_TRUE(view.isRed(15, 85));
    EXPECT_FALSE(view.isRed(15, 15));
    EXPECT_FALSE(view.isRed(25, 85));

    // Zoom out: the square covers logical (5..9, 40..44).
    view.SetZoom(0.5);
    EXPECT_TRUE(view.isRed(7, 42));
    EXPECT_FALSE(view.isRed(12, 42));

    // Zoom in, centred above the square: the square lies 15 mm below the centre.
    view.SetZoomAndCenter(4.0, 15.0, 30.0);
    EXPECT_EQ(view.horizontalScrollBar()->value(), 0) << "no scrolling left of the world";
    EXPECT_EQ(view.verticalScrollBar()->value(), 280 - 100);
    EXPECT_EQ(view.WorldToClient(15.0, 15.0), QPoint(60, 160));
    EXPECT_TRUE(view.isRed(60, 160));
    EXPECT_TRUE(view.isRed(41, 179));
    EXPECT_FALSE(view.isRed(39, 160));

    // Scroll: the square moves against the scroll.
    view.horizontalScrollBar()->setValue(20);
    EXPECT_TRUE(view.isRed(40, 160));
    EXPECT_FALSE(view.isRed(61, 160));
    const DPOINT centre = view.GetClientCenterPoint();
    EXPECT_DOUBLE_EQ(centre.x, 30.0);
    EXPECT_DOUBLE_EQ(centre.y, 30.0);
}

TEST(ScrollViewExTest, ZoomingAboutAPointKeepsItInPlace)
{
    SquareView view;
    view.SetZoomAndCenter(2.0, 50.0, 50.0);
    const QPoint before = view.WorldToClient(40.0, 60.0);
    view.ZoomInAt(40.0, 60.0);
    EXPECT_DOUBLE_EQ(view.GetZoom(), 2.5);
    const QPoint after = view.WorldToClient(40.0, 60.0);
    EXPECT_LE(std::abs(after.x() - before.x()), 1);
    EXPECT_LE(std::abs(after.y() - before.y()), 1);
    view.ZoomOutAt(40.0, 60.0);
    EXPECT_DOUBLE_EQ(view.GetZoom(), 2.0);
}

TEST(ScrollViewExTest, ExtentCommandsNeedAnExtentAndADegenerateOneKeepsTheZoom)
{
    SquareView view;
    view.AddZoomCommand(ZA_ZOOM_TO_EXTENT, 32801);
    bool enable = true;
    ASSERT_TRUE(view.UpdateZoomCommand(32801, enable));
    EXPECT_FALSE(enable);
    EXPECT_FALSE(view.UpdateZoomCommand(32802, enable));

    view.SetExtent(20.0, 20.0, 40.0, 30.0);
    ASSERT_TRUE(view.UpdateZoomCommand(32801, enable));
    EXPECT_TRUE(enable);
    EXPECT_TRUE(view.RunZoomCommand(32801));
    EXPECT_DOUBLE_EQ(view.GetZoom(), 10.0) << "200 pixels over 20 mm, clamped to the maximum";

    view.SetZoom(3.0);
    view.SetExtent(30.0, 30.0, 30.0, 30.0);
    view.ZoomToExtent();
    EXPECT_DOUBLE_EQ(view.GetZoom(), 3.0);
    view.SetExtent(0.0, 30.0, 80.0, 30.0);
    view.ZoomToExtent();
    EXPECT_DOUBLE_EQ(view.GetZoom(), 2.5);
}

TEST(ScrollViewExTest, APolylineOnOnePixelDrawsNothing)
{
    SquareView view;
    view.m_aPolyline = {{50.1, 50.1}, {50.3, 49.9}, {49.8, 50.2}};
    EXPECT_FALSE(view.isRed(50, 50));
    view.m_aPolyline.push_back({53.0, 50.0});
    EXPECT_TRUE(view.isRed(51, 50));
}

TEST(ScrollViewExTest, MarkersCoverTheirSizeInPixelsAboutThePointsPixel)
{
    SquareView view;
    view.m_aMarkers = {{30.0, 50.0}};
    const QImage image = view.render();
    const auto red = [&image](int x, int y) { return image.pixelColor(x, y) == Qt::red; };
    // The square: 3 x 3 pixels about (30, 50).
    EXPECT_TRUE(red(29, 49) && red(31, 51) && red(30, 50));
    EXPECT_FALSE(red(28, 50) || red(32, 50) || red(30, 48) || red(30, 52));
    // The cross: 7 pixels each way about (90, 50), nothing off its two bars.
    EXPECT_TRUE(red(87, 50) && red(93, 50) && red(90, 47) && red(90, 53));
    EXPECT_FALSE(red(86, 50) || red(94, 50) || red(90, 46) || red(90, 54) || red(91, 51));
}

TEST(ScrollViewExTest, AButtonAtANewPlaceMovesTheMouseThereFirst)
{
    SquareView view;
    QTest::mouseMove(view.viewport(), QPoint(30, 40));
    QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 40));
    QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::ControlModifier, QPoint(50, 40));
    EXPECT_EQ(view.m_aCalls, (std::vector<std::string>{"move 30,60", "down 30,60", "move 50,60",
                                                       "up 50,60", "down+ctrl 50,60"}));
}
