// Morvane Hollicot formula parser.
// Which number literals of a text are lengths.
#include "platform/hollicot/LengthLiterals.h"

#include <algorithm>

namespace hollicot {

namespace {

class LengthFinder
{
public:
    explicit LengthFinder(const SyntaxTree &tree) : m_tree(tree) {}

    void visit(int index, bool isLength)
    {
        const Node &n = m_tree.nodes[static_cast<std::size_t>(index)];
        switch (n.kind) {
        case NodeKind::Number:
            if (isLength)
                m_tokens.push_back(n.token);
            return;
        case NodeKind::Pair:
        case NodeKind::Negate:
        case NodeKind::Add:
        case NodeKind::Subtract:
            for (const int child : n.children)
                visit(child, isLength);
            return;
        case NodeKind::Multiply:
            return product(n, isLength);
        case NodeKind::Divide:
            visit(n.children[0], isLength);
            visit(n.children[1], false);
            return;
        case NodeKind::Call:
            return call(n, isLength);
        case NodeKind::Name:
        case NodeKind::Component:
        case NodeKind::Empty:
            return;
        }
    }

    std::vector<int> take() { return std::move(m_tokens); }

private:
    void product(const Node &n, bool isLength)
    {
        const bool rightIsLength =
            isLength && holdsLength(n.children[1]) && !holdsLength(n.children[0]);
        visit(n.children[0], isLength && !rightIsLength);
        visit(n.children[1], rightIsLength);
    }

    void call(const Node &n, bool isLength)
    {
        for (std::size_t i = 0; i < n.children.size(); ++i) {
            const ArgKind kind = n.function->argKind(i);
            if (kind == ArgKind::Length)
                visit(n.children[i], true);
            else if (kind == ArgKind::Inherit)
                visit(n.children[i], isLength);
        }
    }

    // True when the expression holds a name or a construction, which carry lengths.
    bool holdsLength(int index) const
    {
        const Node &n = m_tree.nodes[static_cast<std::size_t>(index)];
        if (n.kind == NodeKind::Name || n.kind == NodeKind::Component)
            return true;
        if (n.kind == NodeKind::Call && n.function->id != FunctionId::Inc)
            return true;
        return std::any_of(n.children.begin(), n.children.end(),
                           [this](int child) { return holdsLength(child); });
    }

    const SyntaxTree &m_tree;
    std::vector<int> m_tokens;
};

} // namespace

std::vector<int> lengthLiterals(const SyntaxTree &tree)
{
    LengthFinder finder(tree);
    for (const Statement &statement : tree.statements)
        finder.visit(statement.root, true);
    std::vector<int> tokens = finder.take();
    std::sort(tokens.begin(), tokens.end());
    return tokens;
}

} // namespace hollicot
