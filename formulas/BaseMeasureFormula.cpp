// Morvane formula library.
// The base of the measures: formulas that publish a value per size under a variable name.
#include "formulas/BaseMeasureFormula.h"

#include "formulas/FormulaText.h"
#include "foundation/NameCompare.h"

using namespace morvane;

static const CRuntimeClass kBaseMeasureFormulaClass("CBaseMeasureFormula", nullptr,
                                                    CBaseFormula::GetThisClass());

const CRuntimeClass *CBaseMeasureFormula::GetThisClass()
{
    return &kBaseMeasureFormulaClass;
}

CBaseMeasureFormula::CBaseMeasureFormula()
{
    AddStringAttribute(&m_sVarName, "VarName", XmlPresence::WhenSet);
    AddIntAttribute(&m_nValueType, "ValueType", XmlPresence::Ignored);
}

int CBaseMeasureFormula::GetApplyTypeX() const
{
    return APPLY_NONE;
}

int CBaseMeasureFormula::GetApplyTypeY() const
{
    return APPLY_NONE;
}

std::string CBaseMeasureFormula::GetPointsText()
{
    return m_sVarName.empty() ? "m?" : m_sVarName;
}

void CBaseMeasureFormula::SetVarName(const std::string &name)
{
    const std::string stored = toLowerAscii(trimBlanks(name));
    if (stored == m_sVarName)
        return;
    SendBeforeChange(0);
    m_sVarName = stored;
    SendAfterChange(0);
}

void CBaseMeasureFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseFormula::CopyFrom(other);
    if (const auto *measure = dynamic_cast<const CBaseMeasureFormula *>(&other))
        m_sVarName = measure->m_sVarName;
    OnValueChanged();
}

double CBaseMeasureFormula::GetValue(int table, int size)
{
    UpdateIfNeeded();
    return ComputeValue(table, size);
}

void CBaseMeasureFormula::OnValueChanged()
{
    m_bStale = true;
    SendAfterChange(kValueProperty);
}

void CBaseMeasureFormula::RefreshValue()
{
    if (!m_bStale)
        return;
    m_bStale = false;
    RecomputeAll();
}

void CBaseMeasureFormula::RecomputeAll() {}

int CBaseMeasureFormula::OnInvalidate()
{
    OnValueChanged();
    return 0;
}

void CBaseMeasureFormula::DoCollectPoints(CPtrCollection<CBasePoint> &) {}
