// Morvane foundation tests.
// The name map: generated names by number, other names by hash, replacement and removal.
#include "foundation/XmlNameMap.h"

#include "SampleModel.h"

#include <gtest/gtest.h>
#include <memory_resource>
#include <string>

namespace {

class XmlNameMapTest : public ::testing::Test
{
protected:
    std::pmr::monotonic_buffer_resource m_memory;
    CXmlNameMap m_map{&m_memory};
    sample::Point m_a;
    sample::Point m_b;
    sample::Point m_c;
};

TEST_F(XmlNameMapTest, FindsEveryKindOfName)
{
    const struct
    {
        const char *name;
        CAttContainer *object;
    } rows[] = {
        {"0", &m_a},         {"1", &m_b},       {"007", &m_c},       {"Front 1", &m_a},
        {"", &m_b},          {"-1", &m_c},      {"12a", &m_a},       {"1234567890123", &m_b},
        {"5", &m_c}, // past the numbers so far
    };
    for (const auto &row : rows)
        m_map.Assign(row.name, row.object);
    for (const auto &row : rows)
        EXPECT_EQ(m_map.Find(row.name), row.object) << '"' << row.name << '"';
    EXPECT_EQ(m_map.GetCount(), std::size(rows));
    for (const char *absent : {"2", "4", "6", "07", "00", "01", "Front"})
        EXPECT_EQ(m_map.Find(absent), nullptr) << absent;
}

TEST_F(XmlNameMapTest, ReplacesAnObjectOfTheSameName)
{
    m_map.Assign("0", &m_a);
    m_map.Assign("2", &m_b); // waits beyond the numbers so far
    m_map.Assign("1", &m_a);
    m_map.Assign("2", &m_c); // the numbers reach it now
    m_map.Assign("0", &m_c);
    m_map.Assign("x", &m_a);
    m_map.Assign("x", &m_b);
    EXPECT_EQ(m_map.Find("0"), &m_c);
    EXPECT_EQ(m_map.Find("1"), &m_a);
    EXPECT_EQ(m_map.Find("2"), &m_c);
    EXPECT_EQ(m_map.Find("x"), &m_b);
    EXPECT_EQ(m_map.GetCount(), 4u);
}

TEST_F(XmlNameMapTest, ErasesEveryEntryOfAnObject)
{
    m_map.Assign("0", &m_a);
    m_map.Assign("1", &m_b);
    m_map.Assign("2", &m_a);
    m_map.Assign("9", &m_a);
    m_map.Assign("Front", &m_a);
    m_map.Erase(&m_a);
    EXPECT_EQ(m_map.GetCount(), 1u);
    for (const char *name : {"0", "2", "9", "Front"})
        EXPECT_EQ(m_map.Find(name), nullptr) << name;
    EXPECT_EQ(m_map.Find("1"), &m_b);
    m_map.Assign("0", &m_c);
    EXPECT_EQ(m_map.Find("0"), &m_c) << "a freed number takes a new entry";
    EXPECT_EQ(m_map.GetCount(), 2u);
}

} // namespace

namespace {

// Counts the blocks that a map takes.
class CountingMemory : public std::pmr::memory_resource
{
public:
    int blocks = 0;

private:
    void *do_allocate(size_t bytes, size_t alignment) override
    {
        ++blocks;
        return std::pmr::new_delete_resource()->allocate(bytes, alignment);
    }
    void do_deallocate(void *block, size_t bytes, size_t alignment) override
    {
        std::pmr::new_delete_resource()->deallocate(block, bytes, alignment);
    }
    bool do_is_equal(const memory_resource &other) const noexcept override
    {
        return this == &other;
    }
};

} // namespace

TEST(XmlNameMapGrowthTest, ManySmallCollectionsDoNotMoveTheEntriesEachTime)
{
    constexpr int kCollections = 1000;
    constexpr int kElements = 3;
    sample::Point point;
    CountingMemory numberMemory;
    CXmlNameMap numbers(&numberMemory);
    CountingMemory nameMemory;
    CXmlNameMap names(&nameMemory);
    for (int i = 0; i < kCollections; ++i) {
        numbers.ReserveNumbers(kElements);
        names.ReserveNames(kElements);
        for (int j = 0; j < kElements; ++j) {
            numbers.Assign(std::to_string(numbers.GetCount()), &point);
            names.Assign("P" + std::to_string(names.GetCount()), &point);
        }
    }
    EXPECT_EQ(numbers.GetCount(), static_cast<size_t>(kCollections * kElements));
    EXPECT_LT(numberMemory.blocks, 30);
    // One block per entry, and the bucket arrays.
    EXPECT_LT(nameMemory.blocks, kCollections * kElements + 30);
}
