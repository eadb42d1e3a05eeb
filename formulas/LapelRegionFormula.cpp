// Morvane formula library.
// The lapel formula of a grade region: the lapel is the chain of region points it finds.
#include "formulas/LapelRegionFormula.h"

#include "formulas/FormulaMakers.h"
#include "model/BasePoint.h"
#include "model/Contour.h"
#include "model/GradeMask.h"
#include "model/GradeRegion.h"
#include "model/Pattern.h"

#include <cmath>

static const CRuntimeClass kLapelRegionFormulaClass("CLapelRegionFormula",
                                                    &CreateObjectOf<CLapelRegionFormula>,
                                                    CBaseLapelFormula::GetThisClass());

static const FormulaMakerRegistration kMaker(FORMULA_ATTACH_REGION,
                                             CLapelRegionFormula::kFormulaType,
                                             &makeRegionFormula<CLapelRegionFormula>);

const CRuntimeClass *CLapelRegionFormula::GetThisClass()
{
    return &kLapelRegionFormulaClass;
}

CLapelRegionFormula::CLapelRegionFormula()
{
    AddPtrAttribute(&m_pRegion, "Region", "GradeRegion");
}

IRegion *CLapelRegionFormula::GetRegion() const
{
    return m_pRegion;
}

void CLapelRegionFormula::SetRegion(CGradeRegion *region)
{
    m_pRegion = region;
    Invalidate();
}

static bool isOnContour(const CBasePoint *point)
{
    CPtrCollection<CContour> contours;
    point->GetParent()->AppendPointContours(point, contours);
    return contours.GetCount() > 0;
}

static CBasePoint *nearestTo(DPOINT reference, const CPtrCollection<CBasePoint> &points)
{
    CBasePoint *nearest = nullptr;
    double best = 0.0;
    for (CBasePoint *point : points) {
        const DPOINT at = point->GetAbsPosition();
        const double distance = std::hypot(at.x - reference.x, at.y - reference.y);
        if (nearest == nullptr || distance < best) {
            nearest = point;
            best = distance;
        }
    }
    return nearest;
}

CPtrCollection<CBasePoint>
CLapelRegionFormula::WalkOutline(const CPtrCollection<CBasePoint> &outline, int start, bool forward,
                                 const CPtrCollection<CBasePoint> &candidates) const
{
    const CGradeMask *mask = m_pRegion->GetGradeMask();
    const int count = outline.GetCount();
    CPtrCollection<CBasePoint> run;
    run.Add(outline.GetAt(start));
    for (int step = 1; step < count; ++step) {
        CBasePoint *point = outline.GetAt((start + (forward ? step : count - step)) % count);
        if (candidates.Find(point) >= 0)
            run.Add(point);
        else if (mask == nullptr || !mask->IsInExcludeRegion(point->GetAbsPosition()))
            break;
    }
    return run;
}

CPtrCollection<CBasePoint>
CLapelRegionFormula::FindChain(const CPtrCollection<CBasePoint> &candidates) const
{
    CBasePoint *start = nearestTo(m_pRegion->GetPosition(), candidates);
    if (start == nullptr)
        return {};
    const CContour *contour = start->GetParent()->GetOutContour();
    if (contour == nullptr)
        return {};
    CPtrCollection<CBasePoint> outline;
    contour->GetOutContour(&outline, false, false);
    const int at = outline.Find(start);
    if (at < 0)
        return {};
    CPtrCollection<CBasePoint> forward = WalkOutline(outline, at, true, candidates);
    CPtrCollection<CBasePoint> backward = WalkOutline(outline, at, false, candidates);
    return backward.GetCount() > forward.GetCount() ? backward : forward;
}

void CLapelRegionFormula::Recalculate()
{
    ClearResolved();
    if (m_pRegion == nullptr)
        return;
    CPtrCollection<CBasePoint> candidates;
    m_pRegion->UpdateRegionPoints(candidates);
    CPattern::RemoveDrills(candidates);
    for (int i = candidates.GetCount() - 1; i >= 0; --i) {
        if (!isOnContour(candidates.GetAt(i)))
            candidates.RemoveAt(i);
    }
    for (;;) {
        const CPtrCollection<CBasePoint> chain = FindChain(candidates);
        if (chain.GetCount() == 0)
            break;
        if (chain.GetCount() >= kLapelPointCount) {
            candidates.RemoveAll();
            for (int i = 0; i < kLapelPointCount; ++i)
                candidates.Add(chain.GetAt(i));
            break;
        }
        for (CBasePoint *point : chain)
            candidates.Remove(point);
    }
    for (int i = 0; i < candidates.GetCount(); ++i)
        SetResolved(i, candidates.GetAt(i));
}
