// Morvane formula library tests.
// The validation formula and the ratio per size.
#include "formulas/SizeRatio.h"
#include "formulas/ValidationFormula.h"

#include "ScopedLocale.h"
#include "model/GradeSize.h"

#include <gtest/gtest.h>

#include <map>

namespace {

/// A term with a value for the base size and one per size index of table 0.
class TableTerm : public IRatioTerm
{
public:
    TableTerm(double base, std::map<int, double> sizes) : m_base(base), m_sizes(std::move(sizes)) {}

    double GetValue(const IGradeSize *size) const override
    {
        if (size == nullptr || size->GetGradeTableAt(0) < 0)
            return m_base;
        return m_sizes.at(size->GetGradeSizeAt(0));
    }

private:
    double m_base;
    std::map<int, double> m_sizes;
};

CPtrCollection<IRatioTerm> termsOf(std::initializer_list<IRatioTerm *> terms)
{
    CPtrCollection<IRatioTerm> list;
    for (IRatioTerm *term : terms)
        list.Add(term);
    return list;
}

} // namespace

TEST(ValidationFormulaTest, StoresItsBandAndHandsTheParserNothing)
{
    CValidationFormula formula;
    EXPECT_EQ(formula.GetFormulaType(), 18);
    EXPECT_EQ(formula.GetApplyTypeX(), 2);
    EXPECT_EQ(formula.GetApplyTypeY(), 2);
    EXPECT_EQ(formula.GetFormulaText(), "");
    std::string display = "unset";
    formula.GetDisplayText(display, false);
    EXPECT_EQ(display, "");
    EXPECT_EQ(formula.GetRangeNegative(), 10.0);
    EXPECT_EQ(formula.GetRangePositive(), 10.0);
    EXPECT_TRUE(formula.GetAttribute("RangeNegative")->MustSave());
    EXPECT_TRUE(formula.GetAttribute("RangePositive")->MustSave());
}

struct RatioCase
{
    const char *name;
    bool proportional;
    double firstBase;
    double secondBase;
    double secondInSize;
    double expected;
};

TEST(SizeRatioTest, ComputesTheChangeOfTheSecondSumOverTheFirstBaseSum)
{
    const RatioCase cases[] = {
        {"plain", false, 4.0, 2.0, 3.0, 0.75},
        {"proportional", true, 4.0, 2.0, 3.0, 1.0},
        {"proportional with no second base", true, 4.0, 0.0, 2.0, 0.5},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        TableTerm first(row.firstBase, {{1, 99.0}});
        TableTerm second(row.secondBase, {{1, row.secondInSize}});
        CSizeRatio ratio;
        ratio.SetText(row.proportional, "a");
        ratio.AddFirstTerms(termsOf({&first}));
        ratio.AddSecondTerms(termsOf({&second}));
        EXPECT_TRUE(ratio.Compute(0, 1));
        EXPECT_DOUBLE_EQ(ratio.GetResult(), row.expected);
        EXPECT_EQ(ratio.GetProblem(), "");
    }
}

TEST(SizeRatioTest, AZeroFirstBaseSumKeepsOneAndSaysWhy)
{
    TableTerm first(0.0, {{1, 3.0}});
    TableTerm second(2.0, {{1, 5.0}});
    CSizeRatio ratio;
    ratio.SetText(false, "a+b");
    ratio.AddFirstTerms(termsOf({&first}));
    ratio.AddSecondTerms(termsOf({&second}));

    EXPECT_FALSE(ratio.Compute(0, 1));
    EXPECT_EQ(ratio.GetResult(), 1.0);
    EXPECT_NE(ratio.GetProblem().find("(a+b)"), std::string::npos);
}

TEST(SizeRatioTest, TextNamesTheFirstBaseSumInAnyLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    TableTerm one(1.5, {});
    TableTerm two(0.5, {});
    CSizeRatio ratio;
    ratio.SetText(false, "a+b");
    ratio.AddFirstTerms(termsOf({&one, &two}));

    EXPECT_EQ(ratio.GetText(), "(a+b)/2.000000");
    EXPECT_EQ(ratio.FindFirstTerm(&two), 1);
    EXPECT_EQ(ratio.FindFirstTerm(nullptr), -1);
    EXPECT_DOUBLE_EQ(ratio.SumSecond(nullptr), 0.0);
}
