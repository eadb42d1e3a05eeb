// Morvane formula library.
// The dart formula of a grade region: the dart is the one it finds among the region's points.
#include "formulas/DartRegionFormula.h"

#include "formulas/FormulaMakers.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/GradeRegion.h"
#include "model/Pattern.h"

#include <cmath>

static const CRuntimeClass kDartRegionFormulaClass("CDartRegionFormula",
                                                   &CreateObjectOf<CDartRegionFormula>,
                                                   CBaseDartFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_REGION,
                                             CDartRegionFormula::kFormulaType,
                                             &makeRegionFormula<CDartRegionFormula>);

const CRuntimeClass *CDartRegionFormula::GetThisClass()
{
    return &kDartRegionFormulaClass;
}

CDartRegionFormula::CDartRegionFormula()
{
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
    RegisterLengthControl();
}

IRegion *CDartRegionFormula::GetRegion() const
{
    return m_pRegion;
}

void CDartRegionFormula::SetRegion(CGradeRegion *region)
{
    m_pRegion = region;
    Invalidate();
}

static double distanceBetween(DPOINT a, DPOINT b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

bool CDartRegionFormula::FindDartAt(CBasePoint *point, const CContour &contour,
                                    const CPtrCollection<CBasePoint> &regionPoints,
                                    CBasePoint *&first, CBasePoint *&last) const
{
    CPtrCollection<CBasePoint> outline;
    contour.GetOutContour(&outline, false, false);
    const int count = outline.GetCount();
    const int at = outline.Find(point);
    if (count < 3 || at < 0)
        return false;
    if (!contour.IsClosed() && (at == 0 || at == count - 1))
        return false;
    if (std::fabs(contour.GetTurnAngle(point)) <= kApexTurn)
        return false;
    CBasePoint *next = outline.GetAt((at + 1) % count);
    CBasePoint *previous = outline.GetAt((at + count - 1) % count);
    if (regionPoints.Find(next) < 0 || regionPoints.Find(previous) < 0)
        return false;
    const DPOINT position = m_pRegion->GetPosition();
    const bool nextNearer = distanceBetween(next->GetAbsPosition(), position) <
                            distanceBetween(previous->GetAbsPosition(), position);
    first = nextNearer ? next : previous;
    last = nextNearer ? previous : next;
    return true;
}

void CDartRegionFormula::Recalculate()
{
    ClearResolved();
    if (m_pRegion == nullptr)
        return;
    CPtrCollection<CBasePoint> points;
    m_pRegion->UpdateRegionPoints(points);
    CPattern::RemoveDrills(points);
    for (CBasePoint *point : points) {
        CPtrCollection<CContour> contours;
        point->GetParent()->AppendPointContours(point, contours);
        for (const CContour *contour : contours) {
            CBasePoint *first = nullptr;
            CBasePoint *last = nullptr;
            if (FindDartAt(point, *contour, points, first, last)) {
                SetResolved(0, first);
                SetResolved(1, point);
                SetResolved(2, last);
                return;
            }
        }
    }
}
