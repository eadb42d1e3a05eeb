// Morvane formula library.
// The base of the lapel formulas: the six points of a lapel graded together.
#include "formulas/BaseLapelFormula.h"

#include "formulas/FormulaText.h"
#include "formulas/ResolvedPointHelpers.h"
#include "model/BasePoint.h"

using namespace morvane;

static const CRuntimeClass kBaseLapelFormulaClass("CBaseLapelFormula", nullptr,
                                                  CBaseFormula::GetThisClass());

const CRuntimeClass *CBaseLapelFormula::GetThisClass()
{
    return &kBaseLapelFormulaClass;
}

int CBaseLapelFormula::GetApplyTypeX() const
{
    return APPLY_INCREMENT;
}

int CBaseLapelFormula::GetApplyTypeY() const
{
    return APPLY_INCREMENT;
}

bool CBaseLapelFormula::UsesPoint(const CBasePoint *point)
{
    return point != nullptr &&
           (point == GetLapelPoint(0) || point == GetLapelPoint(kLapelPointCount - 1));
}

CPattern *CBaseLapelFormula::GetPatternOfPoints()
{
    return patternOfFirstPoint(*this);
}

void CBaseLapelFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    CollectResolvedPointsFrom(list, 1);
}

void CBaseLapelFormula::DoGetDisplayText(std::string &out, bool indexPoints)
{
    out = GetDisplayName() + "(";
    if (!indexPoints || GetRegion() == nullptr) {
        const int last = kLapelPointCount - 1;
        const CBasePoint *first = indexPoints ? GetIndexPoint(0) : GetLapelPoint(0);
        const CBasePoint *end = indexPoints ? GetIndexPoint(last) : GetLapelPoint(last);
        out += GetLabelOrUnknown(first) + ".." + GetLabelOrUnknown(end);
    }
    out += ")";
}

std::string CBaseLapelFormula::GetFormulaText()
{
    std::string text = "%LG(";
    for (int i = 0; i < kLapelPointCount; ++i) {
        const CBasePoint *point = GetLapelPoint(i);
        if (point == nullptr)
            return {};
        text += point->GetFormatName() + ",";
    }
    return text + parameterForParser(*this, 0) + "," + parameterForParser(*this, 1) + ")";
}

bool CBaseLapelFormula::Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker)
{
    if (!CBaseFormula::Validate(reporter, checker))
        return false;
    return checkResolvedPointsWritable(*this, kLapelPointCount, reporter);
}
