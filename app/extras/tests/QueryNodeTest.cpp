// Morvane program foundation extras tests.
// Query trees: visiting branches, finding branches by id and asking the query above.
#include "app/extras/QueryNode.h"

#include <memory>
#include <vector>

#include <gtest/gtest.h>

namespace {

class Leaf : public CQueryNode
{
public:
    void Accept(CQueryVisitor &visitor) override
    {
        if (visitor.CanEnter(*this))
            visitor.Visit(*this);
    }
};

// Records the ids of the nodes it visits and the mode each saw; refuses the ids it is told.
class RecordingVisitor : public CQueryVisitor
{
public:
    bool CanEnter(CQueryNode &node) override { return node.GetId() != refused; }
    void Visit(CQueryNode &node) override
    {
        visited.push_back(node.GetId());
        modes.push_back(GetMode());
    }

    int32_t refused = -1;
    std::vector<int32_t> visited;
    std::vector<int32_t> modes;
};

// root (1, mode 7) -> [leaf 2, branch 3 (mode 4) -> [leaf 5], leaf 6]
class QueryTreeTest : public ::testing::Test
{
protected:
    QueryTreeTest()
    {
        CQueryBranch &root = query.GetRoot();
        root.SetId(1);
        addLeaf(root, 2);
        auto inner = std::make_unique<CQueryBranch>();
        inner->SetId(3);
        inner->SetMode(4);
        branch = static_cast<CQueryBranch *>(root.AddChild(std::move(inner)));
        leaf = addLeaf(*branch, 5);
        addLeaf(root, 6);
    }

    static CQueryNode *addLeaf(CQueryBranch &parent, int32_t id)
    {
        auto node = std::make_unique<Leaf>();
        node->SetId(id);
        return parent.AddChild(std::move(node));
    }

    CShapeQuery query;
    CQueryBranch *branch = nullptr;
    CQueryNode *leaf = nullptr;
};

} // namespace

TEST_F(QueryTreeTest, VisitsBranchesThenTheirChildrenInOrder)
{
    EXPECT_EQ(query.GetRoot().GetMode(), 7);
    RecordingVisitor visitor;
    query.GetRoot().Accept(visitor);
    EXPECT_EQ(visitor.visited, (std::vector<int32_t>{1, 2, 3, 5, 6}));
    EXPECT_EQ(visitor.modes, (std::vector<int32_t>{0, 7, 7, 4, 4}))
        << "a branch hands its mode on after its own visit";
}

TEST_F(QueryTreeTest, ABranchThatCannotBeEnteredHidesItsChildren)
{
    RecordingVisitor visitor;
    visitor.refused = 3;
    query.GetRoot().Accept(visitor);
    EXPECT_EQ(visitor.visited, (std::vector<int32_t>{1, 2, 6}));
}

TEST_F(QueryTreeTest, FindsTheNearestBranchAboveByIdAndAsksTheQuery)
{
    EXPECT_EQ(leaf->FindById(3), branch);
    EXPECT_EQ(leaf->FindById(1), &query.GetRoot());
    EXPECT_EQ(leaf->FindById(5), nullptr) << "a plain node does not find itself";
    EXPECT_EQ(branch->FindById(3), branch);
    EXPECT_EQ(branch->FindInParent(3), nullptr) << "the search starts above the branch";
    EXPECT_EQ(leaf->QueryValue(12), -1);

    Leaf orphan;
    EXPECT_EQ(orphan.FindById(0), nullptr);
    EXPECT_EQ(orphan.QueryValue(1), -1);
    EXPECT_EQ(orphan.GetValue(), -1);
    EXPECT_EQ(orphan.GetChildCount(), 0);
    EXPECT_EQ(orphan.GetChildAt(0), nullptr);
}

TEST(QueryBranchTest, StoresItsRange)
{
    CQueryBranch branch;
    EXPECT_EQ(branch.GetRangeStart(), 0);
    EXPECT_EQ(branch.SetRange(3, 9), 3);
    EXPECT_EQ(branch.GetRangeEnd(), 9);
}

namespace {

class AnsweringQuery : public CShapeQuery
{
public:
    int32_t QueryValue(int32_t v) override { return v * 2; }
};

} // namespace

TEST(ShapeQueryTest, NodesPassQuestionsUpToTheQuery)
{
    AnsweringQuery query;
    auto node = std::make_unique<Leaf>();
    CQueryNode *leaf = query.GetRoot().AddChild(std::move(node));
    EXPECT_EQ(leaf->QueryValue(21), 42);
}
