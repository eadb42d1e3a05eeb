// Morvane main window, view and interaction.
// How the main view answers the model's notifications: one table from (kind, sender, code) to
// the reaction.
#include "app/documents/IDocumentServices.h"
#include "app/ui/options/Options.h"
#include "app/ui/view/MorvaneView.h"
#include "model/Contour.h"
#include "model/GradeMask.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "model/PatternLocation.h"
#include "model/Polyline.h"

using namespace morvane;

namespace {

/// What the view does for a notification. "The notified object" is the owner of the handler
/// that sent it; "the data" its second word.
enum class Reaction {
    /// The area of the notified pattern.
    NotifiedPattern,
    /// The area of the pattern that the data holds.
    DataPattern,
    /// The area of the notified pattern location's pattern.
    LocatedPattern,
    /// That, and when the pattern is shown, zooms to show it and paints at once.
    LocatedPatternShown,
    /// The area of the notified polyline's pattern.
    PolylinePattern,
    /// The notified contour's rectangle and its pattern's area.
    Contour,
    Redraw,
    RedrawAndZoomAll,
    /// About the document's measure point whose index the data holds.
    MeasurePointAt,
    /// About the measure point that the data holds.
    MeasurePoint,
    /// About the notified mask's centre.
    MaskCentre,
    /// The document's frame.
    Frame,
    /// The frame and, while "AssociatePointsTask" is not running, the active grade point.
    FrameAndActivePoint,
    UpdateNowUnlessSuspended,
    RedrawUnlessSuspended,
    ActivePoint,
    ActivePointAndScroll,
    AssociationFocus,
    Pivot,
    CaptureMouse,
    OptionsChanged,
    Cursor,
};

constexpr int kAnyCode = -1;

struct NotificationRow
{
    uint32_t kind;
    uint16_t sender;
    int code;
    Reaction reaction;
};

// Senders: model kinds below 100, then the main document (100), the interaction modes (101),
// the size selection (102), the focus manager (103), the mask documents (107, 108), the
// measurement-table document (109), the rotation pivot (110), a table (1001). The measure points
// are the active mask document's item list, which it announces as 108 with code 105.
constexpr NotificationRow kNotificationTable[] = {
    {kEventAttached, 0, 7, Reaction::NotifiedPattern},
    {kEventAttached, 0, 13, Reaction::NotifiedPattern},
    {kEventAttached, 1, 0, Reaction::Redraw},
    {kEventAttached, 1, 2, Reaction::Redraw},
    {kEventAttached, 1, 3, Reaction::Redraw},
    {kEventAttached, 4, 5, Reaction::Redraw},
    {kEventAttached, 107, 108, Reaction::Redraw},
    {kEventAttached, 108, 106, Reaction::Redraw},
    {kEventAttached, 10, 0, Reaction::DataPattern},
    {kEventAttached, 108, 105, Reaction::MeasurePointAt},
    {kEventDetached, 0, 7, Reaction::NotifiedPattern},
    {kEventDetached, 0, 13, Reaction::NotifiedPattern},
    {kEventDetached, 1, 0, Reaction::DataPattern},
    {kEventDetached, 10, 0, Reaction::DataPattern},
    {kEventDetached, 1, 2, Reaction::Redraw},
    {kEventDetached, 1, 3, Reaction::Redraw},
    {kEventDetached, 4, 5, Reaction::Redraw},
    {kEventDetached, 108, 106, Reaction::Redraw},
    {kEventDetached, 1001, 1003, Reaction::Redraw},
    {kEventDetached, 108, 105, Reaction::MeasurePoint},
    {kEvent128, 100, 108, Reaction::RedrawAndZoomAll},
    {kEvent128, 103, 6, Reaction::Redraw},
    {kEvent128, 109, 1001, Reaction::Redraw},
    {kEventBeforeChange, 0, 0, Reaction::NotifiedPattern},
    {kEventBeforeChange, 1, 0, Reaction::MaskCentre},
    {kEventBeforeChange, 16, 0, Reaction::LocatedPattern},
    {kEventBeforeChange, 16, 1, Reaction::LocatedPattern},
    {kEventBeforeChange, 100, 6, Reaction::Frame},
    {kEventBeforeChange, 100, 8, Reaction::UpdateNowUnlessSuspended},
    {kEventBeforeChange, 101, 0, Reaction::ActivePoint},
    {kEventBeforeChange, 103, 1, Reaction::ActivePoint},
    {kEventBeforeChange, 102, 0, Reaction::Redraw},
    {kEventBeforeChange, 103, 0, Reaction::AssociationFocus},
    {kEventBeforeChange, 110, 0xFFFF, Reaction::Pivot},
    {kEventAfterChange, 0, 0, Reaction::NotifiedPattern},
    {kEventAfterChange, 1, 0, Reaction::MaskCentre},
    {kEventAfterChange, 0, 1, Reaction::Redraw},
    {kEventAfterChange, 2, 0, Reaction::Redraw},
    {kEventAfterChange, 2, 1, Reaction::Redraw},
    {kEventAfterChange, 2, 2, Reaction::Redraw},
    {kEventAfterChange, 2, 3, Reaction::Redraw},
    {kEventAfterChange, 2, 4, Reaction::Redraw},
    {kEventAfterChange, 2, 5, Reaction::Redraw},
    {kEventAfterChange, 2, 6, Reaction::Redraw},
    {kEventAfterChange, 3, 4, Reaction::Redraw},
    {kEventAfterChange, 3, 0xFFFF, Reaction::Redraw},
    {kEventAfterChange, 4, 0xFFFF, Reaction::Redraw},
    {kEventAfterChange, 8, 0, Reaction::Redraw},
    {kEventAfterChange, 8, 0xFFFF, Reaction::Redraw},
    {kEventAfterChange, 100, 0, Reaction::Redraw},
    {kEventAfterChange, 101, 1, Reaction::Redraw},
    {kEventAfterChange, 102, 0, Reaction::Redraw},
    {kEventAfterChange, 15, 0xFFFF, Reaction::Contour},
    {kEventAfterChange, 16, 0, Reaction::LocatedPattern},
    {kEventAfterChange, 16, 1, Reaction::LocatedPatternShown},
    {kEventAfterChange, 100, 1, Reaction::CaptureMouse},
    {kEventAfterChange, 100, 3, Reaction::OptionsChanged},
    {kEventAfterChange, 100, 6, Reaction::FrameAndActivePoint},
    {kEventAfterChange, 100, 7, Reaction::Cursor},
    {kEventAfterChange, 100, 8, Reaction::RedrawUnlessSuspended},
    {kEventAfterChange, 103, 0, Reaction::AssociationFocus},
    {kEventAfterChange, 103, 1, Reaction::ActivePointAndScroll},
    {kEventAfterChange, 110, 0xFFFF, Reaction::Pivot},
    {kEventBeginUpdate, 0, kAnyCode, Reaction::NotifiedPattern},
    {kEventBeginUpdate, 13, kAnyCode, Reaction::PolylinePattern},
    {kEventEndUpdate, 0, kAnyCode, Reaction::NotifiedPattern},
    {kEventEndUpdate, 1, kAnyCode, Reaction::RedrawAndZoomAll},
    {kEventEndUpdate, 13, kAnyCode, Reaction::PolylinePattern},
};

const NotificationRow *findRow(uint32_t kind, uint32_t sender, uint32_t code)
{
    for (const NotificationRow &row : kNotificationTable) {
        if (row.kind == kind && row.sender == sender &&
            (row.code == kAnyCode || static_cast<uint32_t>(row.code) == code))
            return &row;
    }
    return nullptr;
}

/// The pattern of a pattern notification's data: a child pattern attached (the object) or
/// detached (its handler's owner, which is the pattern too).
CPattern *patternOf(uintptr_t data)
{
    return static_cast<CPattern *>(reinterpret_cast<void *>(data));
}

} // namespace

