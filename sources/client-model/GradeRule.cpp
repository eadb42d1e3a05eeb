// Morvane client grade model.
// The rule of one point in one grade table: a displacement per size.
#include "sources/client-model/GradeRule.h"

#include "sources/client-model/GradeRuleData.h"

void CGradeRuleValue::SetX(double dx)
{
    m_dX = dx;
}

double CGradeRuleValue::GetX() const
{
    return m_dX;
}

void CGradeRuleValue::SetY(double dy)
{
    m_dY = dy;
}

double CGradeRuleValue::GetY() const
{
    return m_dY;
}

void CGradeRuleValue::GetValue(DPOINT &d) const
{
    d = {m_dX, m_dY};
}

void CGradeRuleValue::Clear()
{
    m_dX = 0.0;
    m_dY = 0.0;
}

void CGradeRule::Create(const CGradeRuleTable &table, int ruleNumber)
{
    m_nRuleNumber = ruleNumber;
    m_aValues.assign(static_cast<size_t>(table.GetSizeCount()), CGradeRuleValue());
}

void CGradeRule::Clear()
{
    for (auto &value : m_aValues)
        value.Clear();
}

IGradeRuleValue *CGradeRule::GetValueAt(int size)
{
    if (size < 0 || size >= GetValueCount())
        return nullptr;
    return &m_aValues[static_cast<size_t>(size)];
}

int CGradeRule::GetValueCount() const
{
    return static_cast<int>(m_aValues.size());
}

int CGradeRule::GetRuleNumber() const
{
    return m_nRuleNumber;
}

void CGradeRule::Reset()
{
    m_nRuleNumber = -1;
}
