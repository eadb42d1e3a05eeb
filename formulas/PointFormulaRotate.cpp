// Morvane formula library.
// The point formula that rotates its point about a reference point.
#include "formulas/PointFormulaRotate.h"

#include "formulas/FormulaText.h"

using namespace morvane;

static const CRuntimeClass kPointFormulaRotateClass("CPointFormulaRotate",
                                                    &CreateObjectOf<CPointFormulaRotate>,
                                                    CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaRotate::kFormulaType,
                                             &makePointFormula<CPointFormulaRotate>);

const CRuntimeClass *CPointFormulaRotate::GetThisClass()
{
    return &kPointFormulaRotateClass;
}

CPointFormulaRotate::CPointFormulaRotate()
{
    SetPointCount(1);
    SetAbsolute(true);
    AddBoolAttribute(&m_bRotateInSize, "RotateInSize");
}

void CPointFormulaRotate::SetAbsolute(bool absolute)
{
    GetParam(0)->SetType(absolute ? 1 : 0);
    GetParam(1)->SetType(absolute ? 1 : 0);
}

// The angle without its first "%INC(" and the ")" after it.
static std::string unwrappedIncrement(std::string text)
{
    const size_t start = text.find("%INC(");
    if (start == std::string::npos)
        return text;
    text.erase(start, 5);
    const size_t close = text.find(')', start);
    if (close != std::string::npos)
        text.erase(close, 1);
    return text;
}

void CPointFormulaRotate::AddFormulaText(std::vector<std::string> &texts)
{
    if (!CanWriteLine())
        return;
    const std::string points =
        BoundLabel() + ", " + ReferenceLabel(0, false) + ", ";
    const std::string inSize = m_bRotateInSize ? "1" : "0";
    if (IsAbsolute())
        texts.push_back(GetPointAddress() + "=%ROTA(" + points + GetParamText(0) + ", " + inSize +
                        ")");
    else
        texts.push_back(GetPointAddress() + "=%ROT(" + points +
                        unwrappedIncrement(GetParamText(0)) + ", " + GetParamText(1) + ", " +
                        inSize + ")");
}

bool CPointFormulaRotate::UsesPoint(const CBasePoint *point)
{
    return m_bRotateInSize && IsResolvedPoint(point, 0);
}

void CPointFormulaRotate::CopyFrom(const CBaseFormula &other)
{
    CBasePointFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CPointFormulaRotate *>(&other))
        m_bRotateInSize = same->m_bRotateInSize;
}

void CPointFormulaRotate::DoGetDisplayText(std::string &out, bool maskLabels)
{
    out = GetDisplayName() + "(" + ReferenceLabel(0, maskLabels) + ", " + FormatParamForDisplay(0);
    if (!IsAbsolute())
        out += ", " + FormatParamForDisplay(1);
    out += ")";
}
