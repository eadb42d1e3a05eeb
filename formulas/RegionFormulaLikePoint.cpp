// Morvane formula library.
// The formula that grades every point of a grade region like one point, or two points' difference.
#include "formulas/RegionFormulaLikePoint.h"

#include "foundation/TextFormat.h"
#include "model/BasePoint.h"
#include "formulas/FormulaMakers.h"
#include "model/FormulaMessageList.h"
#include "model/GradeRegion.h"

using namespace morvane;

static const CRuntimeClass kRegionFormulaLikePointClass("CRegionFormulaLikePoint",
                                                        &CreateObjectOf<CRegionFormulaLikePoint>,
                                                        CBaseFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_REGION,
                                             CRegionFormulaLikePoint::kFormulaType,
                                             &makeRegionFormula<CRegionFormulaLikePoint>);

const CRuntimeClass *CRegionFormulaLikePoint::GetThisClass()
{
    return &kRegionFormulaLikePointClass;
}

CRegionFormulaLikePoint::CRegionFormulaLikePoint()
{
    SetRequiredIndexCount(1);
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
    AddIntAttribute(&m_eApplyTypeX, "ApplyTypeX");
    AddIntAttribute(&m_eApplyTypeY, "ApplyTypeY");
}

IRegion *CRegionFormulaLikePoint::GetRegion() const
{
    return m_pRegion;
}

void CRegionFormulaLikePoint::SetRegion(CGradeRegion *region)
{
    m_pRegion = region;
    Invalidate();
}

void CRegionFormulaLikePoint::SetSecondReferencePoint(CBasePoint *point)
{
    SetRequiredIndexCount(2);
    SetIndexPoint(1, point);
    SetRequiredIndexCount(point != nullptr ? 2 : 1);
}

void CRegionFormulaLikePoint::OnReferencesResolved()
{
    SetRequiredIndexCount(GetIndexPoint(1) != nullptr ? 2 : 1);
    Invalidate();
}

static CBasePoint *ruleOf(const CBasePoint *point)
{
    return point != nullptr ? point->GetAssociatedPoint() : nullptr;
}

void CRegionFormulaLikePoint::Recalculate()
{
    CPtrCollection<CBasePoint> points;
    if (m_pRegion != nullptr)
        m_pRegion->UpdateRegionPoints(points);
    ClearResolved();
    const int references = GetRequiredIndexCount();
    for (int i = 0; i < references; ++i) {
        CBasePoint *rule = ruleOf(GetIndexPoint(i));
        SetResolved(i, rule);
        const int inRegion = points.Find(rule);
        if (rule != nullptr && inRegion >= 0)
            points.RemoveAt(inRegion);
    }
    for (int i = 0; i < points.GetCount(); ++i)
        SetResolved(references + i, points.GetAt(i));
    m_nResolvedCount = references + points.GetCount();
}

void CRegionFormulaLikePoint::DoCollectPoints(CPtrCollection<CBasePoint> &list)
{
    CollectResolvedPointsFrom(list, GetRequiredIndexCount());
}

bool CRegionFormulaLikePoint::UsesPoint(const CBasePoint *point)
{
    return point != nullptr &&
           (point == ruleOf(GetIndexPoint(0)) || point == ruleOf(GetIndexPoint(1)));
}

bool CRegionFormulaLikePoint::Validate(CFormulaMessageList *reporter,
                                       IFormulaTextChecker *checker)
{
    if (!CBaseFormula::Validate(reporter, checker))
        return false;
    if (m_nResolvedCount > GetRequiredIndexCount())
        return true;
    if (reporter != nullptr)
        reporter->AddFormulaMessage(FM_REGION_WITHOUT_POINTS, this, {});
    return false;
}

std::string CRegionFormulaLikePoint::GetFormulaText()
{
    UpdateIfNeeded();
    const int references = GetRequiredIndexCount();
    for (int i = 0; i < references; ++i) {
        if (GetResolvedPoint(i) == nullptr)
            return {};
    }
    std::string names;
    for (int i = references; i < m_nResolvedCount; ++i)
        names += (i > references ? "," : "") + GetLabelOrUnknown(GetResolvedPoint(i));
    std::string text = "%PA(" + formatInteger(m_eApplyTypeX) + "," + formatInteger(m_eApplyTypeY) +
                       "," + names + ")=" + GetLabelOrUnknown(GetResolvedPoint(0));
    if (references > 1)
        text += "-" + GetLabelOrUnknown(GetResolvedPoint(1));
    return text;
}

void CRegionFormulaLikePoint::CopyFrom(const CBaseFormula &other)
{
    CBaseFormula::CopyFrom(other);
    if (const auto *same = dynamic_cast<const CRegionFormulaLikePoint *>(&other)) {
        m_eApplyTypeX = same->m_eApplyTypeX;
        m_eApplyTypeY = same->m_eApplyTypeY;
    }
}

void CRegionFormulaLikePoint::DoGetDisplayText(std::string &out, bool)
{
    out = GetPointDisplayName(GetIndexPoint(0));
    if (GetIndexPoint(1) != nullptr)
        out += " - " + GetPointDisplayName(GetIndexPoint(1));
}
