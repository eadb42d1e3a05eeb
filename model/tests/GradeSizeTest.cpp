// Morvane model library tests.
// Grade sizes: the plain size, its copy from another size, and size keys of caches.
#include "model/GradeSize.h"

#include <gtest/gtest.h>
#include <unordered_set>

using morvane::GradeSizeKey;

TEST(SimpleGradeSizeTest, ReportsOneTableOnceCreated)
{
    CSimpleGradeSize size;
    EXPECT_EQ(size.GetGradeTableCount(), 0);
    size.Create(0, 3);
    EXPECT_EQ(size.GetGradeTableCount(), 1);
    for (const int i : {0, 1, 5}) {
        EXPECT_EQ(size.GetGradeTableAt(i), 0);
        EXPECT_EQ(size.GetGradeSizeAt(i), 3);
    }
    const CSimpleGradeSize copy = size;
    EXPECT_EQ(copy.GetGradeSizeAt(0), 3);
}

TEST(SimpleGradeSizeTest, CopiesTheFirstEntryOfAnotherSize)
{
    CSimpleGradeSize other;
    other.Create(2, 7);
    const CSimpleGradeSize copied(&other);
    EXPECT_EQ(copied.GetGradeTableAt(0), 2);
    EXPECT_EQ(copied.GetGradeSizeAt(0), 7);

    const CSimpleGradeSize fromNull(nullptr);
    EXPECT_EQ(fromNull.GetGradeTableAt(0), -1);
    EXPECT_EQ(fromNull.GetGradeSizeAt(0), -1);
    CSimpleGradeSize noEntry;
    noEntry.Create(-1, 4);
    const CSimpleGradeSize fromEmpty(&noEntry);
    EXPECT_EQ(fromEmpty.GetGradeSizeAt(0), -1) << "a size without entry gives nothing";
}

TEST(GradeSizeKeyTest, NeverConfusesASizeWithTheBaseSize)
{
    CSimpleGradeSize tableOnly;
    tableOnly.Create(1, -1);
    CSimpleGradeSize regular;
    regular.Create(0, 65535);
    CSimpleGradeSize shifted;
    shifted.Create(1, 0);

    const GradeSizeKey base = GradeSizeKey::of(nullptr);
    EXPECT_TRUE(base.isBase());
    const CSimpleGradeSize unset;
    EXPECT_EQ(GradeSizeKey::of(&unset), base);
    const GradeSizeKey keys[] = {base, GradeSizeKey::of(&tableOnly), GradeSizeKey::of(&regular),
                                 GradeSizeKey::of(&shifted)};
    const std::unordered_set<GradeSizeKey, morvane::GradeSizeKeyHash> distinct(std::begin(keys),
                                                                               std::end(keys));
    EXPECT_EQ(distinct.size(), std::size(keys));
    EXPECT_FALSE(GradeSizeKey::of(&tableOnly).isBase());
    EXPECT_LT(GradeSizeKey::of(&regular), GradeSizeKey::of(&shifted));
}
