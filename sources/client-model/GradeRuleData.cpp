// Morvane client grade model.
// Grade-rule tables: per rule number, one displacement of a point per size of the table.
#include "sources/client-model/GradeRuleData.h"

#include <algorithm>
#include <memory>

int CGradeRuleList::AddRule(int ruleNumber)
{
    const int existing = FindRule(ruleNumber);
    if (existing >= 0)
        return existing;
    auto rule = std::make_unique<CGradeRule>();
    rule->Create(*m_pTable, ruleNumber);
    return m_oRules.AddOwned(std::move(rule));
}

int CGradeRuleList::FindRule(int ruleNumber) const
{
    for (int i = 0; i < m_oRules.GetCount(); ++i) {
        if (m_oRules.GetAt(i)->GetRuleNumber() == ruleNumber)
            return i;
    }
    return -1;
}

int CGradeRuleList::GetCount() const
{
    return m_oRules.GetCount();
}

IGradeRule *CGradeRuleList::GetAt(int index)
{
    if (index < 0 || index >= GetCount())
        return nullptr;
    return m_oRules.GetAt(index);
}

void CGradeRuleList::RemoveAt(int index)
{
    if (index < 0 || index >= GetCount())
        return;
    m_oRules.DeleteAt(index);
}

CGradeRuleTable::CGradeRuleTable(int sizeCount)
    : m_nSizeCount(std::max(sizeCount, 0))
{
}

int CGradeRuleTable::GetSizeCount() const
{
    return m_nSizeCount;
}

CGradeRule *CGradeRuleTable::GetRule(int ruleNumber)
{
    return m_oRules.GetRuleAt(m_oRules.AddRule(ruleNumber));
}

IGradeRuleList *CGradeRuleTable::GetRuleList()
{
    return &m_oRules;
}

int CGradeRuleData::GetGradeRuleTableCount() const
{
    return m_oTables.GetCount();
}

CGradeRuleTable *CGradeRuleData::GetGradeRuleTableAt(int index)
{
    if (index < 0 || index >= GetGradeRuleTableCount())
        return nullptr;
    return m_oTables.GetAt(index);
}

void CGradeRuleData::Update(const std::vector<int> &sizeCounts)
{
    m_oTables.RemoveAll();
    for (size_t i = 0; i < sizeCounts.size(); ++i)
        InsertAt(static_cast<int>(i), sizeCounts[i]);
}

void CGradeRuleData::InsertAt(int index, int sizeCount)
{
    if (index < 0 || index > GetGradeRuleTableCount())
        return;
    auto table = std::make_unique<CGradeRuleTable>(sizeCount);
    m_oTables.InsertAt(index, table.get());
    table.release();
}
