// Morvane editing commands.
// "ClosePolyline": a mask line's open end is joined to the nearest end of another line.
#include "app/commands/polylines/CmdClosePolyline.h"

#include "app/commands/polylines/MaskLineEditing.h"
#include "model/BasePoint.h"
#include "model/MaskPolyline.h"
#include "model/Pattern.h"

using namespace morvane;

namespace {

/// The line whose end the point is and the pattern index of the nearest end of another line.
struct CloseTarget
{
    CPolyline *line = nullptr;
    int endPointIndex = -1;
};

CloseTarget findCloseTarget(CBasePoint *point)
{
    CPattern *pattern = maskPatternOf(point);
    if (pattern == nullptr)
        return {};
    int lineIndex = -1;
    bool isEnd = false;
    if (pattern->FindPolyPoint(point, lineIndex, isEnd) < 0 || !isEnd)
        return {};
    const DPOINT at = point->GetAbsPosition();
    int other = -1;
    double distance = 0.0;
    const int position = pattern->GetNearestEndPoint(at.x, at.y, lineIndex, other, distance);
    if (position < 0 || distance >= kJoinDistance)
        return {};
    const CPolyline *otherLine = pattern->GetPatternPolylineAt(other);
    if (otherLine->GetBasePointAt(position) == point)
        return {};
    return {pattern->GetPatternPolylineAt(lineIndex), otherLine->GetPointAt(position)};
}

} // namespace

CCmdClosePolyline::CCmdClosePolyline()
{
    Create("ClosePolyline");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(kLineEditTipId);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdClosePolyline::Clone() const
{
    return std::make_unique<CCmdClosePolyline>(*this);
}

bool CCmdClosePolyline::IsEnabled(void *data)
{
    return findCloseTarget(static_cast<CBasePoint *>(data)).line != nullptr;
}

bool CCmdClosePolyline::OnExecute(void *data)
{
    auto *point = static_cast<CBasePoint *>(data);
    const CloseTarget target = findCloseTarget(point);
    if (target.line == nullptr)
        return false;
    m_pPolyline = target.line;
    m_nPointIndex = target.endPointIndex;
    const bool atStart = m_pPolyline->FindBasePoint(point) == 0;
    m_nPosition = m_pPolyline->GetMaskPolyline()->InsertPoint(m_nPointIndex, atStart ? 0 : -1);
    return m_nPosition >= 0;
}

void CCmdClosePolyline::OnUndo()
{
    m_pPolyline->GetMaskPolyline()->RemovePointAt(m_nPosition);
}

void CCmdClosePolyline::OnRedo()
{
    m_pPolyline->GetMaskPolyline()->InsertPoint(m_nPointIndex, m_nPosition);
}
