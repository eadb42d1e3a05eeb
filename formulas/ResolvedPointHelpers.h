// Morvane formula library.
// Helpers shared by the formulas that grade a fixed set of resolved points (darts, lapels).
#pragma once

#include "foundation/PtrCollection.h"

#include <string>

class CBaseFormula;
class CBasePoint;
class CFormulaMessageList;
class CPattern;

namespace morvane {

/// False when one of the formula's resolved points 0 to count - 1 lies in a read-only region of
/// its owner mask: without a reporter at the first such point, with one after recording 108
/// with each such point's name.
bool checkResolvedPointsWritable(CBaseFormula &formula, int count, CFormulaMessageList *reporter);

/// The pattern of the first point the formula's CollectAllPoints gives; null when none.
CPattern *patternOfFirstPoint(CBaseFormula &formula);

/// The input points associated with a mask point (none for null or another point).
CPtrCollection<CBasePoint> inputAssociationsOf(const CBasePoint *point);

/// The input point associated with the mask point that lies on pattern; null when none.
CBasePoint *inputAssociationOn(const CBasePoint *point, const CPattern *pattern);

/// The text of parameter n as the parser receives it; "0" for an empty one.
std::string parameterForParser(CBaseFormula &formula, int n);

} // namespace morvane
