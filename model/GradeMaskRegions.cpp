// Morvane model library.
// The grade mask's regions: making, naming, inserting and removing them, and the region tests.
#include "foundation/NameCompare.h"
#include "foundation/TextFormat.h"
#include "model/GradeMask.h"

using namespace morvane;

int CGradeMask::FindGradeRegion(const IRegion *region) const
{
    for (int i = 0; i < GetGradeRegionCount(); ++i) {
        if (m_oGradeRegions.GetAt(i) == region)
            return i;
    }
    return -1;
}

int CGradeMask::FindGradeRegion(const std::string &name) const
{
    for (int i = 0; i < GetGradeRegionCount(); ++i) {
        if (equalsNoCase(m_oGradeRegions.GetAt(i)->GetName(), name))
            return i;
    }
    return -1;
}

std::unique_ptr<CGradeRegion> CGradeMask::MakeRegion()
{
    auto region = std::make_unique<CGradeRegion>();
    region->SetGradeMask(this);
    return region;
}

void CGradeMask::InsertGradeRegionAt(int i, std::unique_ptr<CGradeRegion> region)
{
    region->SetName(GetNextAvailableRegionName());
    region->SetGradeMask(this);
    m_oGradeRegions.InsertAt(i, region.release());
    m_oHistory.AddInsertion(m_oGradeRegions, i);
}

void CGradeMask::RemoveGradeRegionAt(int i)
{
    m_oHistory.BeginGroup();
    CGradeRegion *region = m_oGradeRegions.GetAt(i);
    m_oHistory.AddRemoval(m_oGradeRegions, i);
    m_oGradeRegions.RemoveAt(i);
    RemoveRegionFormulas(region);
    m_oHistory.EndGroup();
}

void CGradeMask::RemoveRegionFormulas(const CGradeRegion *region)
{
    m_oHistory.BeginGroup();
    for (int i = m_oFormulaManager.GetFormulaCount() - 1; i >= 0; --i) {
        if (m_oFormulaManager.GetFormulaAt(i)->GetRegion() == region)
            m_oFormulaManager.RemoveFormulaAt(i);
    }
    m_oHistory.EndGroup();
}

std::string CGradeMask::GetNextAvailableRegionName() const
{
    for (int number = 1;; ++number) {
        std::string name = format("R%d", number);
        if (FindGradeRegion(name) < 0)
            return name;
    }
}

bool CGradeMask::IsInRegionOfType(DPOINT p, REGION_TYPE type) const
{
    for (const CGradeRegion *region : m_oGradeRegions) {
        if (region->GetType() == type && region->IsPointInside(p))
            return true;
    }
    return false;
}

bool CGradeMask::IsInExcludeRegion(DPOINT p) const
{
    return IsInRegionOfType(p, REGION_EXCLUDE);
}

bool CGradeMask::IsInReadOnlyRegion(const CBasePoint *point) const
{
    const DPOINT position = point->GetAbsPosition();
    return !IsInExcludeRegion(position) && IsInRegionOfType(position, REGION_READ_ONLY);
}
