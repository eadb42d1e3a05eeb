// Morvane program foundation extras.
// The tree of query nodes on which the view's shape queries and focus filter are built.
#include "app/extras/QueryNode.h"

#include <cassert>
#include <utility>

int32_t CQueryNode::QueryValue(int32_t v)
{
    return m_pParent != nullptr ? m_pParent->QueryValue(v) : -1;
}

CQueryNode *CQueryNode::FindById(int32_t id)
{
    return FindInParent(id);
}

CQueryNode *CQueryNode::GetChildAt(int) const
{
    return nullptr;
}

int CQueryNode::GetChildCount() const
{
    return 0;
}

CQueryNode *CQueryNode::FindInParent(int32_t id)
{
    return m_pParent != nullptr ? m_pParent->FindById(id) : nullptr;
}

void CQueryBranch::Accept(CQueryVisitor &visitor)
{
    if (!visitor.CanEnter(*this))
        return;
    visitor.Visit(*this);
    visitor.SetMode(m_nMode);
    const int count = GetChildCount();
    for (int i = 0; i < count; ++i)
        GetChildAt(i)->Accept(visitor);
}

CQueryNode *CQueryBranch::FindById(int32_t id)
{
    return GetId() == id ? this : FindInParent(id);
}

CQueryNode *CQueryBranch::GetChildAt(int i) const
{
    assert(i >= 0 && i < GetChildCount() && "query child index out of range");
    return m_aChildren[static_cast<size_t>(i)].get();
}

int CQueryBranch::GetChildCount() const
{
    return static_cast<int>(m_aChildren.size());
}

CQueryNode *CQueryBranch::AddChild(std::unique_ptr<CQueryNode> child)
{
    child->SetParent(this);
    m_aChildren.push_back(std::move(child));
    return m_aChildren.back().get();
}

int32_t CQueryBranch::SetRange(int32_t a, int32_t b)
{
    m_nRangeStart = a;
    m_nRangeEnd = b;
    return a;
}

CQueryNode *CShapeQuery::FindById(int32_t)
{
    return nullptr;
}

int32_t CShapeQuery::QueryValue(int32_t)
{
    return -1;
}
