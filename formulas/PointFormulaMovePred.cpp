// Morvane formula library.
// The point formula that moves its point along the direction in which its polyline leaves it.
#include "formulas/PointFormulaMovePred.h"

#include "foundation/Geometry.h"
#include "foundation/TextFormat.h"
#include "model/FormulaMessageList.h"
#include "model/Pattern.h"
#include "model/Polyline.h"

#include <cmath>

using namespace morvane;

static const CRuntimeClass kPointFormulaMovePredClass("CPointFormulaMovePred",
                                                      &CreateObjectOf<CPointFormulaMovePred>,
                                                      CBasePointFormula::GetThisClass());
static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_POINT,
                                             CPointFormulaMovePred::kFormulaType,
                                             &makePointFormula<CPointFormulaMovePred>);

const CRuntimeClass *CPointFormulaMovePred::GetThisClass()
{
    return &kPointFormulaMovePredClass;
}

CPointFormulaMovePred::CPointFormulaMovePred()
{
    AddBoolAttribute(&m_bBackward, "Backward");
    AddPtrAttribute(&m_pPolyline, "Polyline", "Polyline", XmlPresence::Optional);
}

double CPointFormulaMovePred::GetDirection() const
{
    const CBasePoint *bound = GetBoundPoint();
    if (bound == nullptr || m_pPolyline == nullptr || bound->GetParent() == nullptr)
        return 0.0;
    CPtrCollection<CPolyline> lines;
    bound->GetParent()->FindPointPolylines(bound, lines);
    const double reference = m_pPolyline->GetExtendVector(GetBasePoint(), !m_bBackward).GetAngle();
    double direction = 0.0;
    double nearest = INFINITY;
    for (const CPolyline *line : lines) {
        for (const bool forward : {true, false}) {
            const double angle =
                NormalizeAngleAround(line->GetExtendVector(bound, forward).GetAngle(), reference);
            if (std::fabs(reference - angle) < nearest) {
                nearest = std::fabs(reference - angle);
                direction = angle;
            }
        }
    }
    return direction;
}

void CPointFormulaMovePred::AddFormulaText(std::vector<std::string> &texts)
{
    if (!CanWriteLine())
        return;
    texts.push_back(GetPointAddress() + "=%RG(" + formatFixed(RadToDeg(GetDirection()), 6) + "," +
                    GetParamText(0) + ",0)");
}

bool CPointFormulaMovePred::CheckIndexPoints(CFormulaMessageList *reporter)
{
    if (!CBasePointFormula::CheckIndexPoints(reporter))
        return false;
    if (m_pPolyline != nullptr)
        return true;
    if (reporter != nullptr)
        reporter->AddFormulaMessage(FM_NO_POLYLINE, this, {});
    return false;
}

void CPointFormulaMovePred::ResolvePolyline()
{
    const CBasePoint *point = GetBasePoint();
    if (point == nullptr || point->GetParent() == nullptr)
        return;
    CPtrCollection<CPolyline> lines;
    point->GetParent()->FindPointPolylines(point, lines);
    m_pPolyline = lines.GetFirst();
    if (lines.GetCount() < 2)
        return;
    for (CPolyline *line : lines) {
        const int end = m_bBackward ? 0 : line->GetPointCount() - 1;
        if (line->GetPointCount() > 0 && line->GetBasePointAt(end) == point) {
            m_pPolyline = line;
            return;
        }
    }
}

void CPointFormulaMovePred::UpdateFromVersion2115to2116()
{
    ResolvePolyline();
    CBasePointFormula::UpdateFromVersion2115to2116();
}

void CPointFormulaMovePred::CopyFrom(const CBaseFormula &other)
{
    CBasePointFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CPointFormulaMovePred *>(&other)) {
        m_bBackward = same->m_bBackward;
        m_pPolyline = same->m_pPolyline;
    }
}

void CPointFormulaMovePred::DoGetDisplayText(std::string &out, bool)
{
    out = GetDisplayName() + (m_bBackward ? "<-" : "->") + "(" + FormatParamForDisplay(0) + ")";
}
