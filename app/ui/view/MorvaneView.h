// Morvane main window, view and interaction.
// The main view: the active grade mask drawn, the mouse turned into task events, the model's
// notifications turned into repaints.
#pragma once

#include "app/documents/IMorvaneView.h"
#include "app/extras/EventMap.h"
#include "app/taskdefs/IMouseCapture.h"
#include "app/ui/view/MaskDrawing.h"
#include "app/ui/view/MaskViewState.h"
#include "app/ui/view/ScrollViewEx.h"
#include "app/ui/view/ViewShapeQuery.h"

#include <QKeySequence>

#include <memory>
#include <string>

class CPattern;
class IBaseFormula;
class IDocumentServices;
struct VIEW_MOUSE_PARAM;

namespace morvane {
class IViewZoomSource;
}

QT_BEGIN_NAMESPACE
class QAction;
QT_END_NAMESPACE

/// The one document view of the main window. It shows the active grade mask of the document
/// with its patterns, the input patterns, the grade regions and the decorations of the running
/// task (CMaskDrawing), and turns mouse input into the task events "OnMouseMoveD",
/// "OnLButtonDownD", "OnLButtonUpD" and "OnRButtonUpD" of the active mask's task manager, with
/// the main task's variables "dist", "control" and "shift". It keeps no model data: it asks the
/// document's services, and it hears the model's notifications as a listener of the document
/// (it is added to the document's listener list, which calls ResetView).
///
/// The view's world is 10 metres square about (0, 0), in millimetres; its zoom is in logical
/// pixels per millimetre (Qt scales logical pixels to the screen's device pixels itself). While
/// it lives, the focus searches measure their tolerance in pixels at its zoom.
class CMorvaneView : public CScrollViewEx,
                     public CEventMap,
                     public IMouseCapture,
                     public IMorvaneView
{
    Q_OBJECT

public:
    /// The view of the document (not owned; it must outlive the view).
    explicit CMorvaneView(IDocumentServices &services, QWidget *parent = nullptr);
    ~CMorvaneView() override;

    IDocumentServices &GetServices() const { return m_rServices; }

    /// The world (-5000, -5000)-(5000, 5000), the same extent, zoom 0.3 centred on (0, 0).
    /// Returns true.
    bool ResetView();
    /// The base's initial update, the 7-point "Arial" font and the background of the option
    /// "BKGRDWORKAREA".
    void OnInitialUpdate();
    /// Hint 1 runs OnInitialUpdate again; other hints do nothing.
    void OnUpdate(int hint);

    /// Zooms, with 10 pixels to spare on each side, to everything shown of the active mask:
    /// the shown input patterns over the shown sizes, the mask's patterns in the base size and,
    /// with the regions shown, the limited extent of every region. Nothing without an active
    /// mask or when nothing is shown.
    virtual void ZoomAll();
    /// Zooms, with 10 pixels to spare on each side, to the active object over the shown sizes.
    void ZoomToFocus();
    /// Whether the active object has a rectangle over the shown sizes to zoom to.
    bool HasFocusRect() const;

    /// The names of the input patterns' points.
    bool GetInputFilterFlag() const;
    void SetInputFilterFlag(bool on);
    /// The markers of the grade points.
    bool GetMarkerFilterFlag() const;
    void SetMarkerFilterFlag(bool on);
    /// The names of the mask patterns' points.
    bool GetFocusFilterFlag() const;
    void SetFocusFilterFlag(bool on);

    CViewShapeQuery &GetShapeQuery() { return m_oShapeQuery; }
    /// The label drawn beside the grade region of the formula; empty when none.
    const std::string &GetRegionLabel(const IBaseFormula *formula) const
    {
        return m_oDrawing.GetRegionLabel(formula);
    }
    /// The state the view draws and reacts with now.
    MaskViewState ReadViewState() const;

    /// Repaints the world square of half side pixels about the point.
    void InvalidateAround(const DPOINT &point, int pixels);
    /// Repaints about the rotation pivot.
    void InvalidatePivot();
    /// Repaints about an item's position.
    void InvalidateItemPoint(const DPOINT &position);
    /// While "AssociatePointsTask" is not running, the whole view; else about the focus point.
    void InvalidateAssociationFocus();
    /// Where the pattern is drawn: its rectangle over the shown sizes (an input pattern while
    /// grading is shown) or in the base size, widened for its point names when they are shown,
    /// and by 3 pixels. Empty for a hidden input pattern while grading is shown.
    CDRect GetPatternArea(CPattern *pattern);
    /// Repaints the pattern's area and, while associations are shown, those of the patterns
    /// associated with it; the whole view while the document's redraw lock is held; nothing for
    /// a hidden input pattern.
    void InvalidatePattern(CPattern *pattern);
    /// ZoomAll when the pattern's area is not wholly visible.
    void EnsurePatternVisible(CPattern *pattern);
    /// Repaints about the active grade point, in every shown size when its pattern is shown.
    void InvalidateActivePoint();
    /// Centres the view on the active grade point when it lies outside the view.
    void ScrollToActivePoint();
    /// With an active mask, the cursor that the document's cursor table gives for the focus
    /// object; the window's own cursor otherwise. Qt shows it while the pointer is over the view.
    void UpdateCursor();

    void ReleaseCapture() override;
    double PixelsToWorld(int pixels) const override;
    void ZoomInAt(double x, double y) override { CScrollViewEx::ZoomInAt(x, y); }
    void ZoomOutAt(double x, double y) override { CScrollViewEx::ZoomOutAt(x, y); }
    void ZoomToRect(const CDRect &rect, int left, int top, int right, int bottom) override
    {
        CScrollViewEx::ZoomToRect(rect, left, top, right, bottom);
    }
    DPOINT GetClientCenterPoint() const override { return CScrollViewEx::GetClientCenterPoint(); }
    void CenterOn(double x, double y) override { CScrollViewEx::CenterOn(x, y); }
    /// Repaints the whole window without erasing it first.
    void InvalidateView() override { Invalidate(false); }

    /// Cut, copy and paste: each dispatches its event ("CutSelectedObjects",
    /// "CopySelectedObjects", "PasteObjects") to the task manager; UpdateEditActions enables
    /// each as the task manager would take its event now.
    QAction *GetCutAction() const { return m_pCutAction; }
    QAction *GetCopyAction() const { return m_pCopyAction; }
    QAction *GetPasteAction() const { return m_pPasteAction; }
    void UpdateEditActions();

    bool Rebuild() override;
    void OnAttached(EventData *data) override;
    void OnDetached(EventData *data) override;
    void OnEvent128(EventData *data) override;
    void OnBeforeChange(EventData *data) override;
    void OnAfterChange(EventData *data) override;
    void OnBeginUpdate(EventData *data) override;
    void OnEndUpdate(EventData *data) override;

protected:
    // What the reactions to the model's notifications do to the window.
    /// Repaints the world rectangle (grown by one pixel).
    virtual void InvalidateWorld(const CDRect &rect);
    /// Repaints the whole view.
    virtual void Redraw();
    /// Paints what is invalid at once.
    virtual void UpdateNow();
    /// Captures the mouse for the view.
    virtual void CaptureMouse();

    void DrawContent() override;
    void OnLButtonDownD(uint32_t flags, double x, double y) override;
    void OnLButtonUpD(uint32_t flags, double x, double y) override;
    void OnMouseMoveD(uint32_t flags, double x, double y) override;
    void OnRButtonUpD(uint32_t flags, double x, double y) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void enterEvent(QEnterEvent *event) override;

private:
    /// The record of a mouse event at (x, y).
    VIEW_MOUSE_PARAM MakeMouseParam(uint32_t flags, double x, double y);
    /// With an active mask: "control" and "shift", then the event with the record.
    void DispatchButton(const char *event, uint32_t flags, double x, double y);
    /// Writes "control" and "shift" of the main task from the flags.
    void SetModifierVariables(uint32_t flags);
    void SetMainTaskVariable(const char *name, int value);
    /// Dispatches the event with the record to the task manager; false without one.
    bool Dispatch(const std::string &name, void *param);
    /// Whether the task manager would take the event now.
    bool CanDispatch(const std::string &name) const;
    /// Whether the named task is running (active or enclosing the active one).
    bool IsTaskRunning(const std::string &name) const;
    void SetSwitch(void (CViewShapeQuery::*set)(bool), bool on);
    /// Runs the reaction of the notification table to the notification.
    void React(uint32_t kind, const EventData &data);
    /// The rectangle of the document's frame; empty when there is none.
    CDRect GetFrameRect() const;
    /// The active object's rectangle over the shown sizes; empty when it has none.
    CDRect GetFocusRect() const;
    /// An action of the view for the command id: it dispatches event.
    QAction *MakeEditAction(uint32_t command, QKeySequence::StandardKey key, const char *event);

    IDocumentServices &m_rServices;
    CViewShapeQuery m_oShapeQuery;
    CMaskDrawing m_oDrawing;
    DPOINT m_oPreviousMousePoint;
    QAction *m_pCutAction = nullptr;
    QAction *m_pCopyAction = nullptr;
    QAction *m_pPasteAction = nullptr;
    std::unique_ptr<morvane::IViewZoomSource> m_pZoomSource;
};
