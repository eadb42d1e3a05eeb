// Morvane formula library.
// The point formula of a closed dart: the point folded over the dart between two legs.
#include "formulas/PointFormulaClosedDart.h"

#include "formulas/FormulaText.h"

using namespace morvane;

static const CRuntimeClass kPointFormulaClosedDartClass("CPointFormulaClosedDart",
                                                        &CreateObjectOf<CPointFormulaClosedDart>,
                                                        CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaClosedDart::kFormulaType,
                                             &makePointFormula<CPointFormulaClosedDart>);

const CRuntimeClass *CPointFormulaClosedDart::GetThisClass()
{
    return &kPointFormulaClosedDartClass;
}

CPointFormulaClosedDart::CPointFormulaClosedDart()
{
    SetPointCount(3);
    SetApplyTypeX(APPLY_DRIVEN);
    SetApplyTypeY(APPLY_DRIVEN);
    AddBoolAttribute(&m_bFoldAtBeginPoint, "FoldAtBeginPoint", XmlPresence::Optional);
}

void CPointFormulaClosedDart::AddFormulaText(std::vector<std::string> &texts)
{
    if (!CanWriteLine())
        return;
    const int first = m_bFoldAtBeginPoint ? 0 : 2;
    const int second = m_bFoldAtBeginPoint ? 2 : 0;
    texts.push_back(GetPointAddress() + "=%DGC(" + BoundLabel() + "," +
                    ReferenceLabel(first, false) + "," +
                    ReferenceLabel(1, false) + "," +
                    ReferenceLabel(second, false) + "," + FormatParam(0) + ")");
}

bool CPointFormulaClosedDart::UsesPoint(const CBasePoint *point)
{
    return IsResolvedPoint(point, 0) || IsResolvedPoint(point, 1) || IsResolvedPoint(point, 2);
}

void CPointFormulaClosedDart::CopyFrom(const CBaseFormula &other)
{
    CBasePointFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CPointFormulaClosedDart *>(&other))
        m_bFoldAtBeginPoint = same->m_bFoldAtBeginPoint;
}

void CPointFormulaClosedDart::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = GetDisplayName() + "(" + ReferenceLabel(0, maskLabels) + "," +
          ReferenceLabel(1, maskLabels) + "," + ReferenceLabel(2, maskLabels) + ")";
}
