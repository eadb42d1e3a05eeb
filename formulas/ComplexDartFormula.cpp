// Morvane formula library.
// The complex dart: a pattern dart that also names its closed-dart point and the points on
// either side of the dart that move with it.
#include "formulas/ComplexDartFormula.h"

#include "formulas/FormulaMakers.h"
#include "model/Pattern.h"

static const CRuntimeClass kComplexDartFormulaClass("CComplexDartFormula",
                                                    &CreateObjectOf<CComplexDartFormula>,
                                                    CDartPatternFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_PATTERN,
                                             CComplexDartFormula::kFormulaType,
                                             &makePatternFormula<CComplexDartFormula>);

const CRuntimeClass *CComplexDartFormula::GetThisClass()
{
    return &kComplexDartFormulaClass;
}

CComplexDartFormula::CComplexDartFormula()
{
    AddBoolAttribute(&m_bFoldAtBeginPoint, "FoldAtBeginPoint");
    AddIntAttribute(&m_iAffectedPointBegin, "AffectedPointBegin");
    AddIntAttribute(&m_iAffectedPointEnd, "AffectedPointEnd");
    AddIntAttribute(&m_iClosedDartPoint, "ClosedDartPoint");
    RegisterLengthControl();
    AddBoolAttribute(&m_bRotateBegin, "RotateBegin");
    AddBoolAttribute(&m_bRotateEnd, "RotateEnd");
    AddBoolAttribute(&m_bExtendBegin, "ExtendBegin");
    AddBoolAttribute(&m_bExtendEnd, "ExtendEnd");
}

void CComplexDartFormula::RecountRequiredPoints()
{
    int count = kDartPointCount;
    if (GetClosedDartPoint() != nullptr)
        ++count;
    if (m_bExtendBegin || m_bRotateBegin)
        ++count;
    if (m_bExtendEnd || m_bRotateEnd)
        ++count;
    SetRequiredIndexCount(count);
}

// The optional points sit at positions up to 5: the required count is raised to hold all of
// them while the point is stored, then counted again.
void CComplexDartFormula::SetOptionalPoint(int position, CBasePoint *point)
{
    constexpr int kAllPoints = 6;
    SetRequiredIndexCount(kAllPoints);
    SetIndexPoint(position, point);
    RecountRequiredPoints();
}

void CComplexDartFormula::SetBeginAffectedPoint(CBasePoint *point)
{
    SetOptionalPoint(m_iAffectedPointBegin, point);
}

void CComplexDartFormula::SetEndAffectedPoint(CBasePoint *point)
{
    SetOptionalPoint(m_iAffectedPointEnd, point);
}

void CComplexDartFormula::SetClosedDartPoint(CBasePoint *point)
{
    SetOptionalPoint(m_iClosedDartPoint, point);
}

void CComplexDartFormula::SetFoldAtBeginPoint(bool fold)
{
    m_bFoldAtBeginPoint = fold;
    Invalidate();
}

void CComplexDartFormula::SetSideFlag(bool &flag, bool value)
{
    flag = value;
    RecountRequiredPoints();
    Invalidate();
}

void CComplexDartFormula::SetRotateBegin(bool rotate)
{
    SetSideFlag(m_bRotateBegin, rotate);
}

void CComplexDartFormula::SetRotateEnd(bool rotate)
{
    SetSideFlag(m_bRotateEnd, rotate);
}

void CComplexDartFormula::SetExtendBegin(bool extend)
{
    SetSideFlag(m_bExtendBegin, extend);
}

void CComplexDartFormula::SetExtendEnd(bool extend)
{
    SetSideFlag(m_bExtendEnd, extend);
}

void CComplexDartFormula::CopyFrom(const CBaseFormula &other)
{
    CDartPatternFormula::CopyFrom(other);
    if (const auto *dart = dynamic_cast<const CComplexDartFormula *>(&other)) {
        m_bFoldAtBeginPoint = dart->m_bFoldAtBeginPoint;
        m_bRotateBegin = dart->m_bRotateBegin;
        m_bRotateEnd = dart->m_bRotateEnd;
        m_bExtendBegin = dart->m_bExtendBegin;
        m_bExtendEnd = dart->m_bExtendEnd;
        m_iAffectedPointBegin = dart->m_iAffectedPointBegin;
        m_iAffectedPointEnd = dart->m_iAffectedPointEnd;
        m_iClosedDartPoint = dart->m_iClosedDartPoint;
    }
    RecountRequiredPoints();
}
