// Morvane model library.
// The document's collection of input patterns, made from the patterns of a grade model.
#include "model/InputPatterns.h"

#include "model/InputPatternMask.h"

#include <memory>

using namespace morvane;

CInputPatterns::CInputPatterns()
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
    AttachSink(m_oInputPatterns);
}

CInputPatterns::~CInputPatterns()
{
    m_oInputPatterns.RemoveAll();
}

void CInputPatterns::Update()
{
    SendBeginUpdate();
    LockEvents();
    try {
        RefreshPatterns();
    } catch (...) {
        UnlockEvents();
        SendEndUpdate();
        throw;
    }
    UnlockEvents();
    // Sent outside any destructor: what a listener throws (a grade model that refuses to grade
    // again) reaches the caller.
    SendEndUpdate();
}

void CInputPatterns::RefreshPatterns()
{
    for (CInputPattern *pattern : m_oInputPatterns)
        pattern->UpdateOrigin();
    int gradeCounter = 0;
    int otherCounter = 0;
    for (CInputPattern *pattern : m_oInputPatterns)
        pattern->SetPointsId(gradeCounter, otherCounter);
    BuildContours();
}

int CInputPatterns::AddPattern(IGradePattern *pattern)
{
    if (pattern == nullptr)
        return -1;
    // Made aside: a critical error of the source leaves the collection as it was.
    auto inputPattern = std::make_unique<CInputPattern>();
    inputPattern->Create(pattern, this);
    LockEvents();
    const int index = m_oInputPatterns.AddOwned(std::move(inputPattern));
    UnlockEvents();
    return index;
}

void CInputPatterns::RemovePatternAt(int i)
{
    if (i >= 0 && i < m_oInputPatterns.GetCount())
        m_oInputPatterns.DeleteAt(i);
}

int CInputPatterns::GetPatternCount() const
{
    return m_oInputPatterns.GetCount();
}

CInputPattern *CInputPatterns::GetPatternAt(int i) const
{
    return m_oInputPatterns.GetAt(i);
}

void CInputPatterns::RemoveAll()
{
    for (int i = m_oInputPatterns.GetCount() - 1; i >= 0; --i)
        m_oInputPatterns.DeleteAt(i);
}

int CInputPatterns::GetFlaggedPatternCount() const
{
    int count = 0;
    for (const CInputPattern *pattern : m_oInputPatterns) {
        if (pattern->IsFlagged())
            ++count;
    }
    return count;
}

InputPatternMask *CInputPatterns::GetGradeMask() const
{
    return m_pGradeMask;
}

void CInputPatterns::SetGradeMask(InputPatternMask *mask)
{
    if (mask == m_pGradeMask)
        return;
    m_pGradeMask = mask;
    InvalidateAll();
}

CEventHandler *CInputPatterns::GetEventHandler()
{
    return this;
}

IInputPattern *CInputPatterns::FindInputPattern(const IGradePattern *pattern) const
{
    if (pattern == nullptr)
        return nullptr;
    for (CInputPattern *inputPattern : m_oInputPatterns) {
        if (inputPattern->GetGradePattern() == pattern)
            return inputPattern;
    }
    return nullptr;
}

void CInputPatterns::BuildContours()
{
    for (CInputPattern *pattern : m_oInputPatterns)
        pattern->BuildContours();
}

IPatternLocation *CInputPatterns::GetInputPatternLocation(CPattern *pattern)
{
    return m_pGradeMask != nullptr ? m_pGradeMask->GetInputPatternLocation(pattern) : nullptr;
}

void CInputPatterns::InvalidateAll()
{
    for (CInputPattern *pattern : m_oInputPatterns) {
        pattern->InvalidateRect();
        pattern->InvalidateContourData();
    }
}
