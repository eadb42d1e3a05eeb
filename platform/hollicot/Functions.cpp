// Morvane Hollicot formula parser.
// The table of functions of the formula language.
#include "platform/hollicot/Functions.h"

#include "platform/hollicot/NameFold.h"

namespace hollicot {

namespace {

using enum ArgKind;
using Role = FunctionRole;

constexpr FunctionInfo kFunctions[] = {
    {"PA", FunctionId::Pa, Role::Address, {}, 0, false},
    {"INC", FunctionId::Inc, Role::Value, {Inherit}, 1, false},
    {"RG", FunctionId::Rg, Role::Value, {Angle, Length, Length}, 3, false},
    {"CLE", FunctionId::Cle, Role::Value, {Point, Point, Length, Number}, 4, false},
    {"IS", FunctionId::Is, Role::Value, {Point, Point, Point}, 3, false},
    {"ROTA", FunctionId::Rota, Role::Value, {Point, Point, Angle, Number}, 4, false},
    {"ROT", FunctionId::Rot, Role::Value, {Point, Point, Length, Length, Number}, 5, false},
    {"ROTL", FunctionId::Rotl, Role::Value, {Point, Point, Point, Number}, 4, false},
    {"IPL", FunctionId::Ipl, Role::Value, {Point, Point, Point}, 3, false},
    {"IPLM", FunctionId::Iplm, Role::Value, {Point, Point, Point, Angle}, 4, false},
    {"CR", FunctionId::Cr, Role::Value, {Point, Point, Length, Point, Point, Number}, 6, false},
    {"DGC", FunctionId::Dgc, Role::Value, {Point, Point, Point, Point, Length}, 5, false},
    {"SYM", FunctionId::Sym, Role::Value, {Point, Number, OptionalPoint, OptionalPoint}, 4, false},
    {"GI", FunctionId::Gi, Role::Value, {Point, Number, Points}, 3, true},
    {"IP2P", FunctionId::Ip2p, Role::Statement, {Point, Point, Point, Point, Angle, Number}, 6,
     false},
    {"DG", FunctionId::Dg, Role::Statement,
     {Point, Point, Point, Length, Length, Length, Number, Length, Number, Number}, 10, false},
    {"DGA", FunctionId::Dga, Role::Statement,
     {Point, Point, Point, Length, Length, Angle, Number, Length, Number, Number}, 10, false},
    {"LG", FunctionId::Lg, Role::Statement,
     {Point, Point, Point, Point, Point, Point, Length, Length}, 8, false},
    {"LP", FunctionId::Lp, Role::Path, {Point, Point}, 2, false},
    {"VA", FunctionId::Va, Role::List, {Names}, 1, true},
    {"MF", FunctionId::Mf, Role::Statement, {Path, Point}, 2, false},
    {"RKD", FunctionId::Rkd, Role::Statement, {Path, Point, Number}, 3, false},
    {"TR", FunctionId::Tr, Role::Statement, {Path, Length, Length}, 3, false},
    {"LHD", FunctionId::Lhd, Role::Statement, {Path, List}, 2, false},
};

} // namespace

const FunctionInfo *findFunction(std::string_view name)
{
    for (const FunctionInfo &function : kFunctions) {
        if (sameName(function.name, name))
            return &function;
    }
    return nullptr;
}

} // namespace hollicot
