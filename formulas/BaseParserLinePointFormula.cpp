// Morvane formula library.
// The base of the point formulas that write their point's parser line but no formula text.
#include "formulas/BaseParserLinePointFormula.h"

void CBaseParserLinePointFormula::AddFormulaText(std::vector<std::string> &texts)
{
    if (!CanWriteLine())
        return;
    texts.push_back(GetPointAddress() + "=" + GetLineValue());
}
