// Morvane formula library.
// The point formula that mirrors a reference point about an axis.
#include "formulas/PFSymetryPoint.h"

#include "formulas/SymmetryAxis.h"
#include "foundation/TextFormat.h"
#include "model/IMeasureFormula.h"

using namespace morvane;

static const CRuntimeClass kPFSymetryPointClass("CPFSymetryPoint", &CreateObjectOf<CPFSymetryPoint>,
                                                CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT, CPFSymetryPoint::kFormulaType,
                                             &makePointFormula<CPFSymetryPoint>);

const CRuntimeClass *CPFSymetryPoint::GetThisClass()
{
    return &kPFSymetryPointClass;
}

CPFSymetryPoint::CPFSymetryPoint()
{
    SetPointCount(1);
    AddPtrAttribute(&m_pSymmetryAxis, "SymmetryAxis", "GradeFormula", XmlPresence::Optional);
    AddIntAttribute(&m_eAxisType, "AxisType", XmlPresence::Optional);
}

std::string CPFSymetryPoint::GetFormulaText()
{
    if (!CanWriteLine())
        return {};
    int axis = 0;
    std::string first;
    std::string second;
    if (m_pSymmetryAxis != nullptr && m_eAxisType != SYMMETRY_AXIS_FORMULA) {
        axis = m_eAxisType;
    } else if (m_pSymmetryAxis != nullptr) {
        const CBaseFormula *axisFormula = m_pSymmetryAxis->GetBaseFormula();
        const CBasePoint *from = axisFormula->GetIndexPoint(0);
        const CBasePoint *to = axisFormula->GetIndexPoint(1);
        if (from != nullptr && to != nullptr) {
            axis = SYMMETRY_AXIS_FORMULA;
            first = GetLabelOrUnknown(from);
            second = GetLabelOrUnknown(to);
        }
    }
    return GetPointAddress() + "=%SYM(" + ReferenceLabel(0, false) + "," + formatInteger(axis) +
           "," + second + "," + first + ")";
}

bool CPFSymetryPoint::UsesPoint(const CBasePoint *point)
{
    return IsResolvedPoint(point, 0);
}

bool CPFSymetryPoint::DependsOnFormula(IBaseFormula *other)
{
    return other != nullptr && other == m_pSymmetryAxis;
}

void CPFSymetryPoint::CollectAllPoints(CPtrCollection<CBasePoint> &list)
{
    CBasePointFormula::CollectAllPoints(list);
    // Only an axis: a damaged file may name another formula, even one that names this one.
    if (m_pSymmetryAxis != nullptr &&
        m_pSymmetryAxis->GetFormulaType() == CSymmetryAxis::kFormulaType)
        m_pSymmetryAxis->CollectAllPoints(list);
}

void CPFSymetryPoint::OnIndexPointsChanged(IBaseFormula *removed)
{
    if (removed == m_pSymmetryAxis)
        m_pSymmetryAxis = nullptr;
}

void CPFSymetryPoint::CopyFrom(const CBaseFormula &other)
{
    CBasePointFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CPFSymetryPoint *>(&other)) {
        m_pSymmetryAxis = same->m_pSymmetryAxis;
        m_eAxisType = same->m_eAxisType;
    }
}

static std::string axisText(int type, IBaseFormula *axis)
{
    switch (type) {
    case SYMMETRY_X:
        return "X";
    case SYMMETRY_Y:
        return "Y";
    case SYMMETRY_XY:
        return "X&Y";
    case SYMMETRY_AXIS_FORMULA:
        if (axis != nullptr && axis->AsMeasureFormula() != nullptr)
            return axis->AsMeasureFormula()->GetVarName();
        return "X";
    }
    return {};
}

void CPFSymetryPoint::DoGetDisplayText(std::string &out, bool maskLabels)
{
    const CBasePoint *reference = maskLabels ? GetIndexPoint(0) : GetResolvedPoint(0);
    out = GetDisplayName() + "(" + GetPointDisplayName(reference) + "," +
          axisText(m_eAxisType, m_pSymmetryAxis) + ")";
}
