// Morvane program interaction.
// The main document's display switches: what the view shows of the patterns, regions, grading.
#include "app/interaction/DisplayFlags.h"

#include "app/documents/IDocumentServices.h"
#include "app/documents/IOptions.h"

bool CDisplayFlags::IsSwitch8Shown() const
{
    return m_bShowInputPatterns && m_bSwitch8 && m_bShowGuidePatterns;
}

bool CDisplayFlags::IsSwitch9Shown() const
{
    return m_bShowInputPatterns && m_bSwitch9 && m_bShowGuidePatterns;
}

int CDisplayFlags::GetPatternsShownMode() const
{
    if (m_bShowInputPatterns && m_bShowGuidePatterns)
        return 0;
    if (m_bShowGuidePatterns)
        return 2;
    return 1;
}

int CDisplayFlags::GetGradingShownMode() const
{
    if (!m_bShowGrading)
        return 0;
    const bool selectionOnly =
        m_pListener != nullptr && m_pListener->GetOptions().GetBoolOption(kSelectionGradingOption);
    return selectionOnly ? 2 : 1;
}

void CDisplayFlags::SetShowInputPatterns(bool show)
{
    set(m_bShowInputPatterns, show);
}

void CDisplayFlags::SetShowGuidePatterns(bool show)
{
    set(m_bShowGuidePatterns, show);
}

void CDisplayFlags::SetShowMaskRegions(bool show)
{
    set(m_bShowMaskRegions, show);
}

void CDisplayFlags::SetShowGrading(bool show)
{
    set(m_bShowGrading, show);
}

void CDisplayFlags::SetSwitch6(bool on)
{
    set(m_bSwitch6, on);
}

void CDisplayFlags::SetSwitch8(bool on)
{
    set(m_bSwitch8, on);
}

void CDisplayFlags::SetSwitch9(bool on)
{
    set(m_bSwitch9, on);
}

void CDisplayFlags::SetSwitch10(bool on)
{
    set(m_bSwitch10, on);
}

void CDisplayFlags::set(bool &flag, bool value)
{
    if (flag == value)
        return;
    flag = value;
    if (m_pListener != nullptr)
        m_pListener->NotifyChanged0();
}
