// Morvane Hollicot formula parser.
// The syntax tree of a formula text: statements over a pool of expression nodes.
#pragma once

#include "platform/hollicot/Functions.h"

#include <string>
#include <vector>

namespace hollicot {

enum class NodeKind {
    Number,
    Name,
    Component, ///< name.X or name.Y
    Pair,      ///< (a, b)
    Negate,
    Add,
    Subtract,
    Multiply,
    Divide,
    Call,
    Empty, ///< an empty call argument
};

struct Node
{
    NodeKind kind = NodeKind::Empty;
    int token = -1;      ///< the number, name or function token
    double number = 0;   ///< of a Number
    int axis = 0;        ///< of a Component: 0 X, 1 Y
    const FunctionInfo *function = nullptr; ///< of a Call
    std::vector<int> children;
    int depth = 1; ///< of the subtree this node heads
};

/// "%PA(ax, ay, targets)": apply types and the name tokens of the targets.
struct Address
{
    int applyX = 0;
    int applyY = 0;
    std::vector<int> targetTokens;
};

struct Statement
{
    bool hasAddress = false;
    Address address;
    int root = -1;            ///< the expression or statement call
    std::size_t offset = 0;   ///< where the statement's text starts
    std::size_t length = 0;
};

struct SyntaxTree
{
    std::vector<Node> nodes;
    std::vector<Statement> statements;
};

} // namespace hollicot
