// Morvane program foundation extras.
// The tree of query nodes on which the view's shape queries and focus filter are built.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CQueryNode;

/// What a query node asks of the node or query above it.
class IQueryParent
{
public:
    virtual ~IQueryParent() = default;
    /// The nearest branch at or above with this id; null when none.
    virtual CQueryNode *FindById(int32_t id) = 0;
    /// A value that the query answers for v; -1 when nobody answers.
    virtual int32_t QueryValue(int32_t v) = 0;
};

/// Walks a query tree: a branch asks CanEnter, and when it may be entered, calls Visit, hands
/// the visitor its mode and lets its children accept the visitor in turn.
class CQueryVisitor
{
public:
    virtual ~CQueryVisitor() = default;
    virtual bool CanEnter(CQueryNode &node) = 0;
    virtual void Visit(CQueryNode &node) = 0;

    int32_t GetMode() const { return m_nMode; }
    void SetMode(int32_t mode) { m_nMode = mode; }

private:
    int32_t m_nMode = 0;
};

/// A node of a query tree: its parent (a node or the query; not owned; null for none), a value
/// (-1 at construction) and an id (0). A plain node passes FindById and QueryValue on to its
/// parent and has no children; what accepting a visitor means is its subclass's.
class CQueryNode : public IQueryParent
{
public:
    explicit CQueryNode(IQueryParent *parent = nullptr) : m_pParent(parent) {}
    ~CQueryNode() override = default;
    CQueryNode(const CQueryNode &) = delete;
    CQueryNode &operator=(const CQueryNode &) = delete;

    virtual void Accept(CQueryVisitor &visitor) = 0;
    /// The parent's answer; -1 without parent.
    int32_t QueryValue(int32_t v) override;
    /// The parent's FindById; null without parent.
    CQueryNode *FindById(int32_t id) override;
    virtual CQueryNode *GetChildAt(int i) const;
    virtual int GetChildCount() const;

    /// The parent's FindById (for a branch: the search that starts above it); null without
    /// parent.
    CQueryNode *FindInParent(int32_t id);

    IQueryParent *GetParent() const { return m_pParent; }
    void SetParent(IQueryParent *parent) { m_pParent = parent; }
    int32_t GetValue() const { return m_nValue; }
    void SetValue(int32_t value) { m_nValue = value; }
    int32_t GetId() const { return m_nId; }
    void SetId(int32_t id) { m_nId = id; }

private:
    IQueryParent *m_pParent;
    int32_t m_nValue = -1;
    int32_t m_nId = 0;
};

/// A node with children (owned, deleted with it), a range of two limits (0 and 0) and a mode
/// (7 at construction).
class CQueryBranch : public CQueryNode
{
public:
    explicit CQueryBranch(IQueryParent *parent = nullptr) : CQueryNode(parent) {}

    /// Unless visitor.CanEnter(*this) is false: Visit(*this), the visitor takes this branch's
    /// mode, and each child accepts the visitor in order. Children added during the walk are
    /// not visited.
    void Accept(CQueryVisitor &visitor) override;
    /// This branch when its id is id, else the parent's FindById (null without parent).
    CQueryNode *FindById(int32_t id) override;
    /// Child i (which must be in range).
    CQueryNode *GetChildAt(int i) const override;
    int GetChildCount() const override;

    /// Appends child, makes this branch its parent; returns it.
    CQueryNode *AddChild(std::unique_ptr<CQueryNode> child);

    /// Stores both limits; returns a.
    int32_t SetRange(int32_t a, int32_t b);
    int32_t GetRangeStart() const { return m_nRangeStart; }
    int32_t GetRangeEnd() const { return m_nRangeEnd; }
    int32_t GetMode() const { return m_nMode; }
    void SetMode(int32_t mode) { m_nMode = mode; }

private:
    int32_t m_nRangeStart = 0;
    int32_t m_nRangeEnd = 0;
    int32_t m_nMode = 7;
    std::vector<std::unique_ptr<CQueryNode>> m_aChildren;
};

/// The base of the view's shape queries: the query above a root branch (mode 7). It finds no
/// node and answers -1 for every value; a subclass answers for what it knows.
class CShapeQuery : public IQueryParent
{
public:
    CShapeQuery() : m_oRoot(this) {}
    ~CShapeQuery() override = default;
    CShapeQuery(const CShapeQuery &) = delete;
    CShapeQuery &operator=(const CShapeQuery &) = delete;

    CQueryNode *FindById(int32_t id) override;
    int32_t QueryValue(int32_t v) override;

    CQueryBranch &GetRoot() { return m_oRoot; }

private:
    CQueryBranch m_oRoot;
};
