// Morvane formula library.
// The ratio per size that relative formulas grade by: two lists of terms and their relation.
#pragma once

#include "foundation/PtrCollection.h"

#include <string>

class IGradeSize;

/// A value that a relative formula measures per size (a null size is the base size).
class IRatioTerm
{
public:
    virtual ~IRatioTerm() = default;

    virtual double GetValue(const IGradeSize *size) const = 0;
};

/// The ratio for one size of two sums of terms: the change of the second sum from the base
/// size, scaled by the ratio of the base sums when proportional, added to the second base sum
/// and divided by the first base sum. Holds its terms without owning them.
///
/// A first list whose base sum is 0 gives no ratio: Compute then keeps the result at 1.0,
/// returns false and GetProblem says why, instead of dividing by zero.
class CSizeRatio
{
public:
    virtual ~CSizeRatio() = default;

    /// Stores the proportional flag and the text of the relation.
    void SetText(bool proportional, std::string text);
    /// The sum of the first (second) terms' values for the size, in list order; 0 for none.
    double SumFirst(const IGradeSize *size) const;
    double SumSecond(const IGradeSize *size) const;
    /// Computes the ratio for the size (table, size); false, the result 1.0, when the first
    /// base sum is 0.
    bool Compute(int table, int size);
    double GetResult() const { return m_dResult; }
    /// Why the last Compute gave no ratio; empty when it did.
    const std::string &GetProblem() const { return m_sProblem; }
    /// "(<text>)/<first base sum>", the sum with six decimals.
    std::string GetText() const;
    /// The index of term among the first terms; -1 when absent.
    int FindFirstTerm(const IRatioTerm *term) const;
    void AddFirstTerms(const CPtrCollection<IRatioTerm> &terms);
    void AddSecondTerms(const CPtrCollection<IRatioTerm> &terms);

private:
    CPtrCollection<IRatioTerm> m_oFirstTerms;
    CPtrCollection<IRatioTerm> m_oSecondTerms;
    double m_dResult = 1.0;
    bool m_bProportional = false;
    std::string m_sText;
    std::string m_sProblem;
};
