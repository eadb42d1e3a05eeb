// Morvane editing commands.
// Moving and turning the selection, and turning and flipping a list of focus objects: each a
// composite whose steps run the single-item commands, so that one undo takes back the whole.
#include "app/commands/CmdSelectionTransforms.h"

#include "app/commands/CmdUpdatePattern.h"
#include "app/commands/DocCommand.h"
#include "app/commands/PatternState.h"
#include "app/commands/RegionData.h"
#include "app/commands/SelectionEntries.h"
#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/RotationPivot.h"
#include "foundation/Geometry.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/Pattern.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kLeastMove = 0.001;

IRegion *regionOf(const CFocusObject &object)
{
    return object.IsRegion() ? dynamic_cast<IRegion *>(object.GetItem()) : nullptr;
}

CPattern *patternOf(const CFocusObject &object)
{
    return object.IsPattern() ? object.GetPattern() : nullptr;
}

const ROTATE_REQUEST *rotateRequest(void *data)
{
    return static_cast<const ROTATE_REQUEST *>(data);
}

const std::vector<CFocusObject *> *focusList(void *data)
{
    return static_cast<const std::vector<CFocusObject *> *>(data);
}

} // namespace

void CSelectionComposite::Define(const char *name, bool repeat, uint32_t undoTextId)
{
    Create(name);
    SetAddToHistory(true);
    SetRepeatCommand(repeat);
    morvane::setCommandToolTips(*this, undoTextId);
}

IDocumentServices *CSelectionComposite::GetDocument() const
{
    return morvane::commandDocument(*this);
}

CFocusObject *CSelectionComposite::GetActiveObject() const
{
    IDocumentServices *document = GetDocument();
    const CFocusManager *focus = document != nullptr ? document->GetFocusManager() : nullptr;
    return focus != nullptr ? focus->GetActiveObject() : nullptr;
}

CCmdMoveSelectedItems::CCmdMoveSelectedItems()
{
    Define("MoveSelectedItems", false, 61503);
}

std::unique_ptr<ICommand> CCmdMoveSelectedItems::Clone() const
{
    return std::make_unique<CCmdMoveSelectedItems>(*this);
}

int CCmdMoveSelectedItems::GetItemCount(void *)
{
    CFocusObject *active = GetActiveObject();
    if (active == nullptr)
        return 0;
    if (active->GetType() == CFocusObject::kMultiple)
        return morvane::selectionEntryCount(*active);
    const bool movable = active->GetType() == CFocusObject::kMaskCentre || active->IsPattern() ||
                         active->IsRegion();
    return movable ? 1 : 0;
}

bool CCmdMoveSelectedItems::IsItemEnabled(int, void *)
{
    return GetItemCount(nullptr) > 0;
}

bool CCmdMoveSelectedItems::ExecuteItem(int index, void *data)
{
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    CFocusObject *active = GetActiveObject();
    IDocumentServices *document = GetDocument();
    if (mouse == nullptr || active == nullptr)
        return false;
    const DPOINT delta{mouse->position.x - mouse->previousPosition.x,
                       mouse->position.y - mouse->previousPosition.y};
    if (!(std::hypot(delta.x, delta.y) > kLeastMove))
        return false;
    CFocusObject &item = *morvane::selectionEntry(*active, index);
    if (item.GetType() == CFocusObject::kMaskCentre) {
        IGradeMask *mask = document->GetActiveGradeMask();
        if (mask == nullptr)
            return false;
        DPOINT centre{mask->GetCenter().x + delta.x, mask->GetCenter().y + delta.y};
        return ExecuteCommand("SetMaskCenter", &centre);
    }
    PatternPositionRequest move;
    if (CPattern *pattern = patternOf(item)) {
        const DPOINT position = pattern->GetPatternLocation()->GetPosition();
        move = {{position.x + delta.x, position.y + delta.y}, pattern};
    }
    RegionData region;
    region.pRegion = regionOf(item);
    if (region.pRegion != nullptr && morvane::readRegionData(*document, region)) {
        region.oPosition.x += delta.x;
        region.oPosition.y += delta.y;
    }
    return RunOnPatternOrRegion(item, "ChangePatternPosition", &move, "UpdateRegion", &region);
}

