// Morvane formula library.
// The formulas a relative formula depends on.
#pragma once

#include "foundation/PtrCollection.h"
#include "model/IBaseFormula.h"

class CBasePoint;

/// The formulas a relative formula depends on, in order, not owned (null entries allowed).
class CRelatedFormulaList : public CPtrCollection<IBaseFormula>
{
public:
    /// Empties the list, then appends every formula of list.
    void CopyFrom(const CPtrCollection<IBaseFormula> &list);
    /// Appends the points (CollectPoints) of every formula, in order.
    void AppendFormulaPoints(CPtrCollection<CBasePoint> &points) const;
};
