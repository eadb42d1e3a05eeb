// Morvane main window, view and interaction.
// The menu commands that the main view carries out.
#include "app/ui/view/MorvaneViewCommands.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/DisplayFlags.h"
#include "app/ui/view/MorvaneView.h"

#include <QAction>

namespace {

constexpr uint32_t kCloseCommand = 32798;
constexpr uint32_t kZoomInCommand = 32799;
constexpr uint32_t kZoomOutCommand = 32800;
constexpr uint32_t kZoomToFocusCommand = 32801;
constexpr uint32_t kZoomAllCommand = 32818;
constexpr uint32_t kInputNamesCommand = 32805;
constexpr uint32_t kMaskNamesCommand = 32985;
constexpr uint32_t kMarkersCommand = 32835;
constexpr uint32_t kCutCommand = 57635;
constexpr uint32_t kCopyCommand = 57634;
constexpr uint32_t kPasteCommand = 57637;

/// Display mode 0 shows input and mask patterns, 1 input patterns only, 2 mask patterns only.
bool inputPatternsShown(int mode)
{
    return mode == 0 || mode == 1;
}

bool maskPatternsShown(int mode)
{
    return mode == 0 || mode == 2;
}

bool alwaysShown(int)
{
    return true;
}

} // namespace

CMorvaneViewCommands::CMorvaneViewCommands(CMorvaneView &view) : m_rView(view)
{
    Add(kCloseCommand, [&view] { view.window()->close(); });
    AddZoomCommands();
    AddSwitchCommands();
    AddEditCommands();
}

void CMorvaneViewCommands::AddZoomCommands()
{
    CMorvaneView &view = m_rView;
    Add(
        kZoomInCommand, [&view] { view.ZoomIn(); },
        [&view](CCmdUI &state) { state.Enable(view.CanZoom(ZA_ZOOM_IN)); });
    Add(
        kZoomOutCommand, [&view] { view.ZoomOut(); },
        [&view](CCmdUI &state) { state.Enable(view.CanZoom(ZA_ZOOM_OUT)); });
    const auto maskOpen = [&view] { return view.GetServices().GetActiveGradeMask() != nullptr; };
    Add(
        kZoomToFocusCommand, [&view] { view.ZoomToFocus(); },
        [&view, maskOpen](CCmdUI &state) { state.Enable(maskOpen() && view.HasFocusRect()); });
    Add(
        kZoomAllCommand, [&view] { view.ZoomAll(); },
        [maskOpen](CCmdUI &state) { state.Enable(maskOpen()); });
}

void CMorvaneViewCommands::AddSwitch(uint32_t id, bool (CMorvaneView::*get)() const,
                                     void (CMorvaneView::*set)(bool), bool (*shown)(int))
{
    CMorvaneView &view = m_rView;
    const auto enabled = [&view, shown] {
        const CDisplayFlags *flags = view.GetServices().GetDisplayFlags();
        return shown(flags ? flags->GetPatternsShownMode() : 0);
    };
    Add(
        id,
        [&view, get, set, enabled] {
            if (enabled())
                (view.*set)(!(view.*get)());
        },
        [&view, get, enabled](CCmdUI &state) {
            const bool enable = enabled();
            state.Enable(enable);
            state.SetCheck(enable && (view.*get)() ? 1 : 0);
        });
}

void CMorvaneViewCommands::AddSwitchCommands()
{
    AddSwitch(kInputNamesCommand, &CMorvaneView::GetInputFilterFlag,
              &CMorvaneView::SetInputFilterFlag, inputPatternsShown);
    AddSwitch(kMaskNamesCommand, &CMorvaneView::GetFocusFilterFlag,
              &CMorvaneView::SetFocusFilterFlag, maskPatternsShown);
    AddSwitch(kMarkersCommand, &CMorvaneView::GetMarkerFilterFlag,
              &CMorvaneView::SetMarkerFilterFlag, alwaysShown);
}

void CMorvaneViewCommands::AddEditCommands()
{
    CMorvaneView &view = m_rView;
    const std::pair<uint32_t, QAction *(CMorvaneView::*)() const> edits[] = {
        {kCutCommand, &CMorvaneView::GetCutAction},
        {kCopyCommand, &CMorvaneView::GetCopyAction},
        {kPasteCommand, &CMorvaneView::GetPasteAction},
    };
    for (const auto &[id, action] : edits) {
        Add(
            id,
            [&view, action] {
                view.UpdateEditActions();
                QAction *edit = (view.*action)();
                if (edit->isEnabled())
                    edit->trigger();
            },
            [&view, action](CCmdUI &state) {
                view.UpdateEditActions();
                state.Enable((view.*action)()->isEnabled());
            });
    }
}
