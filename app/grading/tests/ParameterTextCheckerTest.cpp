// Morvane program grading tests.
// Parameter texts judged by the names formula text may use, each text judged once.
#include "app/grading/ParameterTextChecker.h"

#include <gtest/gtest.h>

namespace {

struct TextCase
{
    const char *text;
    bool faulty;
};

TEST(ParameterTextCheckerTest, JudgesEachTextTheSameWhenAskedAgain)
{
    const TextCase cases[] = {
        {"waist/40", false},
        {"%INC(0.5)", false},
        {"Waist * 2 + hip", false},
        {"chest/4", true},
        {"waist/", true},
    };
    ParameterTextChecker checker({"waist", "hip"});
    for (int round = 0; round < 2; ++round) {
        for (const TextCase &text : cases) {
            SCOPED_TRACE(text.text);
            EXPECT_EQ(checker.IsFaultyText(text.text), text.faulty);
        }
    }
}

} // namespace
