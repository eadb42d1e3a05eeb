// Morvane Hollicot formula parser.
// A recursive descent parser over the tokens of one text.
#include "platform/hollicot/Parser.h"

#include "platform/hollicot/ErrorCode.h"

#include <algorithm>

namespace hollicot {

namespace {

struct ParseFault
{
    int code;
};

class StatementParser
{
public:
    StatementParser(std::string_view text, const TokenList &tokens, std::size_t begin,
                    std::size_t end, SyntaxTree &tree)
        : m_text(text), m_tokens(tokens), m_pos(begin), m_end(end), m_tree(tree)
    {
    }

    Statement run()
    {
        Statement statement;
        if (peekFunction("PA")) {
            statement.hasAddress = true;
            statement.address = parseAddress();
            expect(TokenKind::Equals, kUnexpectedToken);
        }
        statement.root = parseExpression();
        if (m_pos < m_end)
            throw ParseFault{leftoverCode()};
        return statement;
    }

private:
    const Token *peek() const { return m_pos < m_end ? &m_tokens[m_pos] : nullptr; }

    bool peekIs(TokenKind kind) const { return peek() && peek()->kind == kind; }

    bool peekFunction(std::string_view name) const
    {
        const Token *token = peek();
        if (!token || token->kind != TokenKind::Function)
            return false;
        const FunctionInfo *function = findFunction(token->textIn(m_text).substr(1));
        return function && function->name == name;
    }

    int leftoverCode() const
    {
        const TokenKind kind = m_tokens[m_pos].kind;
        if (kind == TokenKind::Close)
            return kUnbalanced;
        if (kind == TokenKind::Equals)
            return kBadAddress;
        return kUnexpectedToken;
    }

    const Token &take()
    {
        if (m_pos >= m_end)
            throw ParseFault{kUnexpectedEnd};
        return m_tokens[m_pos++];
    }

    void expect(TokenKind kind, int code)
    {
        if (m_pos >= m_end)
            throw ParseFault{kind == TokenKind::Close ? kUnbalanced : kUnexpectedEnd};
        if (m_tokens[m_pos].kind != kind)
            throw ParseFault{code};
        ++m_pos;
    }

    int tokenIndex() const { return static_cast<int>(m_pos); }

    int addNode(Node node)
    {
        for (const int child : node.children)
            node.depth = std::max(node.depth, m_tree.nodes[static_cast<std::size_t>(child)].depth + 1);
        if (node.depth > kMaxTreeDepth)
            throw ParseFault{kUnexpectedToken};
        m_tree.nodes.push_back(std::move(node));
        return static_cast<int>(m_tree.nodes.size() - 1);
    }

    int addBinary(NodeKind kind, int left, int right)
    {
        Node node;
        node.kind = kind;
        node.children = {left, right};
        return addNode(std::move(node));
    }

    Address parseAddress()
    {
        ++m_pos; // %PA
        expect(TokenKind::Open, kBadAddress);
        Address address;
        address.applyX = parseApplyType();
        expect(TokenKind::Comma, kBadAddress);
        address.applyY = parseApplyType();
        do {
            expect(TokenKind::Comma, kBadAddress);
            if (!peekIs(TokenKind::Name))
                throw ParseFault{peek() ? kBadAddress : kUnexpectedEnd};
            address.targetTokens.push_back(tokenIndex());
            ++m_pos;
        } while (!peekIs(TokenKind::Close));
        ++m_pos;
        return address;
    }

    int parseApplyType()
    {
        const Token &token = take();
        const std::string_view digits = token.textIn(m_text);
        if (token.kind != TokenKind::Number || digits.size() != 1 || digits[0] < '0' ||
            digits[0] > '2')
            throw ParseFault{kBadAddress};
        return digits[0] - '0';
    }

    // Nesting is counted on every rule that can recurse.
    class Nest
    {
    public:
        explicit Nest(int &depth) : m_depth(depth)
        {
            if (++m_depth > kMaxNesting)
                throw ParseFault{kUnexpectedToken};
        }
        ~Nest() { --m_depth; }
        Nest(const Nest &) = delete;
        Nest &operator=(const Nest &) = delete;

    private:
        int &m_depth;
    };

    int parseExpression()
    {
        const Nest nest(m_depth);
        int left = parseTerm();
        while (peekIs(TokenKind::Plus) || peekIs(TokenKind::Minus)) {
            const NodeKind kind = take().kind == TokenKind::Plus ? NodeKind::Add : NodeKind::Subtract;
            left = addBinary(kind, left, parseTerm());
        }
        return left;
    }

    int parseTerm()
    {
        int left = parseUnary();
        while (peekIs(TokenKind::Star) || peekIs(TokenKind::Slash)) {
            const NodeKind kind = take().kind == TokenKind::Star ? NodeKind::Multiply : NodeKind::Divide;
            left = addBinary(kind, left, parseUnary());
        }
        return left;
    }

