// Morvane main window, view and interaction.
// What the main view reads at once of the display switches and of the active mask's focus,
// modes, rotation pivot and measure line.
#include "app/ui/view/MaskViewState.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/FocusObject.h"
#include "app/interaction/InteractionModes.h"
#include "app/interaction/MeasureLine.h"
#include "app/interaction/MultiFocusObject.h"
#include "app/interaction/RotationPivot.h"
#include "model/BasePoint.h"
#include "model/InputPattern.h"

#include <algorithm>

namespace {

void readDisplayFlags(const CDisplayFlags &flags, MaskViewState &state)
{
    state.showMaskRegions = flags.GetShowMaskRegions();
    state.patternsShownMode = flags.GetPatternsShownMode();
    state.showGuidePatterns = flags.GetShowGuidePatterns();
    state.gradingShownMode = flags.GetGradingShownMode();
    state.switch6 = flags.GetSwitch6();
    state.switch8Shown = flags.IsSwitch8Shown();
    state.switch9Shown = flags.IsSwitch9Shown();
    state.switch10 = flags.GetSwitch10();
}

/// The items the focus object refers to: its own and, for a multiple selection, its entries'.
void collectItems(const CFocusObject &object, std::vector<const CObject *> &items)
{
    if (object.GetItem() != nullptr)
        items.push_back(object.GetItem());
    const auto *selection = dynamic_cast<const CMultiFocusObject *>(&object);
    for (int i = 0; selection != nullptr && i < selection->GetCount(); ++i)
        collectItems(*selection->GetAt(i), items);
}

/// Whether the snap mode marks the focus point on a focus object of the kind.
bool marksFocusPoint(int32_t kind, int snapMode)
{
    if (kind == CFocusObject::kPolyline)
        return snapMode == 3;
    if (kind == CFocusObject::kPoint)
        return snapMode == 1 || snapMode == 2 || snapMode == 5;
    return false;
}

void readFocus(const CFocusManager &focus, int snapMode, MaskViewState &state)
{
    const CFocusObject *active = focus.GetActiveObject();
    state.activeObject = active;
    if (active != nullptr) {
        collectItems(*active, state.activeItems);
        state.activeFlag = active->IsLocked();
        state.activeSize = active->GetSize();
    }
    state.activeContour = focus.GetActiveContour();
    state.activePoint = focus.GetActivePoint();
    const CFocusObject *focused = focus.GetFocusObject();
    if (focused == nullptr)
        return;
    state.focusPosition = focus.GetFocusPosition();
    if (marksFocusPoint(focused->GetType(), snapMode))
        state.focusPoint = state.focusPosition;
}

} // namespace

bool MaskViewState::RefersToActive(const CObject *item) const
{
    return item != nullptr &&
           std::find(activeItems.begin(), activeItems.end(), item) != activeItems.end();
}

CDRect MaskViewState::GetActiveRect(const CPtrCollection<IGradeSize> *sizes) const
{
    CDRect rect;
    if (activeObject != nullptr)
        activeObject->GetRect(rect, sizes);
    return rect;
}

MaskViewState ReadMaskViewState(IDocumentServices &services)
{
    MaskViewState state;
    if (const CDisplayFlags *flags = services.GetDisplayFlags())
        readDisplayFlags(*flags, state);
    if (services.GetActiveGradeMask() == nullptr)
        return state;
    const CInteractionModes *modes = services.GetInteractionModes();
    if (modes != nullptr)
        state.selectionMode = modes->GetSelectionMode();
    if (const CFocusManager *focus = services.GetFocusManager())
        readFocus(*focus, modes != nullptr ? modes->GetSnapMode() : 0, state);
    if (const CRotationPivot *pivot = services.GetRotationPivot()) {
        state.showPivot = modes != nullptr && modes->GetAutoRotate() && pivot->GetItemCount() > 0;
        state.pivotPoint = pivot->GetPivotPoint();
    }
    if (const CMeasureLine *line = services.GetMeasureLine()) {
        state.measureLineActive = line->IsActive();
        state.measureStart = line->m_oStart;
        state.measureEnd = line->m_oEnd;
    }
    return state;
}

bool IsPatternShown(CPattern *pattern)
{
    const IInputPattern *input = pattern->GetInputPattern();
    return input == nullptr || input->IsFlagged();
}

CDRect ReadFrameRect(IDocumentServices &services)
{
    CDRect frame;
    if (services.GetExtentFlag())
        services.GetExtent(frame);
    return frame;
}

std::optional<DPOINT> GetItemPosition(const CObject *item)
{
    if (const auto *point = dynamic_cast<const CBasePoint *>(item))
        return point->GetAbsPosition();
    return std::nullopt;
}