bool CSelectionComposite::RunOnPatternOrRegion(CFocusObject &item, const char *patternCommand,
                                               void *patternData, const char *regionCommand,
                                               void *regionData)
{
    IDocumentServices *document = GetDocument();
    if (document == nullptr)
        return false;
    if (CPattern *pattern = patternOf(item))
        return morvane::isPatternEditable(*document, pattern) &&
               ExecuteCommand(patternCommand, patternData);
    if (regionOf(item) != nullptr)
        return ExecuteCommand(regionCommand, regionData);
    return false;
}

CCmdRotateSelectedItems::CCmdRotateSelectedItems()
{
    Define("RotateSelectedItems", false, 61471);
}

std::unique_ptr<ICommand> CCmdRotateSelectedItems::Clone() const
{
    return std::make_unique<CCmdRotateSelectedItems>(*this);
}

int CCmdRotateSelectedItems::GetItemCount(void *)
{
    IDocumentServices *document = GetDocument();
    const CRotationPivot *pivot = document != nullptr ? document->GetRotationPivot() : nullptr;
    return pivot != nullptr ? pivot->GetItemCount() : 0;
}

bool CCmdRotateSelectedItems::IsItemEnabled(int, void *)
{
    return true;
}

bool CCmdRotateSelectedItems::ExecuteItem(int index, void *data)
{
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    IDocumentServices *document = GetDocument();
    CRotationPivot *pivot = document != nullptr ? document->GetRotationPivot() : nullptr;
    if (mouse == nullptr || pivot == nullptr)
        return false;
    pivot->SetCurrentAngle(mouse->position);
    double angle = 0.0;
    DPOINT place;
    pivot->GetRotatedPosition(index, angle, place);
    const CRotationPivot::Item &item = pivot->GetItemAt(index);
    if (CPattern *pattern = item.pattern) {
        PatternState state;
        if (!morvane::isPatternEditable(*document, pattern) ||
            !CCmdUpdatePattern::ReadPatternState(*document, pattern, state))
            return false;
        state.dAngle = morvane::normalizePatternAngle(angle * morvane::kRadToDegFactor);
        state.oPosition = place;
        return ExecuteCommand("UpdatePattern", &state);
    }
    if (item.region == nullptr)
        return false;
    RegionData region;
    region.pRegion = item.region;
    if (!morvane::readRegionData(*document, region))
        return false;
    region.oPosition = place;
    region.dDirection = angle;
    return ExecuteCommand("UpdateRegion", &region);
}

CCmdRotateObjectList::CCmdRotateObjectList()
{
    Define("RotateObjectList", true, 61471);
}

std::unique_ptr<ICommand> CCmdRotateObjectList::Clone() const
{
    return std::make_unique<CCmdRotateObjectList>(*this);
}

int CCmdRotateObjectList::GetItemCount(void *data)
{
    const ROTATE_REQUEST *request = rotateRequest(data);
    return request != nullptr ? static_cast<int>(request->oItems.size()) : 0;
}

namespace {

/// The records that turn a pattern or a region as a ROTATE_REQUEST says.
struct TurnRecords
{
    PatternAngleRequest pattern;
    RegionData region;
    bool hasRegion = false;
};

TurnRecords turnRecords(IDocumentServices &document, const ROTATE_REQUEST &request,
                        const CFocusObject &item)
{
    TurnRecords records;
    if (CPattern *pattern = patternOf(item)) {
        const double own = request.bRelative ? pattern->GetPatternLocation()->GetRotAngle(false) : 0;
        records.pattern = {pattern, request.dAngle + own};
    }
    if (IRegion *region = regionOf(item)) {
        const double own = request.bRelative ? region->GetDirection(false) : 0;
        records.region.pRegion = region;
        records.hasRegion = morvane::readRegionData(document, records.region);
        records.region.dDirection = (request.dAngle + own) * morvane::kDegToRadFactor;
    }
    return records;
}

} // namespace

