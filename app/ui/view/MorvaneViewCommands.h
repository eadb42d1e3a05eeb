// Morvane main window, view and interaction.
// The menu commands that the main view carries out: close, the zooms, the label and marker
// switches, cut, copy and paste.
#pragma once

#include "app/documents/CommandTable.h"

class CMorvaneView;

/// The main view's commands as the main window routes them (the view is asked first):
/// 32798 closes the window, 32799 and 32800 zoom in and out one step, 32801 zooms to the
/// active object, 32818 to everything shown, 32805, 32985 and 32835 toggle the switches of the
/// input patterns' point names, the mask patterns' point names and the grade-point markers,
/// and 57635, 57634, 57637 cut, copy and paste through the task manager.
class CMorvaneViewCommands : public CCommandTable
{
public:
    /// The commands of the view (not owned; it outlives them).
    explicit CMorvaneViewCommands(CMorvaneView &view);

private:
    void AddZoomCommands();
    void AddSwitchCommands();
    void AddEditCommands();
    /// A switch command: enabled while shown answers true, checked while on and enabled.
    void AddSwitch(uint32_t id, bool (CMorvaneView::*get)() const,
                   void (CMorvaneView::*set)(bool), bool (*shown)(int patternsShownMode));

    CMorvaneView &m_rView;
};
