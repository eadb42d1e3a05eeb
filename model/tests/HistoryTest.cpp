// Morvane model library tests.
// The undo history: undo and redo, groups, state records, and ownership of what it took out.
#include "model/History.h"

#include "model/FormulaCopy.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// An element that counts its deletions in a shared counter.
class Element
{
public:
    Element(std::string name, int &deleted)
        : m_name(std::move(name))
        , m_deleted(deleted)
    {
    }
    virtual ~Element() { ++m_deleted; }

    const std::string &name() const { return m_name; }

private:
    std::string m_name;
    int &m_deleted;
};

// An owning collection with a history beside it, and helpers that change it as the model does.
class HistoryTest : public ::testing::Test
{
protected:
    Element *insert(const std::string &name, int index)
    {
        auto *element = new Element(name, deleted);
        collection.InsertAt(index, element);
        history.AddInsertion(collection, index);
        return element;
    }

    Element *remove(int index)
    {
        Element *element = collection.GetAt(index);
        history.AddRemoval(collection, index);
        collection.RemoveAt(index);
        return element;
    }

    void move(int from, int to)
    {
        history.AddMove(collection, from, to);
        collection.Move(from, to);
    }

    std::string names() const
    {
        std::string text;
        for (const Element *element : collection)
            text += element->name();
        return text;
    }

    int deleted = 0;
    // Declared before the history, so the history (which may delete elements) goes first.
    COwningCollection<Element> collection;
    CHistory history;
};

// A state that the history saves and restores: a number.
class Counter : public IFormulaCopy
{
public:
    explicit Counter(int value)
        : value(value)
    {
    }

    std::unique_ptr<IFormulaCopy> FindManagedCounterpart() override
    {
        return std::make_unique<Counter>(value);
    }
    void Assign(IFormulaCopy *other) override { value = static_cast<Counter *>(other)->value; }

    int value;
};

} // namespace

TEST_F(HistoryTest, UndoesAndRedoesInsertionsRemovalsAndMoves)
{
    insert("a", 0);
    insert("b", 1);
    insert("c", 2);
    move(0, 2);
    remove(0);
    EXPECT_EQ(names(), "ca");
    ASSERT_EQ(history.GetItemCount(), 5);

    const char *const undone[] = {"bca", "abc", "ab", "a", ""};
    for (const char *expected : undone) {
        history.Undo();
        EXPECT_EQ(names(), expected);
    }
    EXPECT_EQ(history.GetCurrentIndex(), -1);
    history.Undo();
    EXPECT_EQ(names(), "") << "nothing left to undo";

    for (const char *expected : {"a", "ab", "abc", "bca", "ca"}) {
        history.Redo();
        EXPECT_EQ(names(), expected);
    }
    history.Redo();
    EXPECT_EQ(history.GetCurrentIndex(), 4) << "nothing left to redo";
    EXPECT_EQ(deleted, 0);
}

TEST_F(HistoryTest, DestroysAnUndoneInsertionWhenANewChangeIsRecorded)
{
    insert("a", 0);
    insert("b", 1);
    history.Undo();
    EXPECT_EQ(deleted, 0) << "the history owns b while it is out";
    insert("c", 1);
    EXPECT_EQ(deleted, 1) << "b can no longer come back";
    EXPECT_EQ(history.GetItemCount(), 2);
    history.Redo();
    EXPECT_EQ(names(), "ac");
}

TEST_F(HistoryTest, DestroysARemovedElementWhenTheRemovalBecomesFinal)
{
    insert("a", 0);
    remove(0);
    history.Clear();
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(history.GetItemCount(), 0);
}

TEST_F(HistoryTest, KeepsAnElementWhoseRemovalWasUndone)
{
    insert("a", 0);
    remove(0);
    history.Undo();
    history.Clear();
    EXPECT_EQ(names(), "a");
    EXPECT_EQ(deleted, 0);
}

