// Morvane formula library.
// The measure between two points of a pattern: distance, x or y difference, or direction.
#include "formulas/MeasureP2P.h"

#include "formulas/MeasureSize.h"
#include "foundation/Geometry.h"
#include "model/BasePoint.h"
#include "model/FormulaFactory.h"
#include "model/Pattern.h"

#include <cmath>

using namespace morvane;

static const CRuntimeClass kMeasureP2PClass("CMeasureP2P", &CreateObjectOf<CMeasureP2P>,
                                            CBaseMeasureFormula::GetThisClass());

static std::unique_ptr<IBaseFormula> makeMeasureP2P(void *context, const FormulaTarget &target)
{
    auto formula = std::make_unique<CMeasureP2P>();
    formula->SetContextValue(context);
    formula->SetPattern(target.pattern);
    return formula;
}

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_PATTERN, CMeasureP2P::kFormulaType,
                                             &makeMeasureP2P);

const CRuntimeClass *CMeasureP2P::GetThisClass()
{
    return &kMeasureP2PClass;
}

CMeasureP2P::CMeasureP2P()
{
    SetRequiredIndexCount(2);
    AddPtrAttribute(&m_pPattern, "Pattern", "Pattern");
    AddBoolAttribute(&m_bMeasureAngle, "MeasureAngle", XmlPresence::ReadOnly);
    AddIntAttribute(&m_nMeasureType, "measureType", XmlPresence::WhenSet);
}

void CMeasureP2P::SetPattern(CPattern *pattern)
{
    if (pattern == m_pPattern)
        return;
    m_pPattern = pattern;
    Invalidate();
}

void CMeasureP2P::SetMeasureType(int type)
{
    if (type == m_nMeasureType)
        return;
    m_nMeasureType = type;
    Invalidate();
}

void CMeasureP2P::SetFollowsSize(int n, bool follows)
{
    if (follows == m_aFollowsSize[n])
        return;
    m_aFollowsSize[n] = follows;
    Invalidate();
}

void CMeasureP2P::CopyFrom(const CBaseFormula &other)
{
    if (const auto *measure = dynamic_cast<const CMeasureP2P *>(&other)) {
        m_pPattern = measure->m_pPattern;
        m_bMeasureAngle = measure->m_bMeasureAngle;
        m_nMeasureType = measure->m_nMeasureType;
        m_aFollowsSize[0] = measure->m_aFollowsSize[0];
        m_aFollowsSize[1] = measure->m_aFollowsSize[1];
    }
    CBaseMeasureFormula::CopyFrom(other);
}

DPOINT CMeasureP2P::GetPointPosition(int n, int table, int size)
{
    const CBasePoint *point = GetResolvedPoint(n);
    if (point == nullptr)
        return {0.0, 0.0};
    const MeasureSize asked = m_aFollowsSize[n] ? MeasureSize(table, size) : MeasureSize(-1, -1);
    return point->GetPosition(asked.get());
}

double CMeasureP2P::GetDistance(int table, int size)
{
    return GetDPointDistance(GetPointPosition(0, table, size), GetPointPosition(1, table, size));
}

double CMeasureP2P::GetDirectionAngle(int table, int size)
{
    const DPOINT p = GetPointPosition(0, table, size);
    const DPOINT q = GetPointPosition(1, table, size);
    return RadToDeg(std::atan2(q.y - p.y, q.x - p.x));
}

double CMeasureP2P::ComputeValue(int table, int size)
{
    switch (m_nMeasureType) {
    case MEASURE_DISTANCE:
        return GetDistance(table, size);
    case MEASURE_X_DIFFERENCE:
        return std::abs(GetPointPosition(0, table, size).x - GetPointPosition(1, table, size).x);
    case MEASURE_Y_DIFFERENCE:
        return std::abs(GetPointPosition(0, table, size).y - GetPointPosition(1, table, size).y);
    case MEASURE_DIRECTION:
        return GetDirectionAngle(table, size);
    default:
        return 0.0;
    }
}

bool CMeasureP2P::UsesPoint(const CBasePoint *point)
{
    for (int n = 0; n < 2; ++n) {
        if (point != nullptr && m_aFollowsSize[n] && GetResolvedPoint(n) == point)
            return true;
    }
    return false;
}

void CMeasureP2P::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName() + "(" + GetLabelOrUnknown(GetIndexPoint(0)) + ", " +
          GetLabelOrUnknown(GetIndexPoint(1)) + ")";
}
