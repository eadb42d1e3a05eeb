// Morvane Hollicot formula parser.
// Runs compiled statements on the cells of one size.
#include "platform/hollicot/Machine.h"

#include "platform/hollicot/ErrorCode.h"
#include "platform/hollicot/Constructions.h"
#include "platform/hollicot/PathStatements.h"
#include "platform/hollicot/PointStatements.h"

#include <cmath>

namespace hollicot {

namespace {

bool isFinite(Vec2 v)
{
    return std::isfinite(v.x) && std::isfinite(v.y);
}

// Apply type 0 adds outside the base size, 1 sets in every size, 2 leaves the axis alone.
void applyAxis(double &cell, double value, int applyType, bool isBase)
{
    if (applyType == 0 && !isBase)
        cell += value;
    else if (applyType == 1)
        cell = value;
}

int runStatementCall(const CallSite &call, const Vec2 *args, SizeState &state)
{
    switch (call.function) {
    case FunctionId::Ip2p:
    case FunctionId::Dg:
    case FunctionId::Dga:
    case FunctionId::Lg:
        return runPointStatement(call, args, state);
    case FunctionId::Mf:
    case FunctionId::Rkd:
    case FunctionId::Tr:
    case FunctionId::Lhd:
        return runPathStatement(call, args, state);
    default:
        return kWrongKind;
    }
}

} // namespace

int Machine::run(const CompiledText &text, const Program &program, const SizeState &state)
{
    if (m_stack.size() < static_cast<std::size_t>(program.maxDepth) + 1)
        m_stack.resize(static_cast<std::size_t>(program.maxDepth) + 1);
    Vec2 *top = m_stack.data() - 1;
    for (const Instruction &instruction : program.code) {
        switch (instruction.op) {
        case Op::Constant:
            *++top = {instruction.value, 0};
            break;
        case Op::LoadScalar:
            *++top = {state.scalars[instruction.index], 0};
            break;
        case Op::LoadCell:
            *++top = state.cells[instruction.index];
            break;
        case Op::LoadAxis: {
            const Vec2 cell = state.cells[instruction.index];
            *++top = {instruction.value == 0 ? cell.x : cell.y, 0};
            break;
        }
        case Op::Pair:
            --top;
            *top = {top[0].x, top[1].x};
            break;
        case Op::Negate:
            *top = {-top->x, -top->y};
            break;
        case Op::Add:
            --top;
            *top = {top[0].x + top[1].x, top[0].y + top[1].y};
            break;
        case Op::Subtract:
            --top;
            *top = {top[0].x - top[1].x, top[0].y - top[1].y};
            break;
        case Op::Multiply:
            --top;
            *top = {top[0].x * top[1].x, top[0].y * top[1].x};
            break;
        case Op::ScaleLeft:
            --top;
            *top = {top[0].x * top[1].x, top[0].x * top[1].y};
            break;
        case Op::Divide:
            --top;
            if (top[1].x == 0)
                return kNotFinite;
            *top = {top[0].x / top[1].x, top[0].y / top[1].x};
            break;
        case Op::Increment:
            *top = {top->x * state.step, top->y * state.step};
            break;
        case Op::Call: {
            const CallSite &call = text.calls[static_cast<std::size_t>(instruction.index)];
            top -= call.scalarCount;
            Vec2 value;
            if (const int code = constructPoint(call, top + 1, state, value))
                return code;
            *++top = value;
            break;
        }
        }
    }
    return kOk;
}

int Machine::evaluate(const CompiledText &text, const Program &program, const SizeState &state,
                      Vec2 &out)
{
    if (const int code = run(text, program, state))
        return code;
    out = m_stack.front();
    return isFinite(out) ? kOk : kNotFinite;
}

int Machine::runStatement(const CompiledText &text, const CompiledStatement &statement,
                          SizeState &state)
{
    if (statement.call >= 0) {
        if (const int code = run(text, statement.program, state))
            return code;
        const CallSite &call = text.calls[static_cast<std::size_t>(statement.call)];
        for (int i = 0; i < call.scalarCount; ++i) {
            if (!isFinite(m_stack[static_cast<std::size_t>(i)]))
                return kNotFinite;
        }
        return runStatementCall(call, m_stack.data(), state);
    }
    Vec2 value;
    if (const int code = evaluate(text, statement.program, state, value))
        return code;
    for (const int target : statement.targets) {
        Vec2 &cell = state.cells[target];
        applyAxis(cell.x, value.x, statement.applyX, state.isBase);
        applyAxis(cell.y, value.y, statement.applyY, state.isBase);
    }
    return kOk;
}

} // namespace hollicot
