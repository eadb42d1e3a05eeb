// Morvane editing commands.
// "AddTwoPointsPolyline": a line between the two positions the two-point tool picked.
#include "app/commands/polylines/CmdAddTwoPointsPolyline.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "model/MaskPattern.h"

#include <cmath>

namespace {

constexpr double kSamePlace = 0.5;
constexpr uint32_t kTwoPointsTipId = 61522;

const CFocusObject *pickAt(IDocumentServices &document, int index)
{
    return index < document.GetItemCount()
               ? dynamic_cast<const CFocusObject *>(document.GetItemAt(index))
               : nullptr;
}

} // namespace

CCmdAddTwoPointsPolyline::CCmdAddTwoPointsPolyline()
{
    Create("AddTwoPointsPolyline");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(kTwoPointsTipId);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdAddTwoPointsPolyline::Clone() const
{
    return std::make_unique<CCmdAddTwoPointsPolyline>(*this);
}

bool CCmdAddTwoPointsPolyline::OnExecute(void *)
{
    IDocumentServices *document = GetDocument();
    CFocusManager *focus = GetFocusManager();
    if (document == nullptr || focus == nullptr)
        return false;
    const CFocusObject *first = pickAt(*document, 0);
    const CFocusObject *second = pickAt(*document, 1);
    CPattern *pattern = focus->GetActiveMaskPattern();
    if (first == nullptr || second == nullptr || pattern == nullptr)
        return false;
    const DPOINT from = first->GetPosition();
    const DPOINT to = second->GetPosition();
    if (std::hypot(to.x - from.x, to.y - from.y) <= kSamePlace)
        return false;
    IMaskPattern &editing = *pattern->GetMaskPattern();
    const auto addGradePoint = [&](DPOINT onMask) {
        return pattern->GetBasePointAt(editing.AddGradePoint(pattern->TransformToRelative(onMask)));
    };
    return RecordInHistory([&](IGradeMask &) {
        CPtrCollection<CBasePoint> points;
        points.Add(addGradePoint(from));
        points.Add(addGradePoint(to));
        editing.InsertNewPolyline(pattern->GetPolylineCount(), GRADE_LINE_TYPE{0}, points);
    });
}