    int parseUnary()
    {
        const Nest nest(m_depth);
        if (peekIs(TokenKind::Plus)) {
            ++m_pos;
            return parseUnary();
        }
        if (!peekIs(TokenKind::Minus))
            return parsePrimary();
        ++m_pos;
        Node node;
        node.kind = NodeKind::Negate;
        node.children = {parseUnary()};
        return addNode(std::move(node));
    }

    int parsePrimary()
    {
        const int index = tokenIndex();
        const Token &token = take();
        switch (token.kind) {
        case TokenKind::Number: {
            Node node;
            node.kind = NodeKind::Number;
            node.token = index;
            node.number = token.value;
            return addNode(std::move(node));
        }
        case TokenKind::Name:
            return parseName(index);
        case TokenKind::Open:
            return parseParenthesised();
        case TokenKind::Function:
            return parseCall(index);
        case TokenKind::Close:
            throw ParseFault{kUnbalanced};
        default:
            throw ParseFault{kUnexpectedToken};
        }
    }

    int parseName(int index)
    {
        Node node;
        node.kind = NodeKind::Name;
        node.token = index;
        if (peekIs(TokenKind::Component)) {
            node.kind = NodeKind::Component;
            node.axis = take().axis;
        }
        return addNode(std::move(node));
    }

    int parseParenthesised()
    {
        const int first = parseExpression();
        if (!peekIs(TokenKind::Comma)) {
            expect(TokenKind::Close, kUnexpectedToken);
            return first;
        }
        ++m_pos;
        const int second = parseExpression();
        expect(TokenKind::Close, kUnexpectedToken);
        Node node;
        node.kind = NodeKind::Pair;
        node.children = {first, second};
        return addNode(std::move(node));
    }

    int parseCall(int index)
    {
        const FunctionInfo *function = findFunction(m_tokens[static_cast<std::size_t>(index)].textIn(m_text).substr(1));
        if (!function)
            throw ParseFault{kUnknownFunction};
        if (function->role == FunctionRole::Address)
            throw ParseFault{kBadAddress};
        expect(TokenKind::Open, kUnexpectedToken);
        Node node;
        node.kind = NodeKind::Call;
        node.token = index;
        node.function = function;
        for (;;) {
            node.children.push_back(parseArgument());
            if (!peekIs(TokenKind::Comma))
                break;
            ++m_pos;
        }
        expect(TokenKind::Close, kUnexpectedToken);
        checkArgumentCount(*function, node.children.size());
        return addNode(std::move(node));
    }

    int parseArgument()
    {
        if (peekIs(TokenKind::Comma) || peekIs(TokenKind::Close))
            return addNode(Node{});
        return parseExpression();
    }

    static void checkArgumentCount(const FunctionInfo &function, std::size_t count)
    {
        const bool fits = function.variadic ? count + 1 >= function.argCount
                                            : count == function.argCount;
        if (!fits)
            throw ParseFault{kArgumentCount};
    }

    std::string_view m_text;
    const TokenList &m_tokens;
    std::size_t m_pos;
    std::size_t m_end;
    SyntaxTree &m_tree;
    int m_depth = 0;
};

int firstBadToken(const TokenList &tokens, std::size_t begin, std::size_t end)
{
    const auto bad = std::find_if(tokens.begin() + static_cast<std::ptrdiff_t>(begin),
                                  tokens.begin() + static_cast<std::ptrdiff_t>(end),
                                  [](const Token &token) { return token.kind == TokenKind::Bad; });
    return bad == tokens.begin() + static_cast<std::ptrdiff_t>(end) ? kOk : bad->error;
}

} // namespace

ParseResult parse(std::string_view text, const TokenList &tokens)
{
    ParseResult result;
    std::size_t begin = 0;
    while (begin < tokens.size()) {
        std::size_t end = begin;
        while (end < tokens.size() && tokens[end].kind != TokenKind::Separator)
            ++end;
        if (end > begin) {
            const std::size_t offset = tokens[begin].offset;
            const std::size_t length = tokens[end - 1].offset + tokens[end - 1].length - offset;
            try {
                if (const int code = firstBadToken(tokens, begin, end))
                    throw ParseFault{code};
                Statement statement = StatementParser(text, tokens, begin, end, result.tree).run();
                statement.offset = offset;
                statement.length = length;
                result.tree.statements.push_back(std::move(statement));
            } catch (const ParseFault &fault) {
                result.code = fault.code;
                result.faultOffset = offset;
                result.faultLength = length;
                return result;
            }
        }
        begin = end + 1;
    }
    return result;
}

} // namespace hollicot
