// Morvane main window, view and interaction.
// The main view: the active grade mask drawn, the mouse turned into task events, the model's
// notifications turned into repaints.
#include "app/ui/view/MorvaneView.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/CursorTable.h"
#include "app/interaction/FocusShapeSet.h"
#include "app/tables/GradeSizeSelection.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/CursorImages.h"
#include "app/ui/view/MouseFlags.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/IInputPatterns.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "tasks/ICommandAttributes.h"
#include "tasks/Task.h"
#include "tasks/TaskManager.h"

#include <QAction>
#include <QContextMenuEvent>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

/// The world of the view, in millimetres, and its zoom after a reset.
constexpr double kWorldHalfSide = 5000.0;
constexpr double kResetZoom = 0.3;
/// Pixels kept free on each side by the zooms to what is shown.
constexpr int kZoomMargin = 10;
/// The zoom commands of the view.
constexpr uint32_t kZoomInCommand = 32799;
constexpr uint32_t kZoomOutCommand = 32800;
/// The framework's edit commands.
constexpr uint32_t kCutCommand = 57635;
constexpr uint32_t kCopyCommand = 57634;
constexpr uint32_t kPasteCommand = 57637;

/// The shown sizes as the patterns' rectangles take them.
CPtrCollection<IGradeSize> shownSizes(IDocumentServices &services)
{
    CPtrCollection<IGradeSize> sizes;
    if (const CGradeSizeSelection *selection = services.GetSizeSelection()) {
        for (const auto &size : selection->GetShownSizes())
            sizes.Add(size.get());
    }
    return sizes;
}

/// The widest name of the pattern's grade points, in characters.
int longestPointName(const CPattern &pattern)
{
    size_t longest = 0;
    for (int i = 0; i < pattern.GetGradePointCount(); ++i)
        longest = std::max(longest, pattern.GetGradePointAt(i)->GetDrawText().size());
    return static_cast<int>(longest);
}

/// The zoom of the view, for the focus searches.
class ViewZoom : public morvane::IViewZoomSource
{
public:
    explicit ViewZoom(const CScrollViewEx &view) : m_rView(view) {}
    double GetZoom() const override { return m_rView.GetZoom(); }

private:
    const CScrollViewEx &m_rView;
};

} // namespace

CMorvaneView::CMorvaneView(IDocumentServices &services, QWidget *parent)
    : CScrollViewEx(parent)
    , m_rServices(services)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pCutAction = MakeEditAction(kCutCommand, QKeySequence::Cut, "CutSelectedObjects");
    m_pCopyAction = MakeEditAction(kCopyCommand, QKeySequence::Copy, "CopySelectedObjects");
    m_pPasteAction = MakeEditAction(kPasteCommand, QKeySequence::Paste, "PasteObjects");
    m_pZoomSource = std::make_unique<ViewZoom>(*this);
    CFocusShapeSet::SetViewZoomSource(m_pZoomSource.get());
}

CMorvaneView::~CMorvaneView()
{
    if (CFocusShapeSet::GetViewZoomSource() == m_pZoomSource.get())
        CFocusShapeSet::SetViewZoomSource(nullptr);
}

QAction *CMorvaneView::MakeEditAction(uint32_t command, QKeySequence::StandardKey key,
                                      const char *event)
{
    auto *action = new QAction(this);
    action->setData(command);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, [this, event] { Dispatch(event, nullptr); });
    addAction(action);
    return action;
}

bool CMorvaneView::ResetView()
{
    SetWorld(-kWorldHalfSide, -kWorldHalfSide, 2 * kWorldHalfSide, 2 * kWorldHalfSide, true);
    SetExtent(-kWorldHalfSide, -kWorldHalfSide, kWorldHalfSide, kWorldHalfSide);
    SetZoom(kResetZoom);
    CenterOn(0.0, 0.0);
    m_oShapeQuery.SetOwner(&m_rServices, this);
    return true;
}

bool CMorvaneView::Rebuild()
{
    return ResetView();
}

void CMorvaneView::OnInitialUpdate()
{
    CScrollViewEx::OnInitialUpdate();
    setFont(QFont("Arial", 7));
    AddZoomCommand(ZA_ZOOM_IN, kZoomInCommand);
    AddZoomCommand(ZA_ZOOM_OUT, kZoomOutCommand);
    SetBackgroundColor(
        static_cast<uint32_t>(COptions::GetInstance()->m_pBkgrdWorkArea->GetValue()));
}

