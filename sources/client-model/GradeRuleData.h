// Morvane client grade model.
// Grade-rule tables: per rule number, one displacement of a point per size of the table.
#pragma once

#include "foundation/PtrCollection.h"
#include "sources/client-model/GradeRule.h"
#include "sources/grade-model/IGradeRuleData.h"

#include <vector>

class CGradeRuleTable;

/// The rules of one table, in order of creation, each found by its rule number.
class CGradeRuleList : public IGradeRuleList
{
public:
    explicit CGradeRuleList(CGradeRuleTable *table)
        : m_pTable(table)
    {
    }

    int AddRule(int ruleNumber) override;
    /// The first rule of that number, walking in order of creation; -1 when none.
    int FindRule(int ruleNumber) const override;
    int GetCount() const override;
    IGradeRule *GetAt(int index) override;
    void RemoveAt(int index) override;

    /// The rule at index, which must be in range.
    CGradeRule *GetRuleAt(int index) const { return m_oRules.GetAt(index); }

private:
    CGradeRuleTable *m_pTable;
    COwningCollection<CGradeRule> m_oRules;
};

/// One grade table: its size count, fixed when it is created, and its rules.
class CGradeRuleTable : public IGradeRuleTable
{
public:
    /// A table of sizeCount sizes (a negative count counts as 0) without rules.
    explicit CGradeRuleTable(int sizeCount);

    int GetSizeCount() const override;
    CGradeRule *GetRule(int ruleNumber) override;
    IGradeRuleList *GetRuleList() override;

private:
    int m_nSizeCount;
    CGradeRuleList m_oRules{this};
};

/// The grade rules of a model: one rule table per grade table of the program's measurement
/// data, in table order.
class CGradeRuleData : public IGradeRuleData
{
public:
    CGradeRuleData() = default;
    CGradeRuleData(const CGradeRuleData &) = delete;
    CGradeRuleData &operator=(const CGradeRuleData &) = delete;

    int GetGradeRuleTableCount() const override;
    CGradeRuleTable *GetGradeRuleTableAt(int index) override;
    void Update(const std::vector<int> &sizeCounts) override;
    void InsertAt(int index, int sizeCount) override;

private:
    COwningCollection<CGradeRuleTable> m_oTables;
};