TEST_F(HistoryTest, NeverDestroysElementsOfAPlainCollection)
{
    Element element("a", deleted);
    CPtrCollection<Element> references;
    references.Add(&element);
    history.AddRemoval(references, 0);
    references.RemoveAt(0);
    history.Clear();
    references.Add(&element);
    history.AddInsertion(references, 0);
    history.Undo();
    history.Clear();
    EXPECT_EQ(deleted, 0);
}

TEST_F(HistoryTest, UndoesANestedGroupAsOneRecordInReverseOrder)
{
    insert("a", 0);
    history.BeginGroup();
    history.BeginGroup();
    insert("b", 1);
    move(0, 1);
    history.EndGroup();
    EXPECT_TRUE(history.IsGrouping()) << "only the outermost end closes the group";
    EXPECT_EQ(history.GetItemCount(), 1);
    remove(0);
    history.EndGroup();
    EXPECT_FALSE(history.IsGrouping());
    EXPECT_EQ(names(), "a");
    ASSERT_EQ(history.GetItemCount(), 2);

    history.Undo();
    EXPECT_EQ(names(), "a");
    EXPECT_EQ(history.GetCurrentIndex(), 0);
    history.Redo();
    EXPECT_EQ(names(), "a");
    history.Undo();
    history.Undo();
    EXPECT_EQ(names(), "");
    history.Clear();
    EXPECT_EQ(deleted, 2) << "a and b were out of the collection";
}

TEST_F(HistoryTest, LeavesNoRecordForAnEmptyOrUnbalancedGroup)
{
    insert("a", 0);
    history.BeginGroup();
    history.EndGroup();
    history.EndGroup();
    EXPECT_EQ(history.GetItemCount(), 1);
    EXPECT_FALSE(history.IsGrouping());
    insert("b", 1);
    EXPECT_EQ(history.GetItemCount(), 2) << "an extra end does not start a group";
}

TEST_F(HistoryTest, DiscardsTheRecordsOfAGroupInTheirOrder)
{
    insert("a", 0);
    insert("b", 1);
    history.BeginGroup();
    remove(1);
    remove(0);
    history.EndGroup();
    history.Clear();
    EXPECT_EQ(deleted, 2) << "a finished group's removals become final";

    insert("c", 0);
    history.BeginGroup();
    insert("d", 1);
    insert("e", 2);
    history.EndGroup();
    history.Undo();
    history.DeleteRedoItems();
    EXPECT_EQ(deleted, 4) << "an undone group's insertions are dropped";
    EXPECT_EQ(names(), "c");
}

TEST_F(HistoryTest, KeepsTheRedoSideWhenOnlyTheUndoSideIsDeleted)
{
    insert("a", 0);
    insert("b", 1);
    history.Undo();
    history.DeleteUndoItems();
    EXPECT_EQ(history.GetCurrentIndex(), -1);
    ASSERT_EQ(history.GetItemCount(), 1);
    history.Redo();
    EXPECT_EQ(names(), "ab");
}

TEST(HistoryOwnershipTest, DestroysWhatItHoldsWhenDestroyed)
{
    int deleted = 0;
    COwningCollection<Element> collection;
    {
        CHistory history;
        for (const char *name : {"a", "b", "c"})
            collection.Add(new Element(name, deleted));
        history.AddRemoval(collection, 0);
        collection.RemoveAt(0);
        collection.Add(new Element("d", deleted));
        history.AddInsertion(collection, 2);
        history.Undo();
        history.BeginGroup();
        history.AddRemoval(collection, 0);
        collection.RemoveAt(0);
    }
    EXPECT_EQ(deleted, 3) << "a (removed), d (undone insertion) and b (removed in an open group)";
    EXPECT_EQ(collection.GetCount(), 1);
}

TEST(ObjectStateItemTest, SwapsBetweenTheSavedAndThePresentState)
{
    Counter counter(1);
    CHistory history;
    history.AddObjectItem(&counter);
    counter.value = 2;
    history.Undo();
    EXPECT_EQ(counter.value, 1);
    history.Redo();
    EXPECT_EQ(counter.value, 2);
    history.Undo();
    EXPECT_EQ(counter.value, 1);
}
