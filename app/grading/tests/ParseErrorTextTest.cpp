// Morvane program grading tests.
// The messages of the formula parser's error codes.
#include "app/grading/ParseErrorText.h"

#include <gtest/gtest.h>

TEST(ParseErrorTextTest, EachKnownCodeHasItsOwnMessageAndEveryOtherCodeShareOne)
{
    struct Case
    {
        int code;
        int stringId;
    };
    const Case cases[] = {{-1, 61263},  {-5, 61267}, {-14, 61276},
                          {-15, 61277}, {0, 61277},  {1, 61277}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(parseErrorStringId(c.code), c.stringId);
    }
    EXPECT_EQ(GetParseErrorText(-5), "unknown name");
    EXPECT_EQ(GetParseErrorText(-15), GetParseErrorText(1));
    EXPECT_NE(GetParseErrorText(-15), GetParseErrorText(-14));
}

TEST(ParseErrorTextTest, AFailureNamesTheFormulaTheCodeAndTheTextAtFault)
{
    EXPECT_EQ(formatParseFailure("P2: 1/0", -10, "%PA(0,0,P2)=(1/0,0)"),
              "formula 'P2: 1/0': error -10 (division by zero or a non-finite result) in "
              "\"%PA(0,0,P2)=(1/0,0)\"");
}
