// Morvane foundation library tests.
// Locale-free formatting and parsing, and case-insensitive names.
#include "foundation/NameCompare.h"
#include "foundation/NumberText.h"
#include "foundation/TextFormat.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#include "ScopedLocale.h"

using namespace morvane;

TEST(TextFormatTest, WritesPointUnderGermanLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    ASSERT_TRUE(german.isActive());
    char native[32];
    std::snprintf(native, sizeof native, "%.3f", 2.5);
    ASSERT_STREQ(native, "2,500") << "the locale must use a decimal comma for this test";

    EXPECT_EQ(format("%.3f", 2.5), "2.500");
    EXPECT_EQ(format("%s=%d;%f", "x", 12, 0.25), "x=12;0.250000");
    EXPECT_EQ(parseDouble("2.5"), 2.5);
}

TEST(TextFormatTest, FormatsFixedAndIntegersAsPrintfDoes)
{
    const ScopedLocale german("de_DE.UTF-8");
    constexpr double infinity = std::numeric_limits<double>::infinity();
    constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
    constexpr double largest = std::numeric_limits<double>::max();
    const double values[] = {2.5,      -2.5,      0.0,        -0.0,   0.0005,   0.0015,
                             2.675,    1e300,     -1e-9,      12.5,   123456.7, 1.0 / 3,
                             infinity, -infinity, notANumber, largest};
    for (const double value : values) {
        for (const int decimals : {0, 1, 3, 6, 7, 17}) {
            SCOPED_TRACE(format("%.17g with %d decimals", value, decimals));
            EXPECT_EQ(formatFixed(value, decimals), format("%.*f", decimals, value));
            std::string appended = "x=";
            appendFixed(appended, value, decimals);
            EXPECT_EQ(appended, format("x=%.*f", decimals, value));
            for (const int width : {1, 9, 40}) {
                std::string padded = "x=";
                appendFixed(padded, value, decimals, width);
                EXPECT_EQ(padded, format("x=%*.*f", width, decimals, value));
            }
        }
    }
    EXPECT_EQ(formatFixed(2.5, 3), "2.500");
    for (const long long value : {0LL, -1LL, 2121LL, std::numeric_limits<long long>::min(),
                                  std::numeric_limits<long long>::max()}) {
        EXPECT_EQ(formatInteger(value), format("%lld", value));
        std::string appended = "n=";
        appendInteger(appended, value);
        EXPECT_EQ(appended, format("n=%lld", value));
    }
}

// Stored numbers are rounded from their exact binary value, as printf does, even when the value
// lies next to a half of the last decimal, exactly on one (0.125), or has many digits.
TEST(TextFormatTest, RoundsFixedLikePrintfNextToHalves)
{
    std::mt19937_64 random(2121);
    std::uniform_int_distribution<long long> wholes(-2000000, 2000000);
    for (int i = 0; i < 20000; ++i) {
        const int decimals = i % 9;
        const double scale = std::pow(10.0, decimals);
        const double half = (static_cast<double>(wholes(random)) + 0.5) / scale;
        const double values[] = {half, std::nextafter(half, 1e300), std::nextafter(half, -1e300),
                                 std::ldexp(static_cast<double>(wholes(random)), -(i % 24)),
                                 static_cast<double>(wholes(random)) * 1e7 / scale};
        for (const double value : values) {
            SCOPED_TRACE(format("%.17g with %d decimals", value, decimals));
            ASSERT_EQ(formatFixed(value, decimals), format("%.*f", decimals, value));
        }
    }
}

// Every count of decimals that the short form takes, and the first it leaves to the long one,
// up to the largest values it writes.
TEST(TextFormatTest, FormatsFixedWithEveryCountOfDecimals)
{
    const double values[] = {0.0,   -0.0, 7.0,        -149.949,     0.045,   99.995,
                             1e-12, 1e6,  123456.789, 4503599627.5, -2.5e14, 0.5};
    for (int decimals = 0; decimals <= 16; ++decimals) {
        for (const double value : values) {
            SCOPED_TRACE(format("%.17g with %d decimals", value, decimals));
            EXPECT_EQ(formatFixed(value, decimals), format("%.*f", decimals, value));
        }
    }
}

TEST(TextFormatTest, FormatsLongText)
{
    const std::string longText(5000, 'a');
    EXPECT_EQ(format("<%s>", longText.c_str()), "<" + longText + ">");
    EXPECT_EQ(format("%s", ""), "");
}

struct DoubleCase {
    const char *text;
    double expected;
};

// The parser keeps atof's rules: leading blanks skipped, trailing junk ignored, 0 for no number.
constexpr DoubleCase kDoubleCases[] = {
    {"2.5", 2.5},  {"  -0.25", -0.25}, {"+3", 3.0},  {"12mm", 12.0}, {"", 0.0},
    {"abc", 0.0},  {"1e3", 1000.0},    {".5", 0.5},  {"-", 0.0},     {"+-1", 0.0},
    {"1,5", 1.0},  {"\t7\n", 7.0},
};

TEST(NumberTextTest, ParsesDoubleLikeAtofInAnyLocale)
{
    const ScopedLocale german("de_DE.UTF-8");
    for (const auto &row : kDoubleCases) {
        SCOPED_TRACE(row.text);
        EXPECT_DOUBLE_EQ(parseDouble(row.text), row.expected);
    }
}

