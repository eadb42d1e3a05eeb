// Morvane program interaction.
// The typed front of a grade-mask document's mode variables, which its main task keeps.
#include "app/interaction/InteractionModes.h"

#include "app/interaction/FocusManager.h"
#include "app/interaction/IMaskDocumentAccess.h"
#include "app/interaction/MainTaskVariables.h"
#include "app/interaction/MeasureLine.h"

using morvane::ReadMainTaskInteger;
using morvane::WriteMainTaskInteger;

CInteractionModes::CInteractionModes()
{
    SetHandlerId(kHandlerId, this);
}

CInteractionModes::~CInteractionModes() = default;

int CInteractionModes::GetSnapMode() const
{
    return ReadMainTaskInteger(m_pOwner, "nSnapMode");
}

bool CInteractionModes::GetAutoMove() const
{
    return ReadMainTaskInteger(m_pOwner, "bAutoMove") != 0;
}

bool CInteractionModes::GetAutoRotate() const
{
    return ReadMainTaskInteger(m_pOwner, "bAutoRotate") != 0;
}

int CInteractionModes::GetMeasureMode() const
{
    return ReadMainTaskInteger(m_pOwner, "nMeasureMode");
}

void CInteractionModes::SetMeasureMode(int mode)
{
    SendBeforeChange(kMeasureModeProperty);
    if (CMeasureLine *line = m_pOwner != nullptr ? m_pOwner->GetMeasureLine() : nullptr)
        line->Reset();
    WriteMainTaskInteger(m_pOwner, "nMeasureMode", mode);
    SendAfterChange(kMeasureModeProperty);
}

int CInteractionModes::GetSelectionMode() const
{
    return ReadMainTaskInteger(m_pOwner, "nSelectionMode");
}

void CInteractionModes::SetSelectionMode(int mode)
{
    if (GetSelectionMode() == mode)
        return;
    SendBeforeChange(kSelectionModeProperty);
    WriteMainTaskInteger(m_pOwner, "nSelectionMode", mode);
    SendAfterChange(kSelectionModeProperty);
    if (mode == 1)
        return;
    if (CFocusManager *focus = m_pOwner != nullptr ? m_pOwner->GetFocusManager() : nullptr)
        focus->SetActivePoint(nullptr);
}

void CInteractionModes::SetViewFlag(bool flag)
{
    SendBeforeChange(kViewFlagProperty);
    m_bViewFlag = flag;
    SendAfterChange(kViewFlagProperty);
}
