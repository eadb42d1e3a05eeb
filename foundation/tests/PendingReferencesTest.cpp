// Morvane foundation tests.
// The names that references read, kept until they are resolved: in place or in a record.
#include "foundation/PendingReferences.h"

#include <gtest/gtest.h>
#include <cstdint>
#include <string>
#include <string_view>

using morvane::PendingReferences;

namespace {

constexpr uint64_t kLoad = 7;

struct Read
{
    uint64_t load;
    ptrdiff_t member;
    std::string_view name;
};

// Names that fit in place and names that take a record: too long, of a load numbered past 32
// bits or 0, for a member far from its container.
const Read kReads[] = {
    {kLoad, 8, "12"},
    {kLoad, 8, ""},
    {kLoad, 8, "12345678"},
    {kLoad, 8, "123456789"},
    {kLoad, 8, "a name longer than any kept in place"},
    {uint64_t{1} << 40, 8, "12"},
    {0, 8, "12"},
    {kLoad, -24, "12"},
    {kLoad, 40000, "12"},
    {kLoad, -40000, "12"},
};

TEST(PendingReferencesTest, KeepsANameForItsMemberAndLoadUntilTakenOut)
{
    for (const Read &read : kReads) {
        SCOPED_TRACE(testing::Message() << read.name << " load " << read.load << " member "
                                        << read.member);
        PendingReferences pending;
        pending.Add(read.load, read.member, read.name);
        std::string_view found = "unset";
        ASSERT_TRUE(pending.Find(read.load, read.member, found));
        EXPECT_EQ(found, read.name);
        EXPECT_FALSE(pending.Find(read.load + 1, read.member, found)) << "another load";
        EXPECT_FALSE(pending.Find(read.load, read.member + 8, found)) << "another member";

        std::string taken;
        uint64_t load = 0;
        ASSERT_TRUE(pending.Take(read.member, taken, load));
        EXPECT_EQ(taken, read.name);
        EXPECT_EQ(load, read.load);
        EXPECT_FALSE(pending.Find(read.load, read.member, found));
        EXPECT_FALSE(pending.Take(read.member, taken, load));
    }
}

TEST(PendingReferencesTest, KeepsTheNamesOfSeveralMembersOfOneLoad)
{
    for (const Read &first : kReads) {
        SCOPED_TRACE(testing::Message() << "first " << first.name << " load " << first.load
                                        << " member " << first.member);
        PendingReferences pending;
        pending.Add(first.load, first.member, "old");
        pending.Add(first.load, first.member, first.name);
        pending.Add(first.load, 1, "next");
        pending.Add(first.load, 2, "a long name of a third member");
        std::string_view found;
        ASSERT_TRUE(pending.Find(first.load, first.member, found));
        EXPECT_EQ(found, first.name) << "the later name of a member replaces the earlier";
        ASSERT_TRUE(pending.Find(first.load, 1, found));
        EXPECT_EQ(found, "next");

        std::string taken;
        uint64_t load = 0;
        ASSERT_TRUE(pending.Take(1, taken, load));
        EXPECT_EQ(taken, "next");
        EXPECT_FALSE(pending.Find(first.load, 1, found));
        ASSERT_TRUE(pending.Find(first.load, 2, found));
        EXPECT_EQ(found, "a long name of a third member");

        pending.Clear();
        EXPECT_FALSE(pending.Find(first.load, first.member, found));
        EXPECT_FALSE(pending.Find(first.load, 2, found));
    }
}

TEST(PendingReferencesTest, ANameOfAnotherLoadDropsTheEarlierNames)
{
    for (const Read &earlier : kReads) {
        SCOPED_TRACE(testing::Message() << "earlier " << earlier.name << " load " << earlier.load
                                        << " member " << earlier.member);
        PendingReferences pending;
        pending.Add(earlier.load, earlier.member, earlier.name);
        pending.Add(earlier.load, 1, "other");
        const uint64_t later = earlier.load + 1;
        pending.Add(later, 2, "2");
        std::string taken;
        uint64_t load = 0;
        EXPECT_FALSE(pending.Take(earlier.member, taken, load));
        EXPECT_FALSE(pending.Take(1, taken, load));
        ASSERT_TRUE(pending.Take(2, taken, load));
        EXPECT_EQ(taken, "2");
        EXPECT_EQ(load, later);
    }
}

} // namespace
