// Morvane formula library.
// The base of the path formulas: measures of the length of a grade path between two points.
#include "formulas/BasePathFormula.h"

#include "formulas/MeasureSize.h"
#include "model/FormulaMessageList.h"

using namespace morvane;

static const CRuntimeClass kBasePathFormulaClass("CBasePathFormula", nullptr,
                                                 CBaseMeasureFormula::GetThisClass());

const CRuntimeClass *CBasePathFormula::GetThisClass()
{
    return &kBasePathFormulaClass;
}

CBasePathFormula::CBasePathFormula()
{
    Invalidate();
}

IGradePath *CBasePathFormula::GetPath()
{
    UpdateIfNeeded();
    return &m_oPath;
}

void CBasePathFormula::SetReverse(bool reverse)
{
    if (reverse == m_bReverse)
        return;
    m_bReverse = reverse;
    Invalidate();
}

void CBasePathFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseMeasureFormula::CopyFrom(other);
    if (const auto *path = dynamic_cast<const CBasePathFormula *>(&other))
        m_bReverse = path->m_bReverse;
    Invalidate();
}

bool CBasePathFormula::UsesPoint(const CBasePoint *point)
{
    return GetPath()->ExistsInPath(point);
}

bool CBasePathFormula::Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker)
{
    if (!CBaseMeasureFormula::Validate(reporter, checker))
        return false;
    if (GetPath()->GetSegmentCount() > 0)
        return true;
    if (reporter != nullptr)
        reporter->AddFormulaMessage(FM_NO_PATH, this, {});
    return false;
}

double CBasePathFormula::ComputeValue(int table, int size)
{
    return m_oPath.GetPathLength(MeasureSize(table, size).get());
}

void CBasePathFormula::Recalculate()
{
    FillPath();
}

void CBasePathFormula::FillPath()
{
    m_oPath.Clear();
    CBasePoint *first = GetResolvedPoint(0);
    CBasePoint *last = GetResolvedPoint(1);
    if (first != nullptr && last != nullptr)
        m_oPath.FillPath(first, last, GetFillDirection());
}

void CBasePathFormula::SetEndPoint(int index, CBasePoint *point)
{
    m_bSettingEnds = true;
    SetResolved(index, point);
    m_bSettingEnds = false;
}

void CBasePathFormula::OnResolvedChanged(int)
{
    if (!m_bSettingEnds)
        Invalidate();
}

std::string CBasePathFormula::FormatPathText(const CBasePoint *first, const CBasePoint *last) const
{
    return "(" + GetLabelOrUnknown(first) + (m_bReverse ? "<-" : "->") + GetLabelOrUnknown(last) +
           ")";
}

std::string CBasePathFormula::GetPathText()
{
    return FormatPathText(GetResolvedPoint(0), GetResolvedPoint(1));
}

void CBasePathFormula::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName() + GetPathText();
}
