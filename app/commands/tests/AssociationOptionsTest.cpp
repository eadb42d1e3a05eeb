// Morvane editing commands tests.
// The association parameters read from the options, and the prompt that may edit them.
#include "app/commands/association/AssociationOptions.h"

#include "app/documents/testing/FakeGradingEvents.h"

#include <gtest/gtest.h>

using morvane::FakeOptions;

TEST(AssociationOptionsTest, PatternParametersComeFromTheOptionsAndTheMethodStays)
{
    FakeOptions options;
    options.set("PATTERN_ASSOCIATION_TYPE", "1");
    options.set("MAX_SIZE_DISSIMILARITY", "25.5");
    options.set("MAX_SHAPE_ERROR", "7");
    options.set("MAX_SHAPE_ERROR_MULTI", "9.25");
    PatternAssociationParams params;
    params.method = 2;
    EXPECT_TRUE(GetPatternAssociationParams(options, params, false));
    EXPECT_EQ(params.type, 1);
    EXPECT_DOUBLE_EQ(params.maxSizeDissimilarity, 25.5);
    EXPECT_DOUBLE_EQ(params.maxShapeError, 7.0);
    EXPECT_DOUBLE_EQ(params.maxShapeErrorMulti, 9.25);
    EXPECT_EQ(params.method, 2);
}

TEST(AssociationOptionsTest, PointParametersComeFromTheOptionsWithFormulaPointsOnly)
{
    FakeOptions options;
    options.set("SHIFT_MATCH_MM", "80");
    options.set("SHIFT_FACTOR", "0.25");
    options.set("CORNER_ANGLE_MATCH", "30");
    options.set("CORNER_FACTOR", "0.75");
    options.set("LOCAL_CONV", "1");
    options.set("TANGENT_ANGLE_MATCH", "20");
    options.set("MAX_SHAPE_ERROR", "12");
    options.set("POINT_ASS_TYPE", "1");
    PointAssociationParams params;
    params.onlyFormulaPoints = false;
    params.compareNotches = true;
    EXPECT_TRUE(GetPointAssociationParams(options, params, false));
    EXPECT_DOUBLE_EQ(params.shiftMatch, 80.0);
    EXPECT_DOUBLE_EQ(params.shiftFactor, 0.25);
    EXPECT_DOUBLE_EQ(params.cornerAngleMatch, 30.0);
    EXPECT_DOUBLE_EQ(params.cornerFactor, 0.75);
    EXPECT_TRUE(params.localConv);
    EXPECT_DOUBLE_EQ(params.tangentAngleMatch, 20.0);
    EXPECT_DOUBLE_EQ(params.maxShapeError, 12.0);
    EXPECT_EQ(params.pointAssType, 1);
    EXPECT_TRUE(params.onlyFormulaPoints);
    EXPECT_FALSE(params.compareNotches);
}

TEST(AssociationOptionsTest, ThePromptEditsOnlyWhenAllowedAndAskedForAndMayCancel)
{
    struct Row
    {
        const char *name;
        bool allowDialog;
        bool showOption;
        bool accept;
        bool prompted;
        bool result;
    };
    const Row rows[] = {
        {"not allowed", false, true, false, false, true},
        {"not asked for", true, false, false, false, true},
        {"accepted", true, true, true, true, true},
        {"cancelled", true, true, false, true, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        FakeOptions options;
        options.set("SHOW_PATTERN_ASS_DLG", row.showOption ? "1" : "0");
        options.set("SHOW_ASSOCIATION_DIALOG", row.showOption ? "1" : "0");
        int prompts = 0;
        PatternAssociationParams pattern;
        EXPECT_EQ(GetPatternAssociationParams(options, pattern, row.allowDialog,
                                              [&](PatternAssociationParams &params) {
                                                  ++prompts;
                                                  params.maxShapeError = 3.0;
                                                  return row.accept;
                                              }),
                  row.result);
        PointAssociationParams point;
        EXPECT_EQ(GetPointAssociationParams(options, point, row.allowDialog,
                                            [&](PointAssociationParams &) {
                                                ++prompts;
                                                return row.accept;
                                            }),
                  row.result);
        EXPECT_EQ(prompts, row.prompted ? 2 : 0);
        if (row.prompted) {
            EXPECT_DOUBLE_EQ(pattern.maxShapeError, 3.0);
        }
    }
    FakeOptions shown;
    shown.set("SHOW_PATTERN_ASS_DLG", "1");
    PatternAssociationParams params;
    EXPECT_TRUE(GetPatternAssociationParams(shown, params, true)) << "no prompt accepts";
}
