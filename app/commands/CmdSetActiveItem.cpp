// Morvane editing commands.
// "SetActiveItem" and "SetActiveObject": what the user picked becomes the active object.
#include "app/commands/CmdSetActiveItem.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/DisplayFlags.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/InteractionModes.h"
#include "model/BasePoint.h"
#include "model/InputPattern.h"
#include "model/Pattern.h"
#include "tasks/TaskManager.h"

namespace {

/// A pattern that comes from the input patterns and is not placed yet.
bool isUnplacedInputPattern(CPattern *pattern)
{
    IInputPattern *input = pattern != nullptr ? pattern->GetInputPattern() : nullptr;
    return input != nullptr && !input->IsFlagged();
}

} // namespace

CCmdSetActiveItem::CCmdSetActiveItem()
{
    Create("SetActiveItem");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdSetActiveItem::Clone() const
{
    return std::make_unique<CCmdSetActiveItem>(*this);
}

bool CCmdSetActiveItem::OnExecute(void *data)
{
    const auto *object = static_cast<const CFocusObject *>(data);
    if (object == nullptr || GetFocusManager() == nullptr)
        return false;
    if (object->IsPattern() && isUnplacedInputPattern(object->GetPattern()))
        RunCommand("PlacePattern", object->GetPattern());
    return Activate(CFocusObject::Clone(*object));
}

bool CCmdSetActiveItem::IsEnabled(void *data)
{
    const auto *object = static_cast<const CFocusObject *>(data);
    IDocumentServices *document = GetDocument();
    const CDisplayFlags *flags = document != nullptr ? document->GetDisplayFlags() : nullptr;
    if (object == nullptr || flags == nullptr)
        return false;
    switch (object->GetType()) {
    case CFocusObject::kNothing:
        return true;
    case CFocusObject::kRegion:
        return flags->GetShowMaskRegions();
    case CFocusObject::kPattern:
        break;
    default:
        return false;
    }
    const bool nestedPasses = object->GetSubObjectType() != CFocusObject::kPoint ||
                              morvane::selectionMode(*document) == 1;
    CPattern *pattern = object->GetPattern();
    if (!nestedPasses || pattern == nullptr)
        return false;
    if (pattern->IsMaskPattern())
        return flags->GetShowGuidePatterns();
    return flags->GetShowInputPatterns() &&
           (!isUnplacedInputPattern(pattern) || IsCommandEnabled("PlacePattern", pattern));
}

bool CCmdSetActiveItem::Activate(std::unique_ptr<CFocusObject> object)
{
    CFocusManager *focus = GetFocusManager();
    if (focus == nullptr)
        return false;
    focus->SetActiveObject(std::move(object));
    return true;
}

CCmdSetActiveObject::CCmdSetActiveObject()
{
    Create("SetActiveObject");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdSetActiveObject::Clone() const
{
    return std::make_unique<CCmdSetActiveObject>(*this);
}

bool CCmdSetActiveObject::OnExecute(void *)
{
    CFocusManager *focus = GetFocusManager();
    if (focus == nullptr)
        return false;
    const CFocusObject &focused = *focus->GetFocusObject();
    const std::unique_ptr<CFocusObject> active = MakeActiveCopy(focused);
    RunCommand("SetActiveItem", active.get());
    if (morvane::selectionMode(*GetDocument()) != 1)
        return true;
    if (GetTaskManager()->GetTaskStatus("IdleTask") == TS_ACTIVE)
        focus->ActivateNearestPoint(focused.GetHitPosition());
    else if (focused.GetType() == CFocusObject::kPoint)
        focus->SetActivePoint(dynamic_cast<CBasePoint *>(focused.GetItem()));
    return true;
}

bool CCmdSetActiveObject::IsEnabled(void *)
{
    return true;
}

std::unique_ptr<CFocusObject> CCmdSetActiveObject::MakeActiveCopy(const CFocusObject &focus)
{
    switch (focus.GetType()) {
    case CFocusObject::kPivot:
        return CFocusObject::Create(focus.GetItem(), CFocusObject::kPivot);
    case CFocusObject::kPolyline: {
        auto pattern = CFocusObject::Create(focus.GetDetailObject(), CFocusObject::kPattern);
        pattern->SetContour(focus.GetContour());
        pattern->SetSubObject(focus.GetItem(), CFocusObject::kPolyline);
        pattern->GetSubObject()->CopyFrom(focus);
        return pattern;
    }
    case CFocusObject::kPoint: {
        auto pattern = CFocusObject::Create(focus.GetDetailObject(), CFocusObject::kPattern);
        if (focus.GetItem() != nullptr) {
            pattern->SetSubObject(focus.GetItem(), CFocusObject::kPoint);
            pattern->GetSubObject()->CopyFrom(focus);
        }
        return pattern;
    }
    default: {
        auto copy = CFocusObject::Create(focus.GetItem(), focus.GetType());
        copy->CopyFrom(focus);
        return copy;
    }
    }
}
