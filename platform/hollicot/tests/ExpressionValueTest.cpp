// Morvane Hollicot formula parser tests.
// Expression objects: values in display units, and texts converted from display units.
#include "platform/hollicot/GradeParse.h"

#include "platform/hollicot/ErrorCode.h"

#include "ScopedLocale.h"

#include <gtest/gtest.h>

using namespace hollicot;

namespace {

using Names = std::vector<std::string>;

struct ConvertCase
{
    const char *text;
    const char *converted;
};

// Centimetres typed, millimetres stored: the factor is 10.
constexpr ConvertCase kConvertCases[] = {
    {"2.5", "25"},
    {"waist/4+2", "waist/4+20"},
    {"-0.5*waist", "-0.5*waist"},
    {"waist*0.5", "waist*0.5"},
    {"(2,1.5)", "(20,15)"},
    {"%INC(0.3)", "%INC(3)"},
    {"%RG(90,1,0)", "%RG(90,10,0)"},
    {"2*3", "20*3"},
    {"  1 +  waist ", "  10 +  waist "},
    {"%ROTA(B, C, 45, 1)", "%ROTA(B, C, 45, 1)"},
    {"%CLE(B,C,0.5,1)", "%CLE(B,C,5,1)"},
};

TEST(ExpressionValueTest, ConvertsLengthLiteralsFromDisplayUnits)
{
    for (const bool german : {false, true}) {
        const ScopedLocale locale(german ? "de_DE.UTF-8" : "C");
        for (const auto &row : kConvertCases) {
            SCOPED_TRACE(row.text);
            auto expression = CGradeDataFactory::MakeGradeData()->CreateExpression();
            ASSERT_EQ(expression->SetText(row.text), 0);
            expression->Resolve();
            expression->SetUnitScale(10, 1);
            std::string text;
            EXPECT_EQ(expression->GetText(text, 1), 0);
            EXPECT_EQ(text, row.converted);
        }
    }
}

TEST(ExpressionValueTest, KeepsTheTextWithoutResolveOrAtFactorOne)
{
    auto expression = CGradeDataFactory::MakeGradeData()->CreateExpression();
    ASSERT_EQ(expression->SetText("2.50 + waist"), 0);
    expression->SetUnitScale(10, 1);
    std::string text;
    expression->GetText(text, 1);
    EXPECT_EQ(text, "2.50 + waist");
    expression->Resolve();
    expression->SetUnitScale(1, 1);
    expression->GetText(text, 1);
    EXPECT_EQ(text, "2.50 + waist");
}

TEST(ExpressionValueTest, GivesTheValueOfDeclaredNamesInDisplayUnits)
{
    const auto parser = CGradeDataFactory::MakeGradeData();
    Names parserNames;
    parser->SetNames(parserNames, {"WAIST", "HIP"});
    auto expression = parser->CreateExpression();
    ASSERT_EQ(expression->SetText("waist/4"), 0);
    expression->SetUnitScale(0.1, 1);
    std::string text;
    EXPECT_EQ(expression->GetText(text, 0), kUnknownName);
    EXPECT_EQ(text, "waist/4");
    expression->SetNameList({"800", " 950 "});
    EXPECT_EQ(expression->GetText(text, 0), 0);
    EXPECT_EQ(text, "20.0");
    ASSERT_EQ(expression->SetText("(hip - waist, 10)"), 0);
    EXPECT_EQ(expression->GetText(text, 0), 0);
    EXPECT_EQ(text, "15.0,1.0");
}

struct ValueCase
{
    const char *text;
    int code;
    const char *value;
};

TEST(ExpressionValueTest, GivesTheTextWhenTheValueCannotBeComputed)
{
    const ValueCase cases[] = {
        {"1/3", 0, "0.333333"},
        {"-0.0000001", 0, "0"},
        {"%RG(90,2,0)", 0, "0,2"},
        {"a+(b", kUnbalanced, "a+(b"},
        {"%INC(3)", kBadSetUp, "%INC(3)"},
        {"1/0", kNotFinite, "1/0"},
        {"1e300*1e300", kNotFinite, "1e300*1e300"},
        {"1;2", kWrongKind, "1;2"},
        {"free*2", kUnknownName, "free*2"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        auto expression = CGradeDataFactory::MakeGradeData()->CreateExpression();
        expression->SetText(row.text);
        std::string text;
        EXPECT_EQ(expression->GetText(text, 0), row.code);
        EXPECT_EQ(text, row.value);
    }
}

TEST(ExpressionValueTest, ValuesDoNotDependOnTheLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    const auto parser = CGradeDataFactory::MakeGradeData();
    Names parserNames;
    parser->SetNames(parserNames, {"A"});
    auto expression = parser->CreateExpression();
    ASSERT_EQ(expression->SetText("a*1.5"), 0);
    expression->SetNameList({"2.5"});
    expression->SetUnitScale(1, 3);
    std::string text;
    EXPECT_EQ(expression->GetText(text, 0), 0);
    EXPECT_EQ(text, "3.750");
}

} // namespace
