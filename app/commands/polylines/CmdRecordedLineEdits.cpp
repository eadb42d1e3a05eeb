// Morvane editing commands.
// The line and point edits that the grade mask records: splitting a line, deleting a line,
// deleting a point with its formulas. Each is one task step that undoes one history step.
#include "app/commands/polylines/CmdRecordedLineEdits.h"

#include "app/commands/polylines/MaskLineEditing.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "model/BasePoint.h"
#include "model/FormulaManager.h"
#include "model/GradeMask.h"
#include "model/MaskPattern.h"

using namespace morvane;

namespace {

/// The line that holds the point inside it (not at an end); null when none does.
CPolyline *innerLineOf(const CBasePoint *point)
{
    const CPattern *pattern = maskPatternOf(point);
    int line = -1;
    bool isEnd = false;
    if (pattern == nullptr || pattern->FindPolyPoint(point, line, isEnd) < 0 || isEnd)
        return nullptr;
    return pattern->GetPatternPolylineAt(line);
}

bool endsALine(const CPattern &pattern, const CBasePoint *point)
{
    CPtrCollection<CPolyline> lines;
    pattern.FindPointPolylines(point, lines);
    for (const CPolyline *line : lines) {
        if (line->ContaintsEndShapePoint(point))
            return true;
    }
    return false;
}

constexpr uint32_t kDeletePointTipId = 61400;

} // namespace

CCmdSplitPolyline::CCmdSplitPolyline()
{
    Create("SplitPolyline");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(kLineEditTipId);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdSplitPolyline::Clone() const
{
    return std::make_unique<CCmdSplitPolyline>(*this);
}

bool CCmdSplitPolyline::IsEnabled(void *data)
{
    return innerLineOf(static_cast<CBasePoint *>(data)) != nullptr;
}

bool CCmdSplitPolyline::OnExecute(void *data)
{
    auto *point = static_cast<CBasePoint *>(data);
    CPolyline *line = innerLineOf(point);
    if (line == nullptr)
        return false;
    return RecordInHistory([&](IGradeMask &) {
        line->GetOwner()->GetMaskPattern()->SplitPolyline(line, point, nullptr);
    });
}

CCmdDeleteMaskPolyline::CCmdDeleteMaskPolyline()
{
    Create("DeleteMaskPolyline");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(kLineEditTipId);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdDeleteMaskPolyline::Clone() const
{
    return std::make_unique<CCmdDeleteMaskPolyline>(*this);
}

bool CCmdDeleteMaskPolyline::IsEnabled(void *data)
{
    return maskPatternOf(static_cast<CPolyline *>(data)) != nullptr;
}

bool CCmdDeleteMaskPolyline::OnExecute(void *data)
{
    auto *line = static_cast<CPolyline *>(data);
    CPattern *pattern = maskPatternOf(line);
    if (pattern == nullptr)
        return false;
    const int index = pattern->FindPolyline(line);
    return RecordInHistory([&](IGradeMask &) { pattern->GetMaskPattern()->DeletePolyline(index); });
}

CCmdDeletePoint::CCmdDeletePoint()
{
    Create("DeletePoint");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(kDeletePointTipId);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdDeletePoint::Clone() const
{
    return std::make_unique<CCmdDeletePoint>(*this);
}

bool CCmdDeletePoint::IsEnabled(void *data)
{
    const auto *point = static_cast<CBasePoint *>(data);
    const CPattern *pattern = maskPatternOf(point);
    return pattern != nullptr && !endsALine(*pattern, point);
}

bool CCmdDeletePoint::OnExecute(void *data)
{
    auto *point = static_cast<CBasePoint *>(data);
    CPattern *pattern = maskPatternOf(point);
    if (pattern == nullptr || endsALine(*pattern, point))
        return false;
    const int index = pattern->FindBasePoint(point);
    CFocusManager *focus = GetFocusManager();
    if (focus != nullptr && focus->GetActivePoint() == point)
        focus->SetActivePoint(nullptr);
    IFormulaManager &formulas = *GetDocument()->GetActiveGradeMask()->GetFormulaManager();
    return RecordInHistory([&](IGradeMask &) {
        CPtrCollection<IBaseFormula> attached;
        formulas.GetPointFormulas(point, attached);
        for (IBaseFormula *formula : attached) {
            if (const int i = formulas.FindFormula(formula); i >= 0)
                formulas.RemoveFormulaAt(i);
        }
        pattern->GetMaskPattern()->DeleteBasePoint(index);
    });
}
