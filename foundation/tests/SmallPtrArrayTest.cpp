// Morvane foundation library tests.
// The pointer array that holds its first element in itself: growth, copies and moves.
#include "foundation/SmallPtrArray.h"

#include <string>
#include <string_view>
#include <utility>

#include <gtest/gtest.h>

using morvane::SmallPtrArray;

namespace {

// Five named items; arrays only point at them.
class SmallPtrArrayTest : public ::testing::Test
{
protected:
    static std::string names(const SmallPtrArray<const char> &array)
    {
        std::string text;
        for (const char *item : array)
            text += item == nullptr ? '-' : *item;
        return text;
    }

    SmallPtrArray<const char> make(std::string_view items)
    {
        SmallPtrArray<const char> array;
        for (const char item : items)
            array.insert(array.size(), &m_items[static_cast<size_t>(item - 'a')]);
        return array;
    }

    const std::string m_items = "abcde";
};

} // namespace

TEST_F(SmallPtrArrayTest, InsertsAndErasesAcrossItsOwnRoomAndABlock)
{
    SmallPtrArray<const char> array;
    EXPECT_TRUE(array.empty());
    array.insert(0, &m_items[1]);
    EXPECT_EQ(names(array), "b");
    array.insert(0, &m_items[0]); // leaves its own room
    array.insert(2, &m_items[3]);
    array.insert(2, &m_items[2]);
    EXPECT_EQ(names(array), "abcd");
    array.erase(0);
    array.erase(2);
    EXPECT_EQ(names(array), "bc");
    array.erase(1);
    array.erase(0);
    EXPECT_TRUE(array.empty());
    array.insert(0, &m_items[4]);
    EXPECT_EQ(names(array), "e");
    EXPECT_EQ(array[0], &m_items[4]);
}

TEST_F(SmallPtrArrayTest, ResizesWithNullsAndReservesWithoutMoving)
{
    SmallPtrArray<const char> array = make("ab");
    array.resize(4);
    EXPECT_EQ(names(array), "ab--");
    array.resize(1);
    EXPECT_EQ(names(array), "a");
    array.reserve(6);
    const char *const *storage = array.begin();
    for (size_t i = 1; i < 5; ++i)
        array.insert(i, &m_items[i]);
    EXPECT_EQ(names(array), "abcde");
    EXPECT_EQ(array.begin(), storage);
    array.clear();
    EXPECT_TRUE(array.empty());
    array.resize(2);
    EXPECT_EQ(names(array), "--") << "cleared elements come back null";
}

TEST_F(SmallPtrArrayTest, CopiesAndMovesEitherKindOfStorage)
{
    for (const std::string_view items : {"", "a", "abc"}) {
        SmallPtrArray<const char> source = make(items);
        SmallPtrArray<const char> copy = source;
        EXPECT_EQ(names(copy), items);
        SmallPtrArray<const char> assigned = make("de");
        assigned = source;
        EXPECT_EQ(names(assigned), items);
        const SmallPtrArray<const char> &self = assigned;
        assigned = self;
        EXPECT_EQ(names(assigned), items) << "self-assignment keeps the elements";

        SmallPtrArray<const char> moved = std::move(source);
        EXPECT_EQ(names(moved), items);
        EXPECT_TRUE(source.empty()); // NOLINT(bugprone-use-after-move): a move leaves it empty
        source.insert(0, &m_items[4]);
        EXPECT_EQ(names(source), "e") << "a moved-from array is usable";
        SmallPtrArray<const char> moveAssigned = make("abcd");
        moveAssigned = std::move(moved);
        EXPECT_EQ(names(moveAssigned), items);
        EXPECT_TRUE(moved.empty()); // NOLINT(bugprone-use-after-move)
    }
}
