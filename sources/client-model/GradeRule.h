// Morvane client grade model.
// The rule of one point in one grade table: a displacement per size.
#pragma once

#include "sources/grade-model/IGradeRuleData.h"

#include <vector>

class CGradeRuleTable;

/// The displacement (dx, dy) of one point in one size; (0, 0) when created.
class CGradeRuleValue : public IGradeRuleValue
{
public:
    void SetX(double dx) override;
    double GetX() const override;
    void SetY(double dy) override;
    double GetY() const override;
    void GetValue(DPOINT &d) const override;
    void Clear() override;

private:
    double m_dX = 0.0;
    double m_dY = 0.0;
};

/// The rule of one point in one table: one value per size of the table, in size order.
class CGradeRule : public IGradeRule
{
public:
    CGradeRule() = default;
    CGradeRule(const CGradeRule &) = delete;
    CGradeRule &operator=(const CGradeRule &) = delete;

    /// Gives the rule its number and one (0, 0) value per size of table.
    void Create(const CGradeRuleTable &table, int ruleNumber);

    void Clear() override;
    IGradeRuleValue *GetValueAt(int size) override;
    int GetValueCount() const override;
    int GetRuleNumber() const override;
    /// Rule number -1; the values stay.
    void Reset() override;

private:
    int m_nRuleNumber = -1;
    std::vector<CGradeRuleValue> m_aValues;
};
