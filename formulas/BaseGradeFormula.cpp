// Morvane formula library.
// The base of the formulas that move points by an X and a Y expression.
#include "formulas/BaseGradeFormula.h"

#include "formulas/FormulaText.h"

using namespace morvane;

static const CRuntimeClass kBaseGradeFormulaClass("CBaseGradeFormula", nullptr,
                                                  CBaseFormula::GetThisClass());

const CRuntimeClass *CBaseGradeFormula::GetThisClass()
{
    return &kBaseGradeFormulaClass;
}

double CBaseGradeFormula::GetGradingAngle(bool) const
{
    return 0.0;
}

void CBaseGradeFormula::SplitPairText(const std::string &pair, std::string &x, std::string &y,
                                      bool zeroForEmpty)
{
    const size_t comma = pair.find(',');
    x = pair.substr(0, comma);
    y = comma == std::string::npos ? std::string() : pair.substr(comma + 1);
    y = y.substr(0, y.find(','));
    if (zeroForEmpty && x.empty())
        x = "0";
    if (zeroForEmpty && y.empty())
        y = "0";
}

std::string CBaseGradeFormula::JoinPairText(const std::string &x, const std::string &y)
{
    const std::string trimmed = trimBlanks(y);
    return trimmed.empty() ? x : x + "," + trimmed;
}