void CMorvaneView::OnAttached(EventData *data)
{
    React(kEventAttached, *data);
}

void CMorvaneView::OnDetached(EventData *data)
{
    React(kEventDetached, *data);
}

void CMorvaneView::OnEvent128(EventData *data)
{
    React(kEvent128, *data);
}

void CMorvaneView::OnBeforeChange(EventData *data)
{
    React(kEventBeforeChange, *data);
}

void CMorvaneView::OnAfterChange(EventData *data)
{
    React(kEventAfterChange, *data);
}

void CMorvaneView::OnBeginUpdate(EventData *data)
{
    React(kEventBeginUpdate, *data);
}

void CMorvaneView::OnEndUpdate(EventData *data)
{
    React(kEventEndUpdate, *data);
}

void CMorvaneView::React(uint32_t kind, const EventData &data)
{
    const NotificationRow *row = findRow(kind, data.m_aIds[0] & 0xFFFF, data.m_nFirst & 0xFFFF);
    if (row == nullptr)
        return;
    void *notified = data.m_aOwners[0];
    switch (row->reaction) {
    case Reaction::NotifiedPattern:
        InvalidatePattern(static_cast<CPattern *>(notified));
        return;
    case Reaction::DataPattern:
        InvalidatePattern(patternOf(data.m_nSecond));
        return;
    case Reaction::LocatedPattern:
        InvalidatePattern(static_cast<CPatternLocation *>(notified)->GetPattern());
        return;
    case Reaction::LocatedPatternShown: {
        CPattern *pattern = static_cast<CPatternLocation *>(notified)->GetPattern();
        InvalidatePattern(pattern);
        if (IsPatternShown(pattern)) {
            EnsurePatternVisible(pattern);
            UpdateNow();
        }
        return;
    }
    case Reaction::PolylinePattern:
        InvalidatePattern(static_cast<CPolyline *>(notified)->GetOwner());
        return;
    case Reaction::Contour: {
        const auto *contour = static_cast<CContour *>(notified);
        const CDRect rect = contour->GetAbsRect();
        if (rect.IsValid())
            InvalidateWorld(rect);
        if (contour->GetPattern() != nullptr)
            InvalidatePattern(contour->GetPattern());
        return;
    }
    case Reaction::Redraw:
        Redraw();
        return;
    case Reaction::RedrawAndZoomAll:
        Redraw();
        ZoomAll();
        return;
    case Reaction::MeasurePointAt: {
        const auto index = static_cast<int>(data.m_nSecond);
        if (index < 0 || index >= m_rServices.GetItemCount())
            return;
        if (const auto at = GetItemPosition(m_rServices.GetItemAt(index)))
            InvalidateAround(*at, 4);
        return;
    }
    case Reaction::MeasurePoint:
        if (const auto at = GetItemPosition(reinterpret_cast<const CObject *>(data.m_nSecond)))
            InvalidateAround(*at, 4);
        return;
    case Reaction::MaskCentre:
        InvalidateItemPoint(static_cast<CGradeMask *>(notified)->GetCenter());
        return;
    case Reaction::Frame: {
        const CDRect frame = GetFrameRect();
        if (frame.IsValid())
            InvalidateWorld(frame);
        return;
    }
    case Reaction::FrameAndActivePoint: {
        CDRect area = GetFrameRect();
        const CBasePoint *point = ReadViewState().activePoint;
        if (point != nullptr && !IsTaskRunning("AssociatePointsTask")) {
            const DPOINT at = point->GetAbsPosition();
            area.Include(at.x, at.y);
        }
        if (area.IsValid())
            InvalidateWorld(area);
        return;
    }
    case Reaction::UpdateNowUnlessSuspended:
        if (!m_rServices.IsFailed())
            UpdateNow();
        return;
    case Reaction::RedrawUnlessSuspended:
        if (!m_rServices.IsFailed())
            Redraw();
        return;
    case Reaction::ActivePoint:
        InvalidateActivePoint();
        return;
    case Reaction::ActivePointAndScroll:
        InvalidateActivePoint();
        ScrollToActivePoint();
        return;
    case Reaction::AssociationFocus:
        InvalidateAssociationFocus();
        return;
    case Reaction::Pivot:
        InvalidatePivot();
        return;
    case Reaction::CaptureMouse:
        CaptureMouse();
        return;
    case Reaction::Cursor:
        UpdateCursor();
        return;
    case Reaction::OptionsChanged:
        SetBackgroundColor(
            static_cast<uint32_t>(COptions::GetInstance()->m_pBkgrdWorkArea->GetValue()));
        Redraw();
        return;
    }
}
