// Morvane Hollicot formula parser.
// Turns a syntax tree into programs, binding every name once and checking kinds.
#include "platform/hollicot/Compiler.h"

#include "platform/hollicot/ErrorCode.h"

#include <algorithm>
#include <string>

namespace hollicot {

namespace {

struct CompileFault
{
    int code;
};

enum class ValueKind { Scalar, Vector, Any };

class Compiler
{
public:
    Compiler(std::string_view text, const TokenList &tokens, const SyntaxTree &tree,
             const CompileSetting &setting, CompiledText &out)
        : m_text(text), m_tokens(tokens), m_tree(tree), m_setting(setting), m_out(out)
    {
    }

    CompiledStatement statement(const Statement &source)
    {
        CompiledStatement compiled;
        compiled.offset = source.offset;
        compiled.length = source.length;
        m_program = &compiled.program;
        m_depth = 0;
        const Node &root = node(source.root);
        if (source.hasAddress) {
            compileAddress(source.address, compiled);
            if (value(source.root) == ValueKind::Scalar)
                throw CompileFault{kWrongKind};
        } else if (root.kind == NodeKind::Call && root.function->role == FunctionRole::Statement) {
            compiled.call = callSite(root);
        } else if (m_setting.grading) {
            throw CompileFault{kWrongKind};
        } else {
            compiled.givesVector = value(source.root) == ValueKind::Vector;
        }
        return compiled;
    }

private:
    const Node &node(int index) const { return m_tree.nodes[static_cast<std::size_t>(index)]; }

    std::string_view tokenText(int token) const
    {
        return m_tokens[static_cast<std::size_t>(token)].textIn(m_text);
    }

    Binding bind(int token)
    {
        const Binding binding = m_setting.resolve(tokenText(token));
        if (binding.kind == Binding::Kind::Unknown)
            throw CompileFault{kUnknownName};
        if (binding.kind == Binding::Kind::Free)
            m_out.computable = false;
        return binding;
    }

    void compileAddress(const Address &address, CompiledStatement &compiled)
    {
        compiled.assigns = true;
        compiled.applyX = address.applyX;
        compiled.applyY = address.applyY;
        for (const int token : address.targetTokens) {
            const Binding binding = bind(token);
            if (binding.kind == Binding::Kind::Scalar)
                throw CompileFault{kTargetNotVariable};
            compiled.targets.push_back(binding.index);
        }
    }

    void emit(Op op, int index = 0, double number = 0, int pushes = 1, int pops = 0)
    {
        m_program->code.push_back({op, index, number});
        m_depth += pushes - pops;
        m_program->maxDepth = std::max(m_program->maxDepth, m_depth);
    }

    ValueKind value(int index)
    {
        const Node &n = node(index);
        switch (n.kind) {
        case NodeKind::Number:
            emit(Op::Constant, 0, n.number);
            return ValueKind::Scalar;
        case NodeKind::Name:
            return name(n);
        case NodeKind::Component:
            return component(n);
        case NodeKind::Pair:
            requireScalar(value(n.children[0]));
            requireScalar(value(n.children[1]));
            emit(Op::Pair, 0, 0, 0, 1);
            return ValueKind::Vector;
        case NodeKind::Negate: {
            const ValueKind kind = value(n.children[0]);
            emit(Op::Negate, 0, 0, 0, 0);
            return kind;
        }
        case NodeKind::Add:
        case NodeKind::Subtract:
            return sum(n);
        case NodeKind::Multiply:
            return product(n);
        case NodeKind::Divide:
            return quotient(n);
        case NodeKind::Call:
            return valueCall(n);
        case NodeKind::Empty:
            break;
        }
        throw CompileFault{kUnexpectedToken};
    }

    static void requireScalar(ValueKind kind)
    {
        if (kind == ValueKind::Vector)
            throw CompileFault{kWrongKind};
    }

    ValueKind name(const Node &n)
    {
        const Binding binding = bind(n.token);
        if (binding.kind == Binding::Kind::Variable) {
            emit(Op::LoadCell, binding.index);
            return ValueKind::Vector;
        }
        if (binding.kind == Binding::Kind::Scalar) {
            emit(Op::LoadScalar, binding.index);
            return ValueKind::Scalar;
        }
        emit(Op::Constant);
        return ValueKind::Any;
    }

    ValueKind component(const Node &n)
    {
        const Binding binding = bind(n.token);
        if (binding.kind == Binding::Kind::Scalar)
            throw CompileFault{kWrongKind};
        if (binding.kind == Binding::Kind::Free) {
            emit(Op::Constant);
            return ValueKind::Any;
        }
        emit(Op::LoadAxis, binding.index, n.axis);
        return ValueKind::Scalar;
    }

    ValueKind sum(const Node &n)
    {
        const ValueKind left = value(n.children[0]);
        const ValueKind right = value(n.children[1]);
        emit(n.kind == NodeKind::Add ? Op::Add : Op::Subtract, 0, 0, 0, 1);
        if (left == ValueKind::Any || right == ValueKind::Any)
            return ValueKind::Any;
        if (left != right)
            throw CompileFault{kWrongKind};
        return left;
    }

    ValueKind product(const Node &n)
    {
        const ValueKind left = value(n.children[0]);
        const ValueKind right = value(n.children[1]);
        if (left == ValueKind::Vector && right == ValueKind::Vector)
            throw CompileFault{kWrongKind};
        if (left == ValueKind::Scalar && right == ValueKind::Vector) {
            emit(Op::ScaleLeft, 0, 0, 0, 1);
            return ValueKind::Vector;
        }
        emit(Op::Multiply, 0, 0, 0, 1);
        if (left == ValueKind::Any || right == ValueKind::Any)
            return ValueKind::Any;
        return left;
    }

