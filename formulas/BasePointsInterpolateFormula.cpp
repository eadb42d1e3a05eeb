// Morvane formula library.
// The base of the formulas that interpolate between the ends of two paths.
#include "formulas/BasePointsInterpolateFormula.h"

#include "foundation/Geometry.h"
#include "foundation/TextFormat.h"
#include "model/BasePoint.h"

using namespace morvane;

static const CRuntimeClass kBasePointsInterpolateFormulaClass("CBasePointsInterpolateFormula",
                                                              nullptr,
                                                              CBaseFormula::GetThisClass());

const CRuntimeClass *CBasePointsInterpolateFormula::GetThisClass()
{
    return &kBasePointsInterpolateFormulaClass;
}

CBasePointsInterpolateFormula::CBasePointsInterpolateFormula()
{
    AddBoolAttribute(&m_bRotateBack, "RotateBack", XmlPresence::Optional);
}

std::string CBasePointsInterpolateFormula::GetFormulaText()
{
    std::string labels;
    for (int i = 0; i < 4; ++i) {
        const CBasePoint *point = GetResolvedPoint(i);
        if (point == nullptr)
            return {};
        labels += point->GetFormatName() + ",";
    }
    return "%IP2P(" + labels + formatFixed(RadToDeg(GetAngle()), 6) + "," +
           (m_bRotateBack ? "1" : "0") + ")";
}

bool CBasePointsInterpolateFormula::UsesPoint(const CBasePoint *point)
{
    return point != nullptr && (point == GetResolvedPoint(1) || point == GetResolvedPoint(3));
}

void CBasePointsInterpolateFormula::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    for (const int position : {0, 2}) {
        CBasePoint *point = GetResolvedPoint(position);
        if (point != nullptr && list.Find(point) < 0)
            list.Add(point);
    }
}

void CBasePointsInterpolateFormula::CopyFrom(const CBaseFormula &other)
{
    CBaseFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CBasePointsInterpolateFormula *>(&other))
        m_bRotateBack = same->m_bRotateBack;
}
