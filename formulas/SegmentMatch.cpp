// Morvane formula library.
// A pair of matched points of a relative formula.
#include "formulas/SegmentMatch.h"

#include "formulas/BaseRelativeFormula.h"
#include "model/BasePoint.h"

using namespace morvane;

static const CRuntimeClass kSegmentMatchClass("CSegmentMatch", &CreateObjectOf<CSegmentMatch>,
                                              CMvItem::GetThisClass());

const CRuntimeClass *CSegmentMatch::GetThisClass()
{
    return &kSegmentMatchClass;
}

CSegmentMatch::CSegmentMatch()
{
    AddPtrAttribute(&m_pSource, "Source", "BasePoint");
    AddPtrAttribute(&m_pTarget, "Target", "BasePoint");
    AddBoolAttribute(&m_bProportionalByLength, "ProportionalByLength", XmlPresence::Optional);
}

int CSegmentMatch::GetIndexInOwner() const
{
    return m_pOwner != nullptr ? m_pOwner->FindPointMatch(this) : -1;
}

void CSegmentMatch::InvalidateOwner()
{
    if (m_pOwner != nullptr)
        m_pOwner->Invalidate();
}

void CSegmentMatch::SetSource(CBasePoint *point)
{
    m_pSource = point;
    InvalidateOwner();
}

void CSegmentMatch::SetTarget(CBasePoint *point)
{
    m_pTarget = point;
    InvalidateOwner();
}

std::string CSegmentMatch::GetText() const
{
    const int index = GetIndexInOwner();
    if (index < 0)
        return {};
    return m_pOwner->FormatParam(index);
}

bool CSegmentMatch::SetText(const std::string &text)
{
    const int index = GetIndexInOwner();
    return index >= 0 && m_pOwner->SetParamText(index, text);
}

void CSegmentMatch::CopyFrom(const CSegmentMatch &other)
{
    m_pSource = other.m_pSource;
    m_pTarget = other.m_pTarget;
    m_bProportionalByLength = other.m_bProportionalByLength;
}
