// Morvane AAMA grade model tests.
// The writers' numbers and dates, made without printf, are byte for byte what printf made.
#include "foundation/TextFormat.h"
#include "sources/aama-model/DxfText.h"
#include "sources/aama-model/FixedWidthText.h"
#include "sources/aama-model/LocalClock.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <tuple>

using morvane::format;

TEST(FixedWidthTextTest, WritesWhatPrintfWrites)
{
    std::vector<double> reals = {0.0,    -0.0,     0.005,     -0.005,    0.125,   -0.125,
                                 2.675,  1e-9,     -1e-9,     99999.995, 1e15,    -1e17,
                                 1e300,  123.4565, -7.00049,  0.3,       1234567.891,
                                 std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN()};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> spread(-2000.0, 2000.0);
    for (int i = 0; i < 2000; ++i)
        reals.push_back(spread(random));
    for (const double value : reals) {
        SCOPED_TRACE(format("%.17g", value));
        std::string padded = "RULE ";
        morvane::appendFixed(padded, value, 2, 9);
        EXPECT_EQ(padded, format("RULE %9.2f", value));
        EXPECT_EQ(morvane::formatFixed(value, 3), format("%.3f", value));
    }
    for (const long long value : {0LL, 7LL, -7LL, 42LL, 999LL, 1000LL, -12345LL, 2147483647LL}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(morvane::blankPadded(value, 3), format("%3lld", value));
        EXPECT_EQ(morvane::zeroPadded(value, 2), format("%02lld", value));
        EXPECT_EQ(morvane::zeroPadded(value, 4), format("%04lld", value));
    }
}

TEST(FixedWidthTextTest, WritesDatesAsPrintfDid)
{
    std::tm time{};
    time.tm_year = 124;
    time.tm_mon = 2;
    time.tm_mday = 5;
    time.tm_hour = 4;
    time.tm_min = 7;
    time.tm_sec = 9;
    EXPECT_EQ(morvane::dayMonthYearText(time), "05-03-2024");
    EXPECT_EQ(morvane::timeOfDayText(time), "04:07:09");
    EXPECT_EQ(morvane::yearMonthDayMinuteText(time), "2024/03/05 04:07");
    time.tm_year = -1901;
    EXPECT_EQ(morvane::dayMonthYearText(time), "05-03--1");
}

// Short groups are written in one piece and the rest group by group: both as printf wrote them.
TEST(FixedWidthTextTest, WritesDxfGroupsAsPrintfDid)
{
    const std::string longValue(200, 'v');
    const std::pair<int, std::string> texts[] = {
        {0, "SECTION"}, {999, ""}, {1000, "wide code"}, {-5, "negative code"}, {8, longValue},
    };
    const double reals[] = {2.5, -0.0005, 0.0, -0.0, 123456.7895, 1e300, -1e17,
                            std::numeric_limits<double>::quiet_NaN()};
    morvane::DxfText dxf;
    std::string expected;
    for (const auto &[code, value] : texts) {
        dxf.group(code, value);
        expected += format("%3d\r\n%s\r\n", code, value.c_str());
    }
    for (const double value : reals) {
        for (const int code : {10, 1071, -1}) {
            dxf.coordinate(code, value);
            expected += format("%3d\r\n%.3f\r\n", code, value);
        }
    }
    for (const int layer : {0, 1, 13, 99, 100, -12, std::numeric_limits<int>::max()}) {
        dxf.layer(layer);
        expected += format("  8\r\n%d\r\n", layer);
    }
    const std::string longPrefix(60, 'p');
    const std::tuple<int, std::string, int> numbered[] = {
        {1, "# ", 12}, {1, "# ", -3}, {1000, "# ", 5}, {7, longPrefix, 42}, {2, "", 0}};
    for (const auto &[code, prefix, number] : numbered) {
        dxf.numberedGroup(code, prefix, number);
        expected += format("%3d\r\n%s%d\r\n", code, prefix.c_str(), number);
    }
    EXPECT_EQ(dxf.text(), expected);
}

// A position written again is the same groups, also after the text has grown in between.
TEST(FixedWidthTextTest, RepeatsAWrittenPosition)
{
    morvane::DxfText dxf;
    dxf.group(0, "VERTEX");
    const morvane::DxfRun position = dxf.position(-12.3456, 7.0);
    std::string expected = format("  0\r\nVERTEX\r\n 10\r\n%.3f\r\n 20\r\n%.3f\r\n", -12.3456, 7.0);
    for (int i = 0; i < 1000; ++i) {
        dxf.group(0, "POINT");
        expected += "  0\r\nPOINT\r\n";
    }
    dxf.repeat(position);
    expected += " 10\r\n-12.346\r\n 20\r\n7.000\r\n";
    EXPECT_EQ(dxf.text(), expected);
}
