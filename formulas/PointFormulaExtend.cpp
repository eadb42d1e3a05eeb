// Morvane formula library.
// The point formula that sets its point on the line from a reference point through it.
#include "formulas/PointFormulaExtend.h"

#include "foundation/Geometry.h"
#include "foundation/TextFormat.h"
#include "model/BasePoint.h"

using namespace morvane;

static const CRuntimeClass kPointFormulaExtendClass("CPointFormulaExtend",
                                                    &CreateObjectOf<CPointFormulaExtend>,
                                                    CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaExtend::kFormulaType,
                                             &makePointFormula<CPointFormulaExtend>);

const CRuntimeClass *CPointFormulaExtend::GetThisClass()
{
    return &kPointFormulaExtendClass;
}

CPointFormulaExtend::CPointFormulaExtend()
{
    SetPointCount(1);
    AddPtrAttribute(&m_pPathFormula, "PathFormula", "GradeFormula", XmlPresence::Optional);
}

std::string CPointFormulaExtend::DistanceSuffix() const
{
    return m_pPathFormula != nullptr ? " - SYSTEMPARSERVAR" : "";
}

void CPointFormulaExtend::AddFormulaText(std::vector<std::string> &texts)
{
    if (!CanWriteLine())
        return;
    const std::string distance = GetParamText(0) + DistanceSuffix();
    if (GetRefreshSource()->GetFormulaType() == kFormulaType) {
        texts.push_back(GetPointAddress() + "=%CLE(" + BoundLabel() + "," +
                        ReferenceLabel(0, false) + "," + distance + "," + formatFixed(1.0, 6) +
                        ")");
        return;
    }
    const DPOINT from = GetResolvedPoint(0)->GetPosition(nullptr);
    const DPOINT to = GetBoundPoint()->GetAbsPosition();
    const double angle = RadToDeg(CDPoint(from).GetAngleTo(to.x, to.y));
    texts.push_back(GetPointAddress() + "=%RG(" + formatFixed(angle, 6) + "," + distance + ",0)");
}

bool CPointFormulaExtend::DependsOnFormula(IBaseFormula *other)
{
    return CBasePointFormula::DependsOnFormula(other) ||
           (other != nullptr && other == m_pPathFormula);
}

void CPointFormulaExtend::OnIndexPointsChanged(IBaseFormula *removed)
{
    if (removed == m_pPathFormula)
        m_pPathFormula = nullptr;
}

void CPointFormulaExtend::CopyFrom(const CBaseFormula &other)
{
    CBasePointFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CPointFormulaExtend *>(&other))
        m_pPathFormula = same->m_pPathFormula;
}

void CPointFormulaExtend::DoGetDisplayText(std::string &out, bool maskLabels)
{
    if (m_pPathFormula == this)
        m_pPathFormula = nullptr;
    out = GetDisplayName() + "(" + ReferenceLabel(0, maskLabels) + ", " + FormatParamForDisplay(0);
    if (m_pPathFormula != nullptr) {
        std::string pathText;
        m_pPathFormula->GetDisplayText(pathText, maskLabels);
        out += "-" + pathText;
    }
    out += ")";
}