void CMorvaneView::OnUpdate(int hint)
{
    if (hint == 1)
        OnInitialUpdate();
}

MaskViewState CMorvaneView::ReadViewState() const
{
    return ReadMaskViewState(m_rServices);
}

void CMorvaneView::DrawContent()
{
    m_oDrawing.Draw(*this, ReadViewState());
}

bool CMorvaneView::GetInputFilterFlag() const
{
    return m_oShapeQuery.GetInputPointSwitch();
}

void CMorvaneView::SetInputFilterFlag(bool on)
{
    SetSwitch(&CViewShapeQuery::SetInputPointSwitch, on);
}

bool CMorvaneView::GetMarkerFilterFlag() const
{
    return m_oShapeQuery.GetGradePointSwitch();
}

void CMorvaneView::SetMarkerFilterFlag(bool on)
{
    SetSwitch(&CViewShapeQuery::SetGradePointSwitch, on);
}

bool CMorvaneView::GetFocusFilterFlag() const
{
    return m_oShapeQuery.GetMaskPointSwitch();
}

void CMorvaneView::SetFocusFilterFlag(bool on)
{
    SetSwitch(&CViewShapeQuery::SetMaskPointSwitch, on);
}

void CMorvaneView::SetSwitch(void (CViewShapeQuery::*set)(bool), bool on)
{
    (m_oShapeQuery.*set)(on);
    Redraw();
}

// Mouse input.

VIEW_MOUSE_PARAM CMorvaneView::MakeMouseParam(uint32_t flags, double x, double y)
{
    VIEW_MOUSE_PARAM param;
    param.position = {x, y};
    param.keyFlags = flags;
    param.view = this;
    param.pressPosition = GetButtonDownPosition();
    param.zoom = GetZoom();
    param.previousPosition = m_oPreviousMousePoint;
    return param;
}

double CMorvaneView::PixelsToWorld(int pixels) const
{
    return CScrollViewEx::PixelsToWorld(pixels);
}

void CMorvaneView::OnMouseMoveD(uint32_t flags, double x, double y)
{
    if (m_rServices.GetActiveGradeMask() == nullptr)
        return;
    VIEW_MOUSE_PARAM param = MakeMouseParam(flags, x, y);
    const DPOINT &down = GetButtonDownPosition();
    // Pixels from the press, truncated; the tiny addition keeps a distance of exactly n pixels
    // from coming out as n - 1 through the rounding of the world coordinates.
    const double pixels = std::hypot(x - down.x, y - down.y) * GetZoom() + 1e-9;
    SetMainTaskVariable("dist", static_cast<int>(std::min(pixels, double(INT_MAX))));
    SetModifierVariables(flags);
    Dispatch("OnMouseMoveD", &param);
    m_oPreviousMousePoint = {x, y};
}

void CMorvaneView::OnLButtonDownD(uint32_t flags, double x, double y)
{
    DispatchButton("OnLButtonDownD", flags, x, y);
}

void CMorvaneView::OnLButtonUpD(uint32_t flags, double x, double y)
{
    DispatchButton("OnLButtonUpD", flags, x, y);
}

void CMorvaneView::OnRButtonUpD(uint32_t flags, double x, double y)
{
    DispatchButton("OnRButtonUpD", flags, x, y);
}

void CMorvaneView::DispatchButton(const char *event, uint32_t flags, double x, double y)
{
    if (m_rServices.GetActiveGradeMask() == nullptr)
        return;
    VIEW_MOUSE_PARAM param = MakeMouseParam(flags, x, y);
    SetModifierVariables(flags);
    Dispatch(event, &param);
}

void CMorvaneView::SetModifierVariables(uint32_t flags)
{
    SetMainTaskVariable("control", (flags & MK_CONTROL) != 0 ? 1 : 0);
    SetMainTaskVariable("shift", (flags & MK_SHIFT) != 0 ? 1 : 0);
}

void CMorvaneView::SetMainTaskVariable(const char *name, int value)
{
    CTaskManager *manager = m_rServices.GetTaskManager();
    CTask *mainTask = manager != nullptr ? manager->GetMainTask() : nullptr;
    if (mainTask != nullptr)
        mainTask->GetAttributes()->SetInteger(name, value);
}

