// Morvane program grading test support.
// Point formulas added to a mask the way the formula dialogs add them.
#pragma once

#include <string>

class CBasePoint;
class CFormulaManager;
class CPointFormulaIncrement;
class CPFSymetryPoint;
class CPointFormulaLikePoint;

namespace testgrading {

/// A new increment formula on the mask point, moving it by (x, y) (texts), added to formulas.
CPointFormulaIncrement *addIncrement(CFormulaManager &formulas, CBasePoint *maskPoint,
                                     const std::string &x, const std::string &y);
/// A new like-point formula on the mask point, grading it like reference, added to formulas.
CPointFormulaLikePoint *addLikePoint(CFormulaManager &formulas, CBasePoint *maskPoint,
                                     CBasePoint *reference);

/// A new symmetry formula on the mask point, grading it as the mirror image of reference about
/// the mask's X axis, added to formulas.
CPFSymetryPoint *addMirror(CFormulaManager &formulas, CBasePoint *maskPoint, CBasePoint *reference);

} // namespace testgrading
