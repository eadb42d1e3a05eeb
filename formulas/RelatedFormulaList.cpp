// Morvane formula library.
// The formulas a relative formula depends on.
#include "formulas/RelatedFormulaList.h"

void CRelatedFormulaList::CopyFrom(const CPtrCollection<IBaseFormula> &list)
{
    RemoveAll();
    Append(list);
}

void CRelatedFormulaList::AppendFormulaPoints(CPtrCollection<CBasePoint> &points) const
{
    for (IBaseFormula *formula : *this) {
        if (formula != nullptr)
            formula->CollectPoints(points);
    }
}
