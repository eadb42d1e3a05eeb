// Morvane program foundation extras tests.
// Rounding, decimal and fraction texts, units, text splitting, paths and version data.
#include "app/extras/ModuleVersion.h"
#include "app/extras/NumberFormat.h"
#include "app/extras/SplitPath.h"
#include "app/extras/SplitString.h"
#include "app/extras/UnitConverter.h"

#include "ScopedLocale.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace morvane;

TEST(NumberFormatTest, RoundsHalfAwayFromZero)
{
    const struct
    {
        double value;
        int expected;
    } cases[] = {
        {2.5, 3},
        {-2.5, -3},
        {-0.4, 0},
        {2.49, 2},
        {-7.6, -8},
        {1e300, std::numeric_limits<int>::max()},
        {-std::numeric_limits<double>::infinity(), std::numeric_limits<int>::min()},
        {std::nan(""), 0},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(RoundToInt(row.value), row.expected);
    }
}

TEST(NumberFormatTest, FormatsDecimalsInAnyLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    EXPECT_EQ(FormatDouble(1.23456, 2), "1.23");
    EXPECT_EQ(FormatDouble(1.5, -1), "1.500000");
    EXPECT_EQ(FormatDouble(12.5, 0), "12");
    EXPECT_EQ(FormatDouble(-0.125, 3), "-0.125");
}

TEST(NumberFormatTest, SplitsIntoWholePartAndNumerator)
{
    const struct
    {
        const char *name;
        double value;
        int denominator;
        int whole;
        int numerator;
    } cases[] = {
        {"19 eighths", 2.4, 8, 2, 3},
        {"sign on the numerator", -0.25, 8, 0, -2},
        {"sign on the whole part", -1.5, 4, -1, 2},
        {"not reduced", 1.5, 4, 1, 2},
        {"rounds up to a whole", 0.99, 8, 1, 0},
        {"hundredths", 1.5, 100, 1, 50},
        {"zero", 0.0, 16, 0, 0},
        {"denominator 0", 2.6, 0, 3, 0},
        {"negative denominator", -2.5, -4, -3, 0},
        {"beyond int", 1e12, 64, std::numeric_limits<int>::max() / 64,
         std::numeric_limits<int>::max() % 64},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        int whole = 99;
        int numerator = 99;
        SplitFraction(row.value, row.denominator, whole, numerator);
        EXPECT_EQ(whole, row.whole);
        EXPECT_EQ(numerator, row.numerator);
    }
}

TEST(NumberFormatTest, FormatsMixedNumbers)
{
    EXPECT_EQ(FormatFraction(0, 0, 8, '/', ' '), "0");
    EXPECT_EQ(FormatFraction(0, 3, 8, '/', ' '), "3/8");
    EXPECT_EQ(FormatFraction(2, 3, 8, '/', ' '), "2 3/8");
    EXPECT_EQ(FormatFraction(0, -2, 8, '/', ' '), "-2/8");
    EXPECT_EQ(FormatFraction(-1, 2, 4, ':', '+'), "-1+2:4");
    EXPECT_EQ(FormatFraction(3, 0, 4, '/', ' '), "3");
}

TEST(UnitConverterTest, ConvertsBothWaysWithItsLabel)
{
    const struct
    {
        int32_t unit;
        double millimetresPerUnit;
        const char *label;
    } cases[] = {
        {kUnitMetres, 1000.0, "[m]"},     {kUnitCentimetres, 10.0, "[cm]"},
        {kUnitInches, 25.4, "[inch]"},    {kUnitDecimetres, 100.0, "[dm]"},
        {0, 1.0, "[mm]"},                 {5, 1.0, "[mm]"},
        {-1, 1.0, "[mm]"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.label);
        const CUnitConverter converter(row.unit);
        EXPECT_DOUBLE_EQ(converter.ToMillimetres(2.0), 2.0 * row.millimetresPerUnit);
        EXPECT_DOUBLE_EQ(converter.FromMillimetres(converter.ToMillimetres(3.7)), 3.7);
        EXPECT_EQ(converter.GetUnitLabel(), row.label);
    }
    const CUnitConverter inches(kUnitInches);
    EXPECT_DOUBLE_EQ(inches.ToMillimetres(1.0), 25.4);
    EXPECT_DOUBLE_EQ(inches.FromMillimetres(50.8), 2.0);
}

TEST(SplitStringTest, KeepsEmptyPiecesAndAppends)
{
    const struct
    {
        const char *text;
        char separator;
        std::vector<std::string> pieces;
    } cases[] = {
        {"a,b,", ',', {"a", "b", ""}},
        {",a", ',', {"", "a"}},
        {"whole", ',', {"whole"}},
        {",", ',', {"", ""}},
        {"a;b", '\0', {"a;b"}},
        {"", ',', {}},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.text);
        std::vector<std::string> out{"kept"};
        SplitString(row.text, row.separator, out);
        std::vector<std::string> expected{"kept"};
        expected.insert(expected.end(), row.pieces.begin(), row.pieces.end());
        EXPECT_EQ(out, expected);
    }
}

TEST(SplitPathTest, SplitsIntoFolderNameAndExtension)
{
    const struct
    {
        const char *path;
        const char *dir;
        const char *fileName;
        const char *extension;
    } cases[] = {
        {"/masks/front.msk", "/masks/", "front", ".msk"},
        {"front.tar.gz", "", "front.tar", ".gz"},
        {"relative/dir/", "relative/dir/", "", ""},
        {"/grading/.config", "/grading/", ".config", ""},
        {"/no-extension", "/", "no-extension", ""},
        {"name.", "", "name", "."},
        {"", "", "", ""},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.path);
        const CSplitPath split(row.path);
        EXPECT_EQ(split.GetDrive(), "");
        EXPECT_EQ(split.GetDir(), row.dir);
        EXPECT_EQ(split.GetFileName(), row.fileName);
        EXPECT_EQ(split.GetExtension(), row.extension);
    }
    const CSplitPath none;
    EXPECT_EQ(none.GetDir() + none.GetFileName() + none.GetExtension(), "");
}

TEST(ModuleVersionTest, ReadsTheBuildTimeVersionOnceLoaded)
{
    CModuleVersion version;
    EXPECT_FALSE(version.GetString("FileVersion"));
    EXPECT_EQ(version.GetTranslation(0), 0u);

    EXPECT_TRUE(version.LoadFromModule());
    EXPECT_EQ(version.GetTranslationCount(), 1);
    EXPECT_EQ(version.GetTranslation(0) & 0xFFFFu, 0x0409u);
    EXPECT_EQ(version.GetTranslation(1), 0u);

    const auto fileVersion = version.GetString("FileVersion");
    ASSERT_TRUE(fileVersion);
    EXPECT_EQ(*fileVersion, MORVANE_TEST_VERSION);
    EXPECT_EQ(version.GetStringValue(3), fileVersion);
    EXPECT_EQ(version.GetStringValue(9), std::optional<std::string>("Morvane"));
    EXPECT_EQ(version.GetStringValue(0), "Built " + *version.GetString("BuildDate"));
    EXPECT_EQ(version.GetString("BuildDate")->size(), 10u) << "YYYY-MM-DD";
    EXPECT_FALSE(version.GetStringValue(1)) << "no company name";
    EXPECT_FALSE(version.GetStringValue(13));
    EXPECT_FALSE(version.GetStringValue(-1));
}