bool CMorvaneView::Dispatch(const std::string &name, void *param)
{
    CTaskManager *manager = m_rServices.GetTaskManager();
    return manager != nullptr && manager->DispatchEvent(name, param);
}

bool CMorvaneView::CanDispatch(const std::string &name) const
{
    CTaskManager *manager = m_rServices.GetTaskManager();
    return manager != nullptr && manager->CanDispatchEvent(name, nullptr);
}

bool CMorvaneView::IsTaskRunning(const std::string &name) const
{
    CTaskManager *manager = m_rServices.GetTaskManager();
    return manager != nullptr && manager->GetTaskStatus(name) != TS_INACTIVE;
}

void CMorvaneView::contextMenuEvent(QContextMenuEvent *event)
{
    PopupMenuPoint point{event->globalPos().x(), event->globalPos().y()};
    Dispatch("ShowPopupMenu", &point);
}

void CMorvaneView::UpdateEditActions()
{
    m_pCutAction->setEnabled(CanDispatch("CutSelectedObjects"));
    m_pCopyAction->setEnabled(CanDispatch("CopySelectedObjects"));
    m_pPasteAction->setEnabled(CanDispatch("PasteObjects"));
}

void CMorvaneView::CaptureMouse()
{
    viewport()->grabMouse();
}

void CMorvaneView::ReleaseCapture()
{
    if (QWidget::mouseGrabber() == viewport())
        viewport()->releaseMouse();
}

// Zooms.

void CMorvaneView::ZoomAll()
{
    IGradeMask *mask = m_rServices.GetActiveGradeMask();
    if (mask == nullptr)
        return;
    const MaskViewState state = ReadViewState();
    CDRect all;
    IInputPatterns *patterns = m_rServices.GetInputPatterns();
    if (state.patternsShownMode != 2 && patterns != nullptr) {
        const CPtrCollection<IGradeSize> sizes = shownSizes(m_rServices);
        for (int i = 0; i < patterns->GetPatternCount(); ++i) {
            CPattern *pattern = patterns->GetPatternAt(i);
            if (IsPatternShown(pattern))
                all.Union(pattern->GetAbsRect(&sizes));
        }
    }
    if (state.patternsShownMode != 1) {
        for (int i = 0; i < mask->GetPatternCount(); ++i)
            all.Union(mask->GetPatternAt(i)->GetAbsRect(nullptr));
    }
    if (state.showMaskRegions) {
        // Only what a region's limits fix: an unlimited side reaches 1e10 millimetres away.
        for (int i = 0; i < mask->GetGradeRegionCount(); ++i) {
            CDRect bounds;
            all.Union(mask->GetGradeRegionAt(i)->GetBoundRect(bounds, true));
        }
    }
    if (all.IsValid())
        ZoomToRect(all, kZoomMargin, kZoomMargin, kZoomMargin, kZoomMargin);
}

CDRect CMorvaneView::GetFocusRect() const
{
    const CPtrCollection<IGradeSize> sizes = shownSizes(m_rServices);
    return ReadViewState().GetActiveRect(&sizes);
}

bool CMorvaneView::HasFocusRect() const
{
    return GetFocusRect().IsValid();
}

void CMorvaneView::ZoomToFocus()
{
    const CDRect rect = GetFocusRect();
    if (rect.IsValid())
        ZoomToRect(rect, kZoomMargin, kZoomMargin, kZoomMargin, kZoomMargin);
}

// Invalidation.

void CMorvaneView::InvalidateWorld(const CDRect &rect)
{
    InvalidateWorldRect(rect.GetMinX(), rect.GetMinY(), rect.GetMaxX(), rect.GetMaxY(), true);
}

void CMorvaneView::Redraw()
{
    Invalidate(false);
}

void CMorvaneView::UpdateNow()
{
    viewport()->repaint();
}

void CMorvaneView::InvalidateAround(const DPOINT &point, int pixels)
{
    const double half = PixelsToWorld(pixels);
    InvalidateWorld(CDRect(point.x - half, point.y - half, point.x + half, point.y + half));
}

void CMorvaneView::InvalidatePivot()
{
    const MaskViewState state = ReadViewState();
    InvalidateAround(state.pivotPoint, 4);
}

void CMorvaneView::InvalidateItemPoint(const DPOINT &position)
{
    InvalidateAround(position, 5);
}

