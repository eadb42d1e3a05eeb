// Morvane formula library.
// The base of the runtime formulas that grade one input point from others.
#include "formulas/BaseRuntimePointFormula.h"

#include "model/BasePoint.h"

CBasePoint *CBaseRuntimePointFormula::GetBasePoint() const
{
    const CBasePoint *graded = PeekResolvedPoint(0);
    return graded != nullptr ? graded->GetAssociatedPoint() : nullptr;
}

bool CBaseRuntimePointFormula::IsIndexedPoint(const CBasePoint *point) const
{
    if (point == nullptr)
        return false;
    for (int position = 1; position < GetResolvedCount(); ++position) {
        const CBasePoint *source = PeekResolvedPoint(position);
        if (source != nullptr && point == source->GetAssociatedPoint())
            return true;
    }
    return false;
}

void CBaseRuntimePointFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    if (CBasePoint *graded = GetResolvedPoint(0))
        list.Add(graded);
}
