// Morvane editing commands.
// Dragging one edge of the active region, turning it after the pointer, and deleting a region.
#include "app/commands/regions/CmdRegionEdits.h"

#include "app/documents/EventRecords.h"
#include "app/interaction/FocusManager.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "tasks/ICommandAttributes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kFarAlong = 1e10;
constexpr double kSmallestChange = 0.001;

/// The distance from start to the foot of the perpendicular from p on the segment from start
/// along unit, clamped to the segment.
double distanceAlong(DPOINT start, DPOINT unit, DPOINT p)
{
    const double along = (p.x - start.x) * unit.x + (p.y - start.y) * unit.y;
    return std::clamp(along, 0.0, kFarAlong);
}

double edgeOffset(const IRegion &region, int edgeKind)
{
    switch (edgeKind) {
    case CFocusObject::kRegionRightEdge:
        return region.GetRight90();
    case CFocusObject::kRegionLeftEdge:
        return region.GetLeft90();
    default:
        return region.GetMaxHeight();
    }
}

void setEdgeOffset(IRegion &region, int edgeKind, double value)
{
    switch (edgeKind) {
    case CFocusObject::kRegionRightEdge:
        region.SetRight90(value);
        break;
    case CFocusObject::kRegionLeftEdge:
        region.SetLeft90(value);
        break;
    default:
        region.SetMaxHeight(value);
        break;
    }
}

IRegion *activeRegion(const CFocusManager *focus)
{
    if (focus == nullptr || !focus->IsActiveRegion())
        return nullptr;
    return dynamic_cast<IRegion *>(focus->GetActiveItem());
}

const MouseEventFields *mouseRecord(void *data)
{
    return static_cast<const MouseEventFields *>(data);
}

} // namespace

CCmdMoveRegion::CCmdMoveRegion()
{
    Create("MoveRegion");
    SetFlags(true, false, CMT_MODIFY);
    SetToolTips(0xEF96);
}

std::unique_ptr<ICommand> CCmdMoveRegion::Clone() const
{
    return std::make_unique<CCmdMoveRegion>(*this);
}

bool CCmdMoveRegion::EdgeValue(const IRegion &region, int edgeKind, DPOINT pointer,
                               double &value)
{
    const DPOINT q = region.GetPosition();
    const double a = region.GetDirection(true);
    switch (edgeKind) {
    case CFocusObject::kRegionTopEdge:
        value = distanceAlong(q, {std::cos(a), std::sin(a)}, pointer);
        return true;
    case CFocusObject::kRegionRightEdge:
        value = distanceAlong(q, {std::sin(a), -std::cos(a)}, pointer);
        return true;
    case CFocusObject::kRegionLeftEdge:
        value = -distanceAlong(q, {-std::sin(a), std::cos(a)}, pointer);
        return true;
    default:
        return false;
    }
}

bool CCmdMoveRegion::OnExecute(void *data)
{
    const MouseEventFields *mouse = mouseRecord(data);
    const CFocusManager *focus = GetFocusManager();
    m_pRegion = activeRegion(focus);
    if (mouse == nullptr || m_pRegion == nullptr)
        return false;
    const CFocusObject *edge = focus->GetActiveObject()->GetSubObject();
    m_nEdgeKind = edge != nullptr ? edge->GetType() : CFocusObject::kNothing;
    if (!EdgeValue(*m_pRegion, m_nEdgeKind, mouse->position, m_dKept))
        return false;
    return SwapEdge();
}

void CCmdMoveRegion::OnUndo()
{
    SwapEdge();
}

void CCmdMoveRegion::OnRedo()
{
    SwapEdge();
}

bool CCmdMoveRegion::SwapEdge()
{
    const double current = edgeOffset(*m_pRegion, m_nEdgeKind);
    if (std::abs(current - m_dKept) <= kSmallestChange)
        return false;
    setEdgeOffset(*m_pRegion, m_nEdgeKind, m_dKept);
    m_dKept = current;
    return true;
}

CCmdRotateRegion::CCmdRotateRegion()
{
    Create("RotateRegion");
    SetFlags(true, false, CMT_MODIFY);
    SetToolTips(0xEF98);
}

std::unique_ptr<ICommand> CCmdRotateRegion::Clone() const
{
    return std::make_unique<CCmdRotateRegion>(*this);
}

bool CCmdRotateRegion::OnExecute(void *data)
{
    const MouseEventFields *mouse = mouseRecord(data);
    m_pRegion = activeRegion(GetFocusManager());
    if (mouse == nullptr || m_pRegion == nullptr)
        return false;
    double startAngle = 0.0;
    GetAttributes()->GetDouble("dRotStartRad", &startAngle);
    const DPOINT q = m_pRegion->GetPosition();
    m_dKept = std::atan2(mouse->position.y - q.y, mouse->position.x - q.x) - startAngle;
    SwapDirection();
    return true;
}

void CCmdRotateRegion::OnUndo()
{
    SwapDirection();
}

void CCmdRotateRegion::OnRedo()
{
    SwapDirection();
}

void CCmdRotateRegion::SwapDirection()
{
    const double current = m_pRegion->GetDirection(true);
    m_pRegion->SetDirection(m_dKept, true);
    m_dKept = current;
}

CCmdDeleteRegion::CCmdDeleteRegion()
{
    Create("DeleteRegion");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(0xEF9C);
}

std::unique_ptr<ICommand> CCmdDeleteRegion::Clone() const
{
    return std::make_unique<CCmdDeleteRegion>(*this);
}

bool CCmdDeleteRegion::OnExecute(void *data)
{
    const auto *region = static_cast<const IRegion *>(data);
    IGradeMask *mask = GetActiveMask();
    const int index = mask != nullptr && region != nullptr ? mask->FindGradeRegion(region) : -1;
    if (index < 0)
        return false;
    return RecordInHistory([index](IGradeMask &owner) { owner.RemoveGradeRegionAt(index); });
}
