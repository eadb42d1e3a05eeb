// Morvane model library.
// The grade mask's point associations: which mask point stands for which input point.
#include "model/MaskPointList.h"

#include "model/GradeMask.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"

using namespace morvane;

CMaskPointList::CMaskPointList(CGradeMask &mask)
    : m_oMask(mask)
{
    SetHandlerId(kModelHandlerId | kSourceKind, this);
}

// The mask pattern that holds the mask point; null for a point of no mask pattern.
static CMaskPattern *patternOf(IMaskPoint *maskPoint)
{
    return dynamic_cast<CMaskPattern *>(maskPoint->GetBasePoint()->GetParent());
}

void CMaskPointList::AddAssociation(IMaskPoint *maskPoint, CBasePoint *point)
{
    CMaskPattern *pattern = patternOf(maskPoint);
    CPattern *other = point->GetParent();
    if (pattern != nullptr && other != nullptr && !pattern->HasAssPattern(other))
        pattern->AddAssPattern(other);
    SendBeforeChange(0);
    m_pActiveItem = maskPoint;
    maskPoint->AddAssociation(point);
    SendAfterChange(0);
}

void CMaskPointList::RemoveAssociation(IMaskPoint *maskPoint, const CBasePoint *point)
{
    CPtrCollection<CBasePoint> partners;
    maskPoint->AppendAssociations(partners);
    if (partners.Find(point) < 0)
        return;
    SendBeforeChange(0);
    m_pActiveItem = maskPoint;
    maskPoint->RemoveAssociation(point);
    SendAfterChange(0);
}

void CMaskPointList::ClearMaskPointAssociations(IMaskPoint *maskPoint)
{
    if (maskPoint->GetAssociationCount() == 0)
        return;
    m_pActiveItem = maskPoint;
    SendBeforeChange(0);
    maskPoint->RemoveAllAssociations();
    SendAfterChange(0);
}

void CMaskPointList::ClearAll()
{
    SendBeforeChange(-1);
    m_pActiveItem = nullptr;
    for (int i = 0; i < m_oMask.GetPatternCount(); ++i)
        m_oMask.GetMaskPatternAt(i)->ClearPointAssociations();
    SendAfterChange(-1);
}

void CMaskPointList::ClearPatternEntries(CMaskPattern &pattern)
{
    if (!pattern.HasPointAssociations())
        return;
    SendBeforeChange(-1);
    pattern.ClearPointAssociations();
    SendAfterChange(-1);
}

// Whether a point of pattern is associated with a point of other.
static bool hasAssociationsTo(const CMaskPattern &pattern, const CPattern *other)
{
    for (int i = 0; i < pattern.GetBasePointCount(); ++i) {
        if (pattern.GetBasePointAt(i)->GetMaskPoint()->GetAssociationCountTo(other) > 0)
            return true;
    }
    return false;
}

void CMaskPointList::RemovePatternAssociations(CMaskPattern &pattern, const CPattern *other)
{
    if (!hasAssociationsTo(pattern, other))
        return;
    SendBeforeChange(-1);
    for (int i = 0; i < pattern.GetBasePointCount(); ++i)
        pattern.GetBasePointAt(i)->GetMaskPoint()->RemoveAssociationsTo(other);
    SendAfterChange(-1);
}

void CMaskPointList::ForgetPoint(const CBasePoint *point)
{
    if (m_pActiveItem != nullptr && m_pActiveItem->GetBasePoint() == point)
        m_pActiveItem = nullptr;
}

void CMaskPointList::ForgetPattern(const CPattern *pattern)
{
    if (m_pActiveItem != nullptr && m_pActiveItem->GetBasePoint()->GetParent() == pattern)
        m_pActiveItem = nullptr;
}
