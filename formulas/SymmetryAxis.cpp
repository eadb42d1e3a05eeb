// Morvane formula library.
// The axis of symmetry of a pattern: a measure of the direction from one of its points to another.
#include "formulas/SymmetryAxis.h"

#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/FormulaFactory.h"
#include "model/GradeSize.h"
#include "model/Pattern.h"

using namespace morvane;

static const CRuntimeClass kSymmetryAxisClass("CSymmetryAxis", &CreateObjectOf<CSymmetryAxis>,
                                              CBaseMeasureFormula::GetThisClass());

static std::unique_ptr<IBaseFormula> makeSymmetryAxis(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<CSymmetryAxis>();
    formula->SetContextValue(context);
    formula->SetPattern(target.pattern);
    return formula;
}

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_PATTERN, CSymmetryAxis::kFormulaType,
                                             &makeSymmetryAxis);

const CRuntimeClass *CSymmetryAxis::GetThisClass()
{
    return &kSymmetryAxisClass;
}

CSymmetryAxis::CSymmetryAxis()
{
    SetRequiredIndexCount(2);
    AddPtrAttribute(&m_pPattern, "Pattern", "Pattern");
}

DPOINT CSymmetryAxis::GetPointPosition(int table, int size, int which) const
{
    const CBasePoint *point = GetPoint(which);
    if (point == nullptr)
        return {0.0, 0.0};
    if (!m_aPointGraded[which] || table < 0)
        return point->GetPosition(nullptr);
    CSimpleGradeSize gradeSize;
    gradeSize.Create(table, size);
    return point->GetPosition(&gradeSize);
}

double CSymmetryAxis::GetAxisAngle(int table, int size) const
{
    const DPOINT from = GetPointPosition(table, size, 0);
    const DPOINT to = GetPointPosition(table, size, 1);
    return RadToDeg(CDPoint(from).GetAngleTo(to.x, to.y));
}

bool CSymmetryAxis::UsesPointId(int id) const
{
    for (int which = 0; which < 2; ++which) {
        const CBasePoint *point = GetPoint(which);
        if (m_aPointGraded[which] && point != nullptr && point->GetPointId() == id)
            return true;
    }
    return false;
}

void CSymmetryAxis::CopyFrom(const CBaseFormula &other)
{
    CBaseMeasureFormula::CopyFrom(other);
    if (const auto *axis = dynamic_cast<const CSymmetryAxis *>(&other)) {
        m_pPattern = axis->m_pPattern;
        m_aPointGraded[0] = axis->m_aPointGraded[0];
        m_aPointGraded[1] = axis->m_aPointGraded[1];
    }
}

void CSymmetryAxis::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName() + "(" + GetPointDisplayName(GetPoint(0)) + ", " +
          GetPointDisplayName(GetPoint(1)) + ")";
}
