// Morvane Hollicot formula parser.
// The functions of the formula language: their names, roles and the kinds of their arguments.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace hollicot {

enum class FunctionId {
    Pa,
    Inc,
    Rg,
    Cle,
    Is,
    Rota,
    Rot,
    Rotl,
    Ipl,
    Iplm,
    Cr,
    Dgc,
    Sym,
    Gi,
    Ip2p,
    Dg,
    Dga,
    Lg,
    Lp,
    Va,
    Mf,
    Rkd,
    Tr,
    Lhd,
};

/// Where a call may stand.
enum class FunctionRole {
    Address,   ///< %PA, only on the left of "="
    Value,     ///< gives a scalar or a vector inside an expression
    Statement, ///< a whole statement that changes the variables it names
    Path,      ///< %LP, only as a path argument
    List,      ///< %VA, only as a list argument
};

/// What an argument must be.
enum class ArgKind {
    Point,         ///< a variable name
    OptionalPoint, ///< a variable name or nothing
    Points,        ///< variable names; empty entries are skipped
    Length,        ///< a scalar in millimetres (scaled by unit conversion)
    Angle,         ///< a scalar in degrees (never scaled)
    Number,        ///< a plain scalar: a flag, a count, a mode (never scaled)
    Inherit,       ///< a scalar or vector with the dimension of the call's own place
    Path,          ///< a %LP call
    List,          ///< a %VA call
    Names,         ///< names of variables or measures; empty entries are skipped
};

struct FunctionInfo
{
    std::string_view name;
    FunctionId id;
    FunctionRole role;
    std::array<ArgKind, 10> args;
    std::size_t argCount;
    bool variadic; ///< the last kind repeats any number of times (also none)

    ArgKind argKind(std::size_t i) const { return args[i < argCount ? i : argCount - 1]; }
};

/// The function of that name, compared without regard to ASCII case; null when there is none.
const FunctionInfo *findFunction(std::string_view name);

} // namespace hollicot
