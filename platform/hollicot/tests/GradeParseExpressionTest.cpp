// Morvane Hollicot formula parser tests.
// Expression objects: the names a text uses and their renaming, also in texts that do not parse.
#include "platform/hollicot/GradeParse.h"

#include "platform/hollicot/ErrorCode.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace hollicot;

namespace {

std::unique_ptr<IGradeParseExpression> makeExpression()
{
    return CGradeDataFactory::MakeGradeData()->CreateExpression();
}

std::vector<std::string> namesOf(const std::string &text)
{
    auto expression = makeExpression();
    expression->SetText(text);
    std::vector<std::string> names;
    expression->GetNames(names);
    return names;
}

using Names = std::vector<std::string>;

TEST(GradeParseExpressionTest, ListsEachNameOnceAsFirstWritten)
{
    EXPECT_EQ(namesOf("%PA(0,0,P7)=%CLE(P7,P3,5 - SYSTEMPARSERVAR,1.000000)"),
              (Names{"P7", "P3", "SYSTEMPARSERVAR"}));
    EXPECT_EQ(namesOf("Waist/4+WAIST+waist2"), (Names{"Waist", "waist2"}));
    EXPECT_EQ(namesOf("P9_1.X-P9.X"), (Names{"P9_1", "P9"}));
    EXPECT_EQ(namesOf("a+(b"), (Names{"a", "b"}));
    EXPECT_EQ(namesOf("%INC(3)"), Names{});
}

struct RenameCase
{
    const char *text;
    const char *oldName;
    const char *newName;
    const char *expected;
};

constexpr RenameCase kRenameCases[] = {
    {"waist/4+waist2", "waist", "hip", "hip/4+waist2"},
    {"P9_1.X-P9.X", "P9", "P10", "P9_1.X-P10.X"},
    {"a+(b", "b", "c", "a+(c"},
    {"WAIST * 2  +  Waist", "waist", "hip", "hip * 2  +  hip"},
    {"%PA(1, 1, P7)=%GI(P7,2,P1,P2)  // P7 stays", "p7", "P8",
     "%PA(1, 1, P8)=%GI(P8,2,P1,P2)  // P7 stays"},
    {"2.5x + x ~ x", "x", "y", "2.5x + y ~ y"},
    {"  a+b  ", "c", "d", "  a+b  "},
    {"", "a", "b", ""},
};

TEST(GradeParseExpressionTest, RenamesNameTokensAndKeepsEveryOtherByte)
{
    for (const auto &row : kRenameCases) {
        SCOPED_TRACE(row.text);
        auto expression = makeExpression();
        EXPECT_EQ(expression->ReplaceName(row.text, row.oldName, row.newName), 0);
        std::string text;
        EXPECT_EQ(expression->GetText(text, 1), 0);
        EXPECT_EQ(text, row.expected);
    }
}

TEST(GradeParseExpressionTest, RefusesARenameToSomethingThatIsNotAName)
{
    for (const char *newName : {"", "a b", "2.5", "a+b", "x.X"}) {
        SCOPED_TRACE(newName);
        auto expression = makeExpression();
        EXPECT_EQ(expression->ReplaceName("a*2", "a", newName), kBadCharacter);
        std::string text;
        expression->GetText(text, 1);
        EXPECT_EQ(text, "a*2");
    }
}

TEST(GradeParseExpressionTest, RenamedTextListsTheNewName)
{
    auto expression = makeExpression();
    expression->ReplaceName("a+b", "a", "c");
    Names names;
    expression->GetNames(names);
    EXPECT_EQ(names, (Names{"c", "b"}));
}

TEST(GradeParseExpressionTest, ChecksNamesOnlyWhenNamesAreDeclared)
{
    auto data = CGradeDataFactory::MakeGradeData();
    auto undeclared = data->CreateExpression();
    EXPECT_EQ(undeclared->SetText("anything*2"), 0);

    Names parserNames;
    data->SetNames(parserNames, {"WAIST", " HIP "});
    auto declared = data->CreateExpression();
    EXPECT_EQ(declared->SetText("waist/4+hip"), 0);
    EXPECT_EQ(declared->SetText("waist/4+neck"), kUnknownName);
    // A refused text stays loaded.
    Names names;
    declared->GetNames(names);
    EXPECT_EQ(names, (Names{"waist", "neck"}));
}

TEST(GradeParseExpressionTest, RefusesBytesThatStartNoToken)
{
    auto expression = makeExpression();
    EXPECT_EQ(expression->SetText("a?b"), kBadCharacter);
    EXPECT_EQ(expression->SetText("2.5x"), kBadNumber);
    EXPECT_EQ(expression->SetText("a.b"), kUnexpectedToken);
}

} // namespace
