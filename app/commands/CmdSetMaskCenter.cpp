// Morvane editing commands.
// Setting and dragging the centre of the active grade mask, with undo.
#include "app/commands/CmdSetMaskCenter.h"

#include "app/documents/EventRecords.h"
#include "app/documents/IDocumentServices.h"
#include "model/GradeMask.h"

CCmdSetMaskCenter::CCmdSetMaskCenter()
{
    Create("SetMaskCenter");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(61374);
    SetNeedsActiveMask();
}

std::unique_ptr<ICommand> CCmdSetMaskCenter::Clone() const
{
    return std::make_unique<CCmdSetMaskCenter>(*this);
}

bool CCmdSetMaskCenter::OnExecute(void *data)
{
    IGradeMask *mask = GetDocument() != nullptr ? GetDocument()->GetActiveGradeMask() : nullptr;
    if (data == nullptr || mask == nullptr)
        return false;
    const DPOINT centre = *static_cast<const DPOINT *>(data);
    m_oSaved = mask->GetCenter();
    mask->SetCenter(centre);
    return true;
}

void CCmdSetMaskCenter::OnUndo()
{
    IGradeMask *mask = GetDocument() != nullptr ? GetDocument()->GetActiveGradeMask() : nullptr;
    if (mask == nullptr)
        return;
    const DPOINT current = mask->GetCenter();
    mask->SetCenter(m_oSaved);
    m_oSaved = current;
}

void CCmdSetMaskCenter::OnRedo()
{
    OnUndo();
}

CCmdMoveMaskCenter::CCmdMoveMaskCenter()
{
    Create("MoveMaskCenter");
    SetFlags(true, false, CMT_MODIFY);
    SetToolTips(61350);
}

std::unique_ptr<ICommand> CCmdMoveMaskCenter::Clone() const
{
    return std::make_unique<CCmdMoveMaskCenter>(*this);
}

bool CCmdMoveMaskCenter::OnExecute(void *data)
{
    const auto *mouse = static_cast<const VIEW_MOUSE_PARAM *>(data);
    if (mouse == nullptr)
        return false;
    DPOINT centre = mouse->position;
    return CCmdSetMaskCenter::OnExecute(&centre);
}
