// Morvane main window, view and interaction, tests.
// The docking bar's sizes in the profile, its place restored by name, and closing it.
#include "app/ui/frame/SizingControlBar.h"

#include "TemporaryFolder.h"

#include <QApplication>
#include <QMainWindow>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

/// A main window with a central widget and one bar docked on the left.
struct Frame
{
    explicit Frame(Qt::DockWidgetArea area)
    {
        window.setCentralWidget(new QWidget(&window));
        bar = new CSizingControlBar("Pieces", &window, 200, 200, true, 12001);
        bar->setWidget(new QWidget(bar));
        window.addDockWidget(area, bar);
        window.resize(800, 600);
        window.show();
        QApplication::processEvents();
    }

    QMainWindow window;
    CSizingControlBar *bar = nullptr;
};

} // namespace

TEST(SizingControlBarTest, LoadedSizesKeepTheMinimumAndMissingOnesTheCurrent)
{
    const TemporaryFolder folder("sizing-bar");
    QSettings profile(QString::fromStdString((folder / "profile.ini").string()),
                      QSettings::IniFormat);
    profile.setValue("Frame-SCBar-12001/sizeHorzCX", 10);
    profile.setValue("Frame-SCBar-12001/sizeHorzCY", 80);
    profile.setValue("Frame-SCBar-12001/sizeVertCX", 150);
    profile.setValue("Frame-SCBar-12001/sizeFloatCX", 20);
    profile.setValue("Frame-SCBar-12001/sizeFloatCY", 5);

    QMainWindow window;
    CSizingControlBar bar("Pieces", &window, 200, 210, true, 12001);
    bar.LoadState("Frame", profile);
    EXPECT_EQ(bar.GetHorizontalSize(), QSize(33, 80));
    EXPECT_EQ(bar.GetVerticalSize(), QSize(150, 210));
    EXPECT_EQ(bar.GetFloatingSize(), QSize(33, 32));
}

TEST(SizingControlBarTest, SizesAndPlaceComeBackInANewWindow)
{
    const TemporaryFolder folder("sizing-bar");
    QSettings profile(QString::fromStdString((folder / "profile.ini").string()),
                      QSettings::IniFormat);
    QByteArray layout;
    {
        Frame first(Qt::RightDockWidgetArea);
        first.window.resizeDocks({first.bar}, {150}, Qt::Horizontal);
        QApplication::processEvents();
        EXPECT_EQ(first.bar->GetVerticalSize().width(), 150);
        first.bar->SaveState("Frame", profile);
        layout = first.window.saveState();
    }
    EXPECT_EQ(profile.value("Frame-SCBar-12001/sizeVertCX").toInt(), 150);

    Frame second(Qt::LeftDockWidgetArea);
    ASSERT_TRUE(second.window.restoreState(layout));
    second.bar->LoadState("Frame", profile);
    QApplication::processEvents();
    EXPECT_EQ(second.window.dockWidgetArea(second.bar), Qt::RightDockWidgetArea);
    EXPECT_EQ(second.bar->width(), 150);
}

TEST(SizingControlBarTest, ClosingHidesTheBarWithoutDestroyingIt)
{
    Frame frame(Qt::LeftDockWidgetArea);
    frame.bar->close();
    EXPECT_TRUE(frame.bar->isHidden());
    EXPECT_EQ(frame.window.findChild<CSizingControlBar *>("SCBar-12001"), frame.bar);
}
