// Morvane formula library tests.
// The shared vocabulary of formula text.
#include "formulas/FormulaText.h"

#include <gtest/gtest.h>

using namespace morvane;

struct PointsTextCase
{
    const char *name;
    std::vector<std::string> labels;
    int applyX;
    int applyY;
    const char *expected;
};

TEST(FormulaTextTest, PointsTextAddsTheAxisOfTheApplyTypes)
{
    const PointsTextCase cases[] = {
        {"one point, X only", {"P1"}, 1, 2, "P1.x"},
        {"two points, Y only", {"P1", "P2"}, 2, 0, "(P1,P2).y"},
        {"no points, both axes", {}, 1, 1, "P?"},
        {"two points, both axes", {"P1", "P2"}, 0, 1, "P1,P2"},
        {"no axis at all", {"P3"}, 2, 2, "P3"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(formatPointsText(row.labels, row.applyX, row.applyY), row.expected);
    }
}

TEST(FormulaTextTest, PointAddressNamesBothApplyTypes)
{
    EXPECT_EQ(formatPointAddress(2, 1, "P3"), "%PA(2,1,P3)");
    EXPECT_EQ(formatPointAddress(1, 1, "P12"), "%PA(1,1,P12)");
}

TEST(FormulaTextTest, ApplyPrefixAndDrivenAxisFollowTheApplyTypes)
{
    EXPECT_EQ(applyPrefix(0, 2), "+");
    EXPECT_EQ(applyPrefix(1, 0), "+");
    EXPECT_EQ(applyPrefix(1, 2), "");
    EXPECT_TRUE(hasDrivenAxis(2, 1));
    EXPECT_FALSE(hasDrivenAxis(0, 2));
}

TEST(FormulaTextTest, NotAllowedNameCharactersJoinTheSharedSets)
{
    const std::string joined = std::string(kForbiddenNameCharacters) +
                               std::string(kFormulaOperators) + std::string(kFormulaSeparators) +
                               " ";
    EXPECT_EQ(kNotAllowedNameCharacters, joined);
}
