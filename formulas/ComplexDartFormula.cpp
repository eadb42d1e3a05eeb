// Morvane formula library.
// The complex dart: a pattern dart that also names its closed-dart point and the points on
// either side of the dart that move with it.
#include "formulas/ComplexDartFormula.h"

#include "formulas/FormulaMakers.h"
#include "formulas/PointFormulaClosedDart.h"
#include "formulas/PointFormulaKeepAngleLength.h"
#include "formulas/ResolvedPointHelpers.h"
#include "model/BasePoint.h"
#include "model/GradeMask.h"

using namespace morvane;

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

void CComplexDartFormula::Update()
{
    const CPtrCollection<CBasePoint> apexes = inputAssociationsOf(GetIndexPoint(1));
    if (apexes.GetCount() == 0) {
        CDartPatternFormula::Update();
        return;
    }
    for (CBasePoint *apex : apexes) {
        const CPattern *pattern = apex->GetParent();
        std::unique_ptr<IBaseFormula> made = FindManagedCounterpartOf();
        if (made == nullptr)
            return;
        auto *dart = static_cast<CComplexDartFormula *>(made->GetBaseFormula());
        dart->SetResolved(0, inputAssociationOn(GetIndexPoint(0), pattern));
        dart->SetResolved(1, apex);
        dart->SetResolved(2, inputAssociationOn(GetIndexPoint(2), pattern));
        if (RefreshThroughRuntimeCopy(std::move(made)) != nullptr && dart->IsValid(nullptr))
            GeneratePointFormulas(pattern);
    }
}

void CComplexDartFormula::GeneratePointFormulas(const CPattern *pattern)
{
    if (auto *closed = static_cast<CPointFormulaClosedDart *>(MakeBoundFormula(
            CPointFormulaClosedDart::kFormulaType, GetClosedDartPoint(), pattern, {0, 1, 2}))) {
        closed->SetFoldAtBeginPoint(m_bFoldAtBeginPoint);
        closed->GetParam(0)->SetValue("0");
    }
    if (m_bRotateBegin)
        MakeBoundFormula(CPointFormulaKeepAngleLength::kFormulaType, GetBeginAffectedPoint(),
                         pattern, {0, 1});
    if (m_bRotateEnd)
        MakeBoundFormula(CPointFormulaKeepAngleLength::kFormulaType, GetEndAffectedPoint(), pattern,
                         {2, 1});
}

CBasePointFormula *CComplexDartFormula::MakeBoundFormula(int type, CBasePoint *maskPoint,
                                                         const CPattern *pattern,
                                                         std::initializer_list<int> references)
{
    CBasePoint *bound = inputAssociationOn(maskPoint, pattern);
    if (bound == nullptr || GetOwner() == nullptr)
        return nullptr;
    std::unique_ptr<IBaseFormula> made =
        GetOwner()->GetFormulaManager()->MakePointFormula(type, GetContextValue(), maskPoint);
    auto *formula =
        made != nullptr ? dynamic_cast<CBasePointFormula *>(made->GetBaseFormula()) : nullptr;
    if (formula == nullptr)
        return nullptr;
    int index = 0;
    for (int reference : references)
        formula->SetIndexPoint(index++, GetIndexPoint(reference));
    formula->SetBoundPoint(bound);
    if (RefreshThroughRuntimeCopy(std::move(made)) == nullptr)
        return nullptr;
    formula->Invalidate();
    formula->UpdateIfNeeded();
    return formula;
}