// Every decimal reads as the nearest double, as strtod reads it, however many digits it has.
TEST(NumberTextTest, ParsesDecimalsToTheNearestDouble)
{
    std::mt19937_64 random(2121);
    for (int i = 0; i < 20000; ++i) {
        std::string text = i % 2 == 0 ? "-" : "";
        const int digits = 1 + i % 19;
        for (int digit = 0; digit < digits; ++digit)
            text += static_cast<char>('0' + random() % 10);
        text.insert(text.size() - random() % (digits + 1), ".");
        SCOPED_TRACE(text);
        const double expected = std::strtod(text.c_str(), nullptr);
        const double parsed = parseDouble(text);
        ASSERT_EQ(std::signbit(parsed), std::signbit(expected));
        ASSERT_EQ(parsed, expected);
    }
}

// Texts of every form that the parsers meet: blanks and signs before the number, none to many
// digits on both sides of the point, exponents in and out of a double's range, trailing text.
static std::string randomNumberText(std::mt19937_64 &random, bool withPoint)
{
    static constexpr const char *kBefore[] = {"",  "",  "",  "",   " ", "\t ",
                                              "+", "-", "-", " -", "+-"};
    static constexpr const char *kAfter[] = {
        "",   "",    "",    "",      "mm",   " 7",    ",5", "e",
        "e+", "E-3", "e12", "e-320", "e400", "e-400", "x",  "e-99999999999999999999"};
    const auto digits = [&random](std::string &text) {
        const int count = random() % 8 == 0 ? 300 + static_cast<int>(random() % 60)
                                            : static_cast<int>(random() % 20);
        const bool zeros = random() % 4 == 0;
        for (int digit = 0; digit < count; ++digit)
            text += zeros && digit + 1 < count ? '0' : static_cast<char>('0' + random() % 10);
    };
    std::string text = kBefore[random() % std::size(kBefore)];
    digits(text);
    if (withPoint && random() % 3 != 0) {
        text += '.';
        digits(text);
    }
    text += kAfter[random() % std::size(kAfter)];
    return text;
}

// Any text reads as strtod reads it in the "C" locale, also a number too large for a double
// (infinity) or too small (zero).
TEST(NumberTextTest, ParsesEveryFormAsStrtod)
{
    std::mt19937_64 random(2121);
    for (int i = 0; i < 40000; ++i) {
        const std::string text = randomNumberText(random, true);
        SCOPED_TRACE(text);
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(std::bit_cast<uint64_t>(parseDouble(text)), std::bit_cast<uint64_t>(expected));
    }
    EXPECT_EQ(parseDouble("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(parseDouble("-0.5e-400")));
    EXPECT_EQ(parseDouble("-1e400"), -HUGE_VAL);
}

struct IntCase {
    const char *text;
    int expected;
};

constexpr IntCase kIntCases[] = {
    {"42", 42},          {"  -7x", -7},       {"+5", 5},
    {"", 0},             {"x1", 0},           {"3.9", 3},
    {"99999999999", std::numeric_limits<int>::max()},
    {"-99999999999", std::numeric_limits<int>::min()},
};

TEST(NumberTextTest, ParsesIntLikeAtoiWithClamping)
{
    for (const auto &row : kIntCases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(parseInt(row.text), row.expected);
    }
}

// Any text reads as strtoll reads it, clamped to the range of int.
TEST(NumberTextTest, ParsesEveryIntFormAsClampedStrtoll)
{
    std::mt19937_64 random(2121);
    for (int i = 0; i < 40000; ++i) {
        const std::string text = randomNumberText(random, false);
        SCOPED_TRACE(text);
        const long long parsed = std::strtoll(text.c_str(), nullptr, 10);
        const long long expected = std::clamp<long long>(parsed, std::numeric_limits<int>::min(),
                                                         std::numeric_limits<int>::max());
        ASSERT_EQ(parseInt(text), expected);
    }
    EXPECT_EQ(parseInt("-2147483648"), std::numeric_limits<int>::min());
    EXPECT_EQ(parseInt("2147483648"), std::numeric_limits<int>::max());
    EXPECT_EQ(parseInt("-999999999"), -999999999);
}

TEST(NumberTextTest, StrictParsingRefusesJunk)
{
    double value = -1.0;
    EXPECT_TRUE(tryParseDouble(" 2.25 ", value));
    EXPECT_EQ(value, 2.25);
    for (const char *bad : {"", "abc", "2.5mm", "1,5", "-"}) {
        SCOPED_TRACE(bad);
        double untouched = 9.0;
        EXPECT_FALSE(tryParseDouble(bad, untouched));
        EXPECT_EQ(untouched, 9.0);
    }
    int number = 0;
    EXPECT_TRUE(tryParseInt("+12", number));
    EXPECT_EQ(number, 12);
    EXPECT_FALSE(tryParseInt("12.5", number));
    EXPECT_FALSE(tryParseInt("99999999999", number));
    EXPECT_EQ(number, 12);
}

TEST(NameCompareTest, FoldsAsciiOnly)
{
    EXPECT_TRUE(equalsNoCase("Front Panel", "FRONT panel"));
    EXPECT_FALSE(equalsNoCase("Front", "Fronts"));
    EXPECT_LT(compareNoCase("abc", "ABD"), 0);
    EXPECT_GT(compareNoCase("b", "A"), 0);
    EXPECT_LT(compareNoCase("ab", "AB c"), 0);
    // Non-ASCII letters are not folded: "Ä" and "ä" differ.
    EXPECT_FALSE(equalsNoCase("\xC3\x84rmel", "\xC3\xA4rmel"));
    EXPECT_EQ(toLowerAscii("UNITS: Metric"), "units: metric");
    EXPECT_EQ(toUpperAscii("name.rul"), "NAME.RUL");
}
