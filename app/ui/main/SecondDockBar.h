// Morvane main window, view and interaction.
// The fifth docking bar of the main window, a host that stacks child windows over itself.
#pragma once

#include "app/extras/EventMap.h"
#include "app/ui/frame/SizingControlBar.h"

/// The second docking bar (id 116, docked right, hidden at start). It listens to the main
/// document without reacting, and holds no pane yet: made visible it shows only its frame.
class CSecondDockBar : public CSizingControlBar, public CEventMap
{
    Q_OBJECT

public:
    CSecondDockBar(const QString &title, QMainWindow *parent, int cx, int cy, bool gripper,
                   uint32_t id);
    ~CSecondDockBar() override;

    bool Rebuild() override { return true; }
};