bool CCmdRotateObjectList::ExecuteItem(int index, void *data)
{
    const ROTATE_REQUEST *request = rotateRequest(data);
    IDocumentServices *document = GetDocument();
    if (request == nullptr || document == nullptr)
        return false;
    CFocusObject &item = *request->oItems.at(static_cast<size_t>(index));
    TurnRecords records = turnRecords(*document, *request, item);
    records.region.bRepeat = true;
    if (patternOf(item) != nullptr)
        return ExecuteCommand("ChangePatternAngle", &records.pattern);
    return records.hasRegion && ExecuteCommand("UpdateRegion", &records.region);
}

bool CCmdRotateObjectList::IsItemEnabled(int index, void *data)
{
    const ROTATE_REQUEST *request = rotateRequest(data);
    IDocumentServices *document = GetDocument();
    if (request == nullptr || document == nullptr)
        return false;
    CFocusObject &item = *request->oItems.at(static_cast<size_t>(index));
    TurnRecords records = turnRecords(*document, *request, item);
    if (patternOf(item) != nullptr)
        return IsCommandEnabled("ChangePatternAngle", &records.pattern);
    return records.hasRegion && IsCommandEnabled("UpdateRegion", &records.region);
}

CCmdFlipObjectList::CCmdFlipObjectList()
{
    Define("FlipObjectList", true, 61469);
}

std::unique_ptr<ICommand> CCmdFlipObjectList::Clone() const
{
    return std::make_unique<CCmdFlipObjectList>(*this);
}

int CCmdFlipObjectList::GetItemCount(void *data)
{
    const auto *list = focusList(data);
    return list != nullptr ? static_cast<int>(list->size()) : 0;
}

bool CCmdFlipObjectList::ExecuteItem(int index, void *data)
{
    const CFocusObject &item = *focusList(data)->at(static_cast<size_t>(index));
    if (IRegion *region = regionOf(item)) {
        RegionFlipRequest flip;
        flip.regions.Add(region);
        return ExecuteCommand("FlipRegion", &flip);
    }
    CPattern *pattern = patternOf(item);
    return pattern != nullptr && ExecuteCommand("FlipPattern", pattern);
}

bool CCmdFlipObjectList::IsItemEnabled(int index, void *data)
{
    const CFocusObject &item = *focusList(data)->at(static_cast<size_t>(index));
    if (IRegion *region = regionOf(item)) {
        RegionFlipRequest flip;
        flip.regions.Add(region);
        return IsCommandEnabled("FlipRegion", &flip);
    }
    CPattern *pattern = patternOf(item);
    return pattern != nullptr && IsCommandEnabled("FlipPattern", pattern);
}

CCmdRotateItem::CCmdRotateItem()
{
    Create("RotateItem");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdRotateItem::Clone() const
{
    return std::make_unique<CCmdRotateItem>(*this);
}

bool CCmdRotateItem::OnExecute(void *data)
{
    const ROTATE_REQUEST *request = rotateRequest(data);
    if (request == nullptr || request->oItems.empty() || GetDocument() == nullptr)
        return false;
    const CFocusObject &item = *request->oItems.front();
    TurnRecords records = turnRecords(*GetDocument(), *request, item);
    if (patternOf(item) != nullptr)
        return RunCommand("ChangePatternAngle", &records.pattern);
    return records.hasRegion && RunCommand("UpdateRegion", &records.region);
}

bool CCmdRotateItem::IsEnabled(void *data)
{
    const ROTATE_REQUEST *request = rotateRequest(data);
    if (request == nullptr || request->oItems.empty() || GetDocument() == nullptr)
        return false;
    const CFocusObject &item = *request->oItems.front();
    TurnRecords records = turnRecords(*GetDocument(), *request, item);
    if (patternOf(item) != nullptr)
        return IsCommandEnabled("ChangePatternAngle", &records.pattern);
    return records.hasRegion && IsCommandEnabled("UpdateRegion", &records.region);
}