    ValueKind quotient(const Node &n)
    {
        const ValueKind left = value(n.children[0]);
        requireScalar(value(n.children[1]));
        emit(Op::Divide, 0, 0, 0, 1);
        return left;
    }

    ValueKind valueCall(const Node &n)
    {
        if (n.function->role != FunctionRole::Value)
            throw CompileFault{kWrongKind};
        if (n.function->id == FunctionId::Inc) {
            const ValueKind kind = scalarOrEmpty(n.children[0], true);
            emit(Op::Increment, 0, 0, 0, 0);
            return kind;
        }
        const int site = callSite(n);
        emit(Op::Call, site, 0, 1, m_out.calls[static_cast<std::size_t>(site)].scalarCount);
        return ValueKind::Vector;
    }

    // Compiles the scalar arguments onto the stack and binds the others.
    int callSite(const Node &n)
    {
        CallSite site;
        site.function = n.function->id;
        for (std::size_t i = 0; i < n.children.size(); ++i)
            argument(*n.function, i, n.children[i], site);
        if (site.function == FunctionId::Cr)
            bindSizedOutline(n, site);
        m_out.calls.push_back(std::move(site));
        return static_cast<int>(m_out.calls.size() - 1);
    }

    void argument(const FunctionInfo &function, std::size_t i, int child, CallSite &site)
    {
        switch (function.argKind(i)) {
        case ArgKind::Point:
            site.points.push_back(point(child, false));
            return;
        case ArgKind::OptionalPoint:
            site.points.push_back(point(child, true));
            return;
        case ArgKind::Points:
            if (node(child).kind != NodeKind::Empty)
                site.points.push_back(point(child, false));
            return;
        case ArgKind::Length:
        case ArgKind::Angle:
        case ArgKind::Number:
        case ArgKind::Inherit:
            scalarOrEmpty(child, false);
            ++site.scalarCount;
            return;
        case ArgKind::Path:
            path(child, site);
            return;
        case ArgKind::List:
            list(child, site);
            return;
        case ArgKind::Names:
            break;
        }
        throw CompileFault{kWrongKind};
    }

    ValueKind scalarOrEmpty(int child, bool vectorAllowed)
    {
        if (node(child).kind == NodeKind::Empty) {
            emit(Op::Constant);
            return ValueKind::Scalar;
        }
        const ValueKind kind = value(child);
        if (!vectorAllowed)
            requireScalar(kind);
        return kind;
    }

    int point(int child, bool optional)
    {
        const Node &n = node(child);
        if (n.kind == NodeKind::Empty && optional)
            return -1;
        if (n.kind != NodeKind::Name)
            throw CompileFault{kWrongKind};
        const Binding binding = bind(n.token);
        if (binding.kind == Binding::Kind::Scalar)
            throw CompileFault{kWrongKind};
        return binding.index;
    }

    const Node &callOf(int child, FunctionRole role) const
    {
        const Node &n = node(child);
        if (n.kind != NodeKind::Call || n.function->role != role)
            throw CompileFault{kWrongKind};
        return n;
    }

    void path(int child, CallSite &site)
    {
        const Node &n = callOf(child, FunctionRole::Path);
        site.pathFirst = point(n.children[0], false);
        site.pathLast = point(n.children[1], false);
    }

    void list(int child, CallSite &site)
    {
        const Node &n = callOf(child, FunctionRole::List);
        for (const int entry : n.children) {
            const Node &e = node(entry);
            if (e.kind == NodeKind::Empty)
                continue;
            if (e.kind != NodeKind::Name)
                throw CompileFault{kWrongKind};
            site.list.push_back(bind(e.token));
        }
        const auto isKind = [&site](Binding::Kind kind) {
            return std::any_of(site.list.begin(), site.list.end(),
                               [kind](const Binding &b) { return b.kind == kind; });
        };
        if (isKind(Binding::Kind::Variable) && isKind(Binding::Kind::Scalar))
            throw CompileFault{kWrongKind};
    }

    // The outline of %CR in size s runs between the variables named first and last, with the
    // suffix "S<s>" outside the base size.
    void bindSizedOutline(const Node &n, CallSite &site)
    {
        const std::string_view first = tokenText(node(n.children[3]).token);
        const std::string_view last = tokenText(node(n.children[4]).token);
        for (int s = 0; s < m_setting.sizeCount; ++s) {
            const std::string suffix = s == m_setting.baseSize ? "" : "S" + std::to_string(s);
            site.sizedFirst.push_back(variableRow(std::string(first) + suffix));
            site.sizedLast.push_back(variableRow(std::string(last) + suffix));
        }
    }

    int variableRow(const std::string &name) const
    {
        const Binding binding = m_setting.resolve(name);
        return binding.kind == Binding::Kind::Variable ? binding.index : -1;
    }

    std::string_view m_text;
    const TokenList &m_tokens;
    const SyntaxTree &m_tree;
    const CompileSetting &m_setting;
    CompiledText &m_out;
    Program *m_program = nullptr;
    int m_depth = 0;
};

} // namespace

CompileResult compile(std::string_view text, const TokenList &tokens, const SyntaxTree &tree,
                      const CompileSetting &setting)
{
    CompileResult result;
    Compiler compiler(text, tokens, tree, setting, result.text);
    for (const Statement &statement : tree.statements) {
        try {
            result.text.statements.push_back(compiler.statement(statement));
        } catch (const CompileFault &fault) {
            result.code = fault.code;
            result.faultOffset = statement.offset;
            result.faultLength = statement.length;
            return result;
        }
    }
    return result;
}

} // namespace hollicot
