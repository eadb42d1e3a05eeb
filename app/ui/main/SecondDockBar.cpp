// Morvane main window, view and interaction.
// The fifth docking bar of the main window, a host that stacks child windows over itself.
#include "app/ui/main/SecondDockBar.h"

#include <QWidget>

CSecondDockBar::CSecondDockBar(const QString &title, QMainWindow *parent, int cx, int cy,
                               bool gripper, uint32_t id)
    : CSizingControlBar(title, parent, cx, cy, gripper, id)
{
    setWidget(new QWidget(this));
}

CSecondDockBar::~CSecondDockBar() = default;
