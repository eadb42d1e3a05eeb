// Morvane editing commands.
// "AddFocusToSelection" and "RemoveFocusFromSelection": a click with Ctrl or Shift held.
#include "app/commands/CmdAddFocusToSelection.h"

#include "app/commands/CmdSetActiveItem.h"
#include "app/interaction/FocusManager.h"
#include "app/interaction/MultiFocusObject.h"

CCmdAddFocusToSelection::CCmdAddFocusToSelection()
{
    Create("AddFocusToSelection");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdAddFocusToSelection::Clone() const
{
    return std::make_unique<CCmdAddFocusToSelection>(*this);
}

bool CCmdAddFocusToSelection::OnExecute(void *)
{
    CFocusManager *focus = GetFocusManager();
    if (focus == nullptr)
        return false;
    const CFocusObject &active = *focus->GetActiveObject();
    if (active.GetType() == CFocusObject::kNothing) {
        RunCommand("SetActiveObject", nullptr);
        return true;
    }
    std::unique_ptr<CFocusObject> selection;
    if (active.GetType() == CFocusObject::kMultiple)
        selection = CFocusObject::Clone(active);
    else {
        selection = CFocusObject::Create(nullptr, CFocusObject::kMultiple);
        static_cast<CMultiFocusObject &>(*selection).Add(CFocusObject::Clone(active));
    }
    static_cast<CMultiFocusObject &>(*selection)
        .Add(CCmdSetActiveObject::MakeActiveCopy(*focus->GetFocusObject()));
    RunCommand("SetActiveItem", selection.get());
    return true;
}

CCmdRemoveFocusFromSelection::CCmdRemoveFocusFromSelection()
{
    Create("RemoveFocusFromSelection");
    SetFlags(false, true, CMT_NO_MODIFY);
}

std::unique_ptr<ICommand> CCmdRemoveFocusFromSelection::Clone() const
{
    return std::make_unique<CCmdRemoveFocusFromSelection>(*this);
}

bool CCmdRemoveFocusFromSelection::OnExecute(void *)
{
    CFocusManager *focus = GetFocusManager();
    if (focus == nullptr)
        return false;
    const auto *selection = dynamic_cast<const CMultiFocusObject *>(focus->GetActiveObject());
    if (selection == nullptr) {
        const auto nothing = CFocusObject::Create(nullptr, CFocusObject::kNothing);
        RunCommand("SetActiveItem", nothing.get());
        return true;
    }
    const int found = selection->Find(*focus->GetFocusObject());
    if (selection->GetCount() == 2) {
        const auto remaining = CFocusObject::Clone(*selection->GetAt(found != 1 ? 1 : 0));
        RunCommand("SetActiveItem", remaining.get());
    } else if (selection->GetCount() > 2 && found >= 0) {
        auto smaller = CFocusObject::Clone(*selection);
        static_cast<CMultiFocusObject &>(*smaller).Remove(found);
        RunCommand("SetActiveItem", smaller.get());
    }
    return true;
}
