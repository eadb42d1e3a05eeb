// The group list reads most values while it looks for their line end, in ways that depend on how
// long the value is and how much text follows it. Every way must read a value as the plain
// reading of the value line does.
#include "sources/dxf-groups/AamaGroupList.h"
#include "foundation/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <vector>

namespace {

struct ReadValue
{
    double real = 0.0;
    int integer = 0;
    std::string text;
};

// The value of the first group of text.
ReadValue firstValue(const std::string &text)
{
    CAamaGroupList groups(text);
    const CAamaGroup *group = groups.Next();
    if (group == nullptr)
        return {};
    return {group->Real(), group->Integer(), std::string(group->m_sValue)};
}

// The value read as the first of many groups, and as the last line of the text.
void expectEveryWayReadsAlike(const std::string &value, const std::string &lineEnd)
{
    SCOPED_TRACE("value \"" + value + "\"");
    const std::string followed = "10" + lineEnd + value + lineEnd + "20" + lineEnd +
                                 "1.000000000000" + lineEnd + "0" + lineEnd + "EOF" + lineEnd;
    const ReadValue inMiddle = firstValue(followed);
    const ReadValue atEnd = firstValue("10" + lineEnd + value);
    EXPECT_EQ(inMiddle.text, value);
    EXPECT_EQ(atEnd.text, value);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(inMiddle.real),
              std::bit_cast<std::uint64_t>(morvane::parseDouble(value)));
    EXPECT_EQ(std::bit_cast<std::uint64_t>(inMiddle.real), std::bit_cast<std::uint64_t>(atEnd.real));
    EXPECT_EQ(inMiddle.integer, morvane::parseInt(value));
    EXPECT_EQ(inMiddle.integer, atEnd.integer);
}

TEST(AamaGroupListTest, ValuesOfEveryShapeReadAlikeWhateverFollowsThem)
{
    const std::vector<std::string> values = {
        "0", "7", "-0", "-7", "12345678", "123456789", "1234567890123456", "-1234567",
        "0.5", ".5", "-.5", "5.", "-5.", "1.25", "-12.345", "99999.99", "123.4567890123",
        "0.000001", "-0.0000001", "1e5", "-2.5E-3", "+3", " 42", "  -1.5", "1.2.3", "--1", "-",
        ".", "-.", "", "abc", "12ab", "1,5", "1.5 ", "7\t", "2147483647", "2147483648",
        "-2147483648", "999999999", "1000000000", "00000001", "0000000.1", "1.0000000"};
    for (const std::string &value : values) {
        expectEveryWayReadsAlike(value, "\n");
        expectEveryWayReadsAlike(value, "\r\n");
    }
}

// Numbers as writers print them, and some they do not: up to 16 digits, a point anywhere or
// nowhere, a sign, now and then a character that is no digit.
std::string randomValue(std::mt19937 &random)
{
    const std::string alphabet = "0123456789";
    std::uniform_int_distribution<int> digitCount(1, 16);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> percent(0, 99);
    std::string value;
    const int count = digitCount(random);
    for (int i = 0; i < count; ++i)
        value += alphabet[static_cast<std::size_t>(digit(random))];
    if (percent(random) < 70)
        value.insert(std::uniform_int_distribution<std::size_t>(0, value.size())(random), ".");
    if (percent(random) < 40)
        value.insert(0, "-");
    if (percent(random) < 5)
        value[std::uniform_int_distribution<std::size_t>(0, value.size() - 1)(random)] = 'x';
    return value;
}

TEST(AamaGroupListTest, RandomNumbersReadAlikeWhateverFollowsThem)
{
    std::mt19937 random(20261211);
    for (int i = 0; i < 20000; ++i)
        expectEveryWayReadsAlike(randomValue(random), i % 2 == 0 ? "\n" : "\r\n");
}

} // namespace
