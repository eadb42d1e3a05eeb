// Morvane foundation library tests.
// The typed pointer collections: order, cyclic neighbours, moves, removals and ownership.
#include "foundation/PtrCollection.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Item
{
    explicit Item(std::string name) : name(std::move(name)) {}
    std::string name;
};

// Five named items that live as long as the test; collections only point at them.
class PtrCollectionTest : public ::testing::Test
{
protected:
    PtrCollectionTest() : a("a"), b("b"), c("c"), d("d"), e("e") {}

    static std::string names(const CPtrCollection<Item> &collection)
    {
        std::string text;
        for (const Item *item : collection)
            text += item == nullptr ? std::string("-") : item->name;
        return text;
    }

    CPtrCollection<Item> make(std::initializer_list<Item *> items)
    {
        CPtrCollection<Item> collection;
        for (Item *item : items)
            collection.Add(item);
        return collection;
    }

    Item a, b, c, d, e;
};

// An item that counts how many of its kind are alive, to watch an owning collection delete.
class Counted
{
public:
    explicit Counted(int &alive) : m_alive(alive) { ++m_alive; }
    virtual ~Counted() { --m_alive; }
    Counted(const Counted &) = delete;
    Counted &operator=(const Counted &) = delete;

private:
    int &m_alive;
};

} // namespace

TEST_F(PtrCollectionTest, AddsInsertsAndFinds)
{
    CPtrCollection<Item> collection;
    EXPECT_EQ(collection.Add(&a), 0);
    EXPECT_EQ(collection.Add(&c), 1);
    collection.InsertAt(1, &b);
    collection.Insert(3, &d);
    collection.InsertAt(0, nullptr);
    EXPECT_EQ(names(collection), "-abcd");
    EXPECT_EQ(collection.Find(&c), 3);
    EXPECT_EQ(collection.Find(&e), -1);
    EXPECT_EQ(collection.Find(nullptr), 0);
    EXPECT_EQ(collection.GetFirst(), nullptr);
    EXPECT_EQ(collection.GetLast(), &d);
}

TEST_F(PtrCollectionTest, NeighboursAreCyclic)
{
    const auto three = make({&a, &b, &c});
    EXPECT_EQ(three.GetNext(0), &b);
    EXPECT_EQ(three.GetNext(2), &a);
    EXPECT_EQ(three.GetNext(5), &a) << "beyond the last index";
    EXPECT_EQ(three.GetPrev(2), &b);
    EXPECT_EQ(three.GetPrev(0), &c);
    EXPECT_EQ(three.GetPrev(-1), &c) << "below index 0";

    const auto one = make({&a});
    EXPECT_EQ(one.GetNext(0), &a);
    EXPECT_EQ(one.GetPrev(0), &a);

    const CPtrCollection<Item> empty;
    EXPECT_EQ(empty.GetNext(0), nullptr);
    EXPECT_EQ(empty.GetPrev(0), nullptr);
    EXPECT_EQ(empty.GetFirst(), nullptr);
    EXPECT_EQ(empty.GetLast(), nullptr);
}

TEST_F(PtrCollectionTest, MoveCountsTheTargetAfterRemoval)
{
    const struct {
        int from;
        int to;
        const char *expected;
    } cases[] = {{0, 2, "bca"}, {2, 0, "cab"}, {0, 1, "bac"}, {1, 1, "abc"}};
    for (const auto &row : cases) {
        SCOPED_TRACE(row.expected);
        auto collection = make({&a, &b, &c});
        collection.Move(row.from, row.to);
        EXPECT_EQ(names(collection), row.expected);
    }
}

TEST_F(PtrCollectionTest, RemovesItemsCountingOnlyActualRemovals)
{
    auto collection = make({&a, &b, &a, &c, &a});
    const auto other = make({&a, &d, &a, &c});
    EXPECT_EQ(collection.RemoveItems(other), 3);
    EXPECT_EQ(names(collection), "ba");

    auto self = make({&a, &b});
    EXPECT_EQ(self.RemoveItems(self), 2);
    EXPECT_EQ(self.GetCount(), 0);
}

TEST_F(PtrCollectionTest, RemoveReturnsTheIndexOrMinusOne)
{
    auto collection = make({&a, &b, &c});
    EXPECT_EQ(collection.Remove(&b), 1);
    EXPECT_EQ(collection.Remove(&e), -1);
    EXPECT_EQ(names(collection), "ac");
    collection.DeleteAt(0);
    collection.RemoveAt(0);
    EXPECT_EQ(collection.GetCount(), 0);
}

TEST_F(PtrCollectionTest, AppendsSetsSizeAndCopies)
{
    auto collection = make({&a});
    collection.Append(make({&b, &c}));
    collection.Append(collection);
    EXPECT_EQ(names(collection), "abcabc");

    collection.SetSize(2);
    EXPECT_EQ(names(collection), "ab");
    collection.SetSize(4);
    EXPECT_EQ(names(collection), "ab--");

    const CCollection<Item> copy = collection;
    collection.RemoveAll();
    EXPECT_EQ(names(copy), "ab--");
    EXPECT_EQ(collection.GetCount(), 0);
}

TEST_F(PtrCollectionTest, ReserveKeepsTheElementsAndTheRoomItMade)
{
    CPtrCollection<Item> collection = make({&a, &b});
    collection.Reserve(5);
    EXPECT_EQ(names(collection), "ab");
    const auto storage = collection.begin();
    collection.Add(&c);
    collection.InsertAt(0, &d);
    collection.Add(&e);
    EXPECT_EQ(names(collection), "dabce");
    EXPECT_EQ(collection.begin(), storage) << "no element moved to new room";
    collection.Reserve(1);
    EXPECT_EQ(names(collection), "dabce") << "reserving less takes nothing out";
}

TEST(OwningCollectionTest, DeletesOnlyThroughTheDeletingOperations)
{
    int alive = 0;
    COwningCollection<Counted> owning;
    Counted *first = new Counted(alive);
    Counted *second = new Counted(alive);
    owning.Add(first);
    owning.Add(second);
    owning.AddOwned(std::make_unique<Counted>(alive));
    owning.Add(nullptr);
    ASSERT_EQ(alive, 3);

    owning.Move(0, 1);
    owning.SetSize(10);
    EXPECT_EQ(owning.GetCount(), 4) << "SetSize is ignored";
    EXPECT_EQ(alive, 3);

    EXPECT_EQ(owning.Remove(first), 1);
    EXPECT_EQ(alive, 2);
    owning.DeleteAt(owning.GetCount() - 1);
    EXPECT_EQ(alive, 2) << "deleting a null element";

    std::unique_ptr<Counted> taken = owning.TakeAt(0);
    EXPECT_EQ(taken.get(), second);
    EXPECT_EQ(alive, 2);
    taken.reset();
    EXPECT_EQ(alive, 1);

    owning.RemoveAll();
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(owning.GetCount(), 0);
}

TEST(OwningCollectionTest, RemovalsThatOnlyTakeOutLeaveElementsAlive)
{
    int alive = 0;
    Counted kept(alive);
    {
        COwningCollection<Counted> owning;
        owning.Add(&kept);
        CPtrCollection<Counted> view;
        view.Add(&kept);
        EXPECT_EQ(owning.RemoveItems(view), 1);
        owning.Add(&kept);
        owning.RemoveAt(0);
        owning.AddOwned(std::make_unique<Counted>(alive));
        owning.AddOwned(std::make_unique<Counted>(alive));
        EXPECT_EQ(alive, 3);
    }
    EXPECT_EQ(alive, 1) << "the destructor deletes what it still holds";
}
