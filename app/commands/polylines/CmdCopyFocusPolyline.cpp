// Morvane editing commands.
// "CopyFocusPolyline": the picked lines of other patterns are copied into the active pattern.
#include "app/commands/polylines/CmdCopyFocusPolyline.h"

#include "app/commands/polylines/FocusPolylineSearch.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "model/BasePoint.h"
#include "model/MaskPattern.h"
#include "model/MaskPolyline.h"
#include "model/Notch.h"

#include <vector>

using namespace morvane;

namespace {

constexpr uint32_t kCopyTipId = 61386;

/// The focus-polyline list to copy and the pattern to copy into; false when either is missing.
bool copyTarget(IDocumentServices *document, IMaskDocumentAccess *&list, CPattern *&target)
{
    list = document != nullptr ? document->GetActiveMaskDocument() : nullptr;
    CFocusManager *focus = document != nullptr ? document->GetFocusManager() : nullptr;
    target = focus != nullptr ? focus->GetActiveMaskPattern() : nullptr;
    return list != nullptr && target != nullptr && list->GetFocusPolylineCount() > 0;
}

/// A vector of the mask turned into the pattern's own frame (no shift).
DPOINT ownDirection(const CPattern &pattern, double dx, double dy)
{
    const DPOINT origin = pattern.TransformToRelative({0.0, 0.0});
    const DPOINT tip = pattern.TransformToRelative({dx, dy});
    return {tip.x - origin.x, tip.y - origin.y};
}

} // namespace

CCmdCopyFocusPolyline::CCmdCopyFocusPolyline()
{
    Create("CopyFocusPolyline");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(kCopyTipId);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdCopyFocusPolyline::Clone() const
{
    return std::make_unique<CCmdCopyFocusPolyline>(*this);
}

bool CCmdCopyFocusPolyline::IsEnabled(void *)
{
    IMaskDocumentAccess *list = nullptr;
    CPattern *target = nullptr;
    return copyTarget(GetDocument(), list, target);
}

bool CCmdCopyFocusPolyline::OnExecute(void *)
{
    IMaskDocumentAccess *list = nullptr;
    CPattern *target = nullptr;
    if (!copyTarget(GetDocument(), list, target))
        return false;
    return RecordInHistory([&](IGradeMask &) {
        for (int i = 0; i < list->GetFocusPolylineCount(); ++i) {
            if (const CPolyline *source = focusPolyline(*list->GetFocusPolylineAt(i)))
                CopyLine(*source, *target);
        }
    });
}

void CCmdCopyFocusPolyline::CopyLine(const CPolyline &source, CPattern &target)
{
    IMaskPattern &editing = *target.GetMaskPattern();
    std::vector<DPOINT> shape;
    std::vector<int> positions;
    source.GetShape(nullptr, shape, &positions);
    CPtrCollection<CBasePoint> points;
    for (size_t k = 0; k < shape.size(); ++k) {
        const int position = k < positions.size() ? positions[k] : -1;
        const CBasePoint *onPoint = position >= 0 ? source.GetBasePointAt(position) : nullptr;
        const DPOINT own = target.TransformToRelative(shape[k]);
        const int added = onPoint != nullptr && onPoint->GetGradeType() == GRADE_POINT_GRADE
                              ? editing.AddGradePoint(own)
                              : editing.AddPoint(own, GRADE_POINT_INTERMEDIATE);
        points.Add(target.GetBasePointAt(added));
    }
    CMaskPolyline *copy =
        editing.InsertNewPolyline(target.GetPolylineCount(), source.GetLineType(), points);

    CPtrCollection<CBasePoint> sliders;
    source.AppendTopSliderGradePoints(sliders);
    for (const CBasePoint *slider : sliders)
        editing.AddGradePoint(target.TransformToRelative(slider->GetAbsPosition()));

    for (int n = 0; n < source.GetNotchCount(); ++n) {
        const CNotch &notch = *source.GetNotchAt(n);
        double dx = 0.0;
        double dy = 0.0;
        notch.GetAbsDepth(nullptr, dx, dy);
        const DPOINT depth = ownDirection(target, dx, dy);
        copy->AddNotch(notch.GetCurveLength(nullptr), depth.x, depth.y);
    }
}