void CMorvaneView::InvalidateAssociationFocus()
{
    if (!IsTaskRunning("AssociatePointsTask")) {
        Redraw();
        return;
    }
    const MaskViewState state = ReadViewState();
    if (state.focusPosition)
        InvalidateAround(*state.focusPosition, 3);
}

CDRect CMorvaneView::GetPatternArea(CPattern *pattern)
{
    const bool input = pattern->GetInputPattern() != nullptr;
    const MaskViewState state = ReadViewState();
    CDRect area;
    if (input && state.gradingShownMode != 0) {
        if (!IsPatternShown(pattern))
            return area;
        const CPtrCollection<IGradeSize> sizes = shownSizes(m_rServices);
        area = pattern->GetAbsRect(&sizes);
    } else {
        area = pattern->GetAbsRect(nullptr);
    }
    if (!area.IsValid())
        return area;
    if (input ? GetInputFilterFlag() : GetFocusFilterFlag()) {
        const double label = PixelsToWorld(longestPointName(*pattern) * 10);
        const double line = PixelsToWorld(10);
        area.Inflate(label, line, label, line);
    }
    const double margin = PixelsToWorld(3);
    area.Inflate(margin, margin, margin, margin);
    return area;
}

void CMorvaneView::InvalidatePattern(CPattern *pattern)
{
    if (!IsPatternShown(pattern))
        return;
    if (m_rServices.IsBulkChange()) {
        Redraw();
        return;
    }
    CDRect area = GetPatternArea(pattern);
    const MaskViewState state = ReadViewState();
    if (state.switch8Shown || state.switch9Shown) {
        CPtrCollection<CPattern> partners;
        pattern->GetAssPatterns(partners);
        const bool input = pattern->GetInputPattern() != nullptr;
        for (CPattern *partner : partners) {
            if (input || IsPatternShown(partner))
                area.Union(GetPatternArea(partner));
        }
    }
    if (area.IsValid())
        InvalidateWorld(area);
}

void CMorvaneView::EnsurePatternVisible(CPattern *pattern)
{
    const CDRect area = GetPatternArea(pattern);
    if (!area.IsValid())
        return;
    const CDRect visible = GetVisibleWorldRect();
    const auto inside = [&visible](double x, double y) {
        return x >= visible.GetMinX() && x <= visible.GetMaxX() && y >= visible.GetMinY() &&
               y <= visible.GetMaxY();
    };
    if (!inside(area.GetMinX(), area.GetMinY()) || !inside(area.GetMaxX(), area.GetMaxY()))
        ZoomAll();
}

void CMorvaneView::InvalidateActivePoint()
{
    const CBasePoint *point = ReadViewState().activePoint;
    if (point == nullptr)
        return;
    CPattern *pattern = point->GetParent();
    if (pattern != nullptr && pattern->GetInputPattern() != nullptr && IsPatternShown(pattern)) {
        const CPtrCollection<IGradeSize> sizes = shownSizes(m_rServices);
        for (const IGradeSize *size : sizes)
            InvalidateAround(point->GetPosition(size), 3);
        InvalidateAround(point->GetPosition(nullptr), 3);
    }
    InvalidateAround(point->GetAbsPosition(), 3);
}

void CMorvaneView::ScrollToActivePoint()
{
    const CBasePoint *point = ReadViewState().activePoint;
    if (point == nullptr)
        return;
    const DPOINT at = point->GetAbsPosition();
    const CDRect visible = GetVisibleWorldRect();
    if (at.x >= visible.GetMinX() && at.x <= visible.GetMaxX() && at.y >= visible.GetMinY() &&
        at.y <= visible.GetMaxY())
        return;
    CenterOn(at.x, at.y);
    Redraw();
}

void CMorvaneView::UpdateCursor()
{
    const CCursorTable *cursors = m_rServices.GetCursorTable();
    if (m_rServices.GetActiveGradeMask() == nullptr || cursors == nullptr) {
        viewport()->unsetCursor();
        return;
    }
    viewport()->setCursor(morvane::CursorFromId(cursors->GetCursor()));
}

void CMorvaneView::enterEvent(QEnterEvent *event)
{
    CScrollViewEx::enterEvent(event);
    UpdateCursor();
}

CDRect CMorvaneView::GetFrameRect() const
{
    return ReadFrameRect(m_rServices);
}
