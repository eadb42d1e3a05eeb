// Morvane grade-model interfaces.
// Grade-rule tables: per rule number, one displacement of a point per size.
#pragma once

#include "foundation/DPoint.h"

#include <vector>

/// The displacement of one point in one size, from its base position, in the units of the
/// pattern coordinates.
class IGradeRuleValue
{
public:
    virtual void SetX(double dx) = 0;
    virtual double GetX() const = 0;
    virtual void SetY(double dy) = 0;
    virtual double GetY() const = 0;
    /// Both components at once.
    virtual void GetValue(DPOINT &d) const = 0;
    /// Sets both components to 0.
    virtual void Clear() = 0;
    virtual ~IGradeRuleValue() = default;
};

class IGradeRuleTable;

/// The rule of one point in one table: one value per size of the table.
class IGradeRule
{
public:
    /// Sets every value to (0, 0).
    virtual void Clear() = 0;
    /// The value of size; null for an index out of range.
    virtual IGradeRuleValue *GetValueAt(int size) = 0;
    /// The number of values, equal to the table's size count.
    virtual int GetValueCount() const = 0;
    virtual int GetRuleNumber() const = 0;
    virtual ~IGradeRule() = default;
    /// Detaches the rule: rule number -1, no table.
    virtual void Reset() = 0;
};

/// The rules of a table in order of creation.
class IGradeRuleList
{
public:
    /// The index of the rule of that number, created (with (0, 0) in every size) when there is
    /// none.
    virtual int AddRule(int ruleNumber) = 0;
    /// The index of the rule of that number, or -1.
    virtual int FindRule(int ruleNumber) const = 0;
    virtual int GetCount() const = 0;
    /// The rule at index; null for an index out of range.
    virtual IGradeRule *GetAt(int index) = 0;
    /// Deletes the rule at index; an index out of range changes nothing.
    virtual void RemoveAt(int index) = 0;
    virtual ~IGradeRuleList() = default;
};

/// One grade table: a rule per rule number, each with one value per size of the table.
class IGradeRuleTable
{
public:
    virtual ~IGradeRuleTable() = default;
    virtual int GetSizeCount() const = 0;
    /// The rule of that number, created on the first request with (0, 0) for every size; later
    /// requests return the same rule.
    virtual IGradeRule *GetRule(int ruleNumber) = 0;
    /// The table's rules in order of creation.
    virtual IGradeRuleList *GetRuleList() = 0;
};

/// All grade-rule tables of a model, numbered from 0 in the order of the grade tables of
/// IGradeData. It owns its tables, a table its rules, a rule its values.
class IGradeRuleData
{
public:
    virtual ~IGradeRuleData() = default;
    virtual int GetGradeRuleTableCount() const = 0;
    /// Table index from 0; null for an index out of range.
    virtual IGradeRuleTable *GetGradeRuleTableAt(int index) = 0;
    /// Replaces every table (and with them every rule and value) by one new, empty table per
    /// entry, entry i giving the size count of table i (a negative count counts as 0).
    virtual void Update(const std::vector<int> &sizeCounts) = 0;
    /// Inserts a new, empty table of sizeCount sizes (a negative count counts as 0) before
    /// position index; index equal to the table count appends. An index outside 0 .. count
    /// changes nothing.
    virtual void InsertAt(int index, int sizeCount) = 0;
};
