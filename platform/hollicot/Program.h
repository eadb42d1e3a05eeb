// Morvane Hollicot formula parser.
// The compiled form of a formula text: names bound to rows, expressions as stack programs.
#pragma once

#include "platform/hollicot/Functions.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hollicot {

/// What a name stands for once bound.
struct Binding
{
    enum class Kind {
        Unknown,  ///< no such name
        Variable, ///< a point variable: its row in the cell table
        Scalar,   ///< a measure (or a declared name): its index among the scalars of a size
        Free,     ///< any name accepted, nothing known about it: the text cannot be computed
    };
    Kind kind = Kind::Unknown;
    int index = -1;
};

/// Values on the stack are pairs; a scalar keeps its y at 0.
enum class Op : std::uint8_t {
    Constant,    ///< push value
    LoadScalar,  ///< push scalar index
    LoadCell,    ///< push the increment of row index
    LoadAxis,    ///< push one component (value 0 X, 1 Y) of the increment of row index
    Pair,        ///< (a.x, b.x)
    Negate,
    Add,
    Subtract,
    Multiply,    ///< a * b.x
    ScaleLeft,   ///< a.x * b
    Divide,      ///< a / b.x
    Increment,   ///< a * (size - base)
    Call,        ///< call site index: pops its scalar arguments, pushes its value
};

struct Instruction
{
    Op op = Op::Constant;
    int index = 0;
    double value = 0;
};

struct Program
{
    std::vector<Instruction> code;
    int maxDepth = 0;
};

/// One call of a construction or statement function, its point arguments bound to rows.
struct CallSite
{
    FunctionId function = FunctionId::Inc;
    std::vector<int> points;  ///< rows of the point arguments in order; -1 for an absent one
    int scalarCount = 0;      ///< scalar arguments, evaluated onto the stack in order
    int pathFirst = -1;       ///< the rows of a %LP argument
    int pathLast = -1;
    std::vector<Binding> list; ///< the entries of a %VA argument
    /// Of %CR: per size, the rows of the outline's first and last point in that size.
    std::vector<int> sizedFirst;
    std::vector<int> sizedLast;
};

struct CompiledStatement
{
    std::size_t offset = 0; ///< the statement's place in the text
    std::size_t length = 0;
    Program program;        ///< the assigned value, or the scalar arguments of a statement call
    bool assigns = false;
    bool givesVector = false; ///< a plain expression whose value is a pair
    int applyX = 2;
    int applyY = 2;
    std::vector<int> targets;
    int call = -1;          ///< the statement call site, or -1
};

struct CompiledText
{
    std::vector<CompiledStatement> statements;
    std::vector<CallSite> calls;
    bool computable = true; ///< false when a name is Free
};

} // namespace hollicot
