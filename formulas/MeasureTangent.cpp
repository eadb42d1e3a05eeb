// Morvane formula library.
// The measure of the direction of a polyline at a point.
#include "formulas/MeasureTangent.h"

#include "formulas/MeasureSize.h"
#include "foundation/Geometry.h"
#include "model/FormulaFactory.h"
#include "model/FormulaMessageList.h"
#include "model/Polyline.h"

#include <cmath>

using namespace morvane;

static const CRuntimeClass kMeasureTangentClass("CMeasureTangent", &CreateObjectOf<CMeasureTangent>,
                                                CBaseMeasureFormula::GetThisClass());

static std::unique_ptr<IBaseFormula> makeMeasureTangent(void *context, const FormulaTarget &)
{
    auto formula = std::make_unique<CMeasureTangent>();
    formula->SetContextValue(context);
    return formula;
}

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_NONE, CMeasureTangent::kFormulaType,
                                             &makeMeasureTangent);

const CRuntimeClass *CMeasureTangent::GetThisClass()
{
    return &kMeasureTangentClass;
}

void CMeasureTangent::SetPolyline(CPolyline *polyline)
{
    if (polyline == m_pPolyline)
        return;
    m_pPolyline = polyline;
    Invalidate();
}

void CMeasureTangent::SetForward(bool forward)
{
    if (forward == m_bForward)
        return;
    m_bForward = forward;
    Invalidate();
}

void CMeasureTangent::OnResolvedChanged(int)
{
    Invalidate();
}

void CMeasureTangent::CopyFrom(const CBaseFormula &other)
{
    if (const auto *tangent = dynamic_cast<const CMeasureTangent *>(&other)) {
        m_pPolyline = tangent->m_pPolyline;
        m_bForward = tangent->m_bForward;
    }
    CBaseMeasureFormula::CopyFrom(other);
}

bool CMeasureTangent::Validate(CFormulaMessageList *reporter, IFormulaTextChecker *checker)
{
    if (!CBaseMeasureFormula::Validate(reporter, checker))
        return false;
    if (m_pPolyline != nullptr)
        return true;
    if (reporter != nullptr)
        reporter->AddFormulaMessage(FM_NO_POLYLINE, this, {});
    return false;
}

double CMeasureTangent::ComputeValue(int table, int size)
{
    const CBasePoint *point = GetResolvedPoint(0);
    if (m_pPolyline == nullptr || point == nullptr)
        return 0.0;
    const CVector direction =
        m_pPolyline->GetVector(point, m_bForward, MeasureSize(table, size).get());
    return RadToDeg(std::atan2(direction.y, direction.x));
}

bool CMeasureTangent::UsesPoint(const CBasePoint *point)
{
    const CBasePoint *tangentPoint = GetResolvedPoint(0);
    if (m_pPolyline == nullptr || tangentPoint == nullptr || point == nullptr)
        return false;
    const int at = m_pPolyline->FindBasePoint(tangentPoint);
    if (at < 0)
        return false;
    const int neighbour =
        m_bForward ? m_pPolyline->GetNextGradePoint(at) : m_pPolyline->GetPrevGradePoint(at);
    return neighbour >= 0 && m_pPolyline->GetBasePointAt(neighbour) == point;
}

void CMeasureTangent::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName() + "(" + GetPointDisplayName(GetResolvedPoint(0)) +
          (m_bForward ? "->" : "<-") + ")";
}
