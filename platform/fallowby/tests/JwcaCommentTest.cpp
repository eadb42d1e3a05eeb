// Morvane second DXF reader tests.
// Comments of the graded R12 layout: empty inner fields, left-out trailing fields, reading back.
#include "platform/fallowby/JwcaComment.h"

#include <gtest/gtest.h>

using morvane::JwcaComment;

TEST(JwcaCommentTest, LeavesOutTrailingZerosAndEmptiesInnerOnes)
{
    struct Case
    {
        JwcaComment comment;
        const char *text;
    };
    const Case cases[] = {
        {{5, 0, 0, 0}, "5"},     {{5, 3, 0, 12}, "5,3,,12"}, {{5, 0, 0, 12}, "5,,,12"},
        {{9, 1, 0, 0}, "9,1"},   {{1, 4, 1, 7}, "1,4,1,7"},  {{3, 2, 0, 0}, "3,2"},
        {{5, 0, 1, 0}, "5,,1"},  {{5, 0, 1, 7}, "5,,1,7"},   {{0, 0, 0, 0}, "0"},
        {{-2, -1, 0, -1}, "-2"},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(morvane::formatJwcaComment(row.comment), row.text);
        // Values below 0 are written as absent, so only the others read back as they were.
        if (row.comment.pointClass >= 0 && row.comment.ruleNumber >= 0) {
            EXPECT_EQ(morvane::parseJwcaComment(row.text), row.comment);
        }
    }
}

TEST(JwcaCommentTest, ReadsMissingAndMalformedFieldsAsZero)
{
    struct Case
    {
        const char *text;
        JwcaComment comment;
    };
    const Case cases[] = {
        {"", {0, 0, 0, 0}},       {"7", {7, 0, 0, 0}},         {" 7, 3", {7, 3, 0, 0}},
        {"x,3,,y", {0, 3, 0, 0}}, {"1,2,3,4,5", {1, 2, 3, 4}}, {"1,,,", {1, 0, 0, 0}},
    };
    for (const Case &row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(morvane::parseJwcaComment(row.text), row.comment);
    }
}
