// Morvane model library.
// The undo record of the links a mask pattern lets go of when it leaves its mask.
#include "model/ReleasedLinksItem.h"

#include "model/GradeMask.h"
#include "model/MaskPattern.h"
#include "model/MaskPoint.h"
#include "model/MaskPointList.h"

namespace morvane {

ReleasedLinksItem::ReleasedLinksItem(CMaskPattern &pattern, CGradeMask &mask)
    : m_pattern(pattern)
    , m_mask(mask)
{
}

std::unique_ptr<ReleasedLinksItem> ReleasedLinksItem::capture(CMaskPattern &pattern,
                                                              CGradeMask &mask)
{
    std::unique_ptr<ReleasedLinksItem> item(new ReleasedLinksItem(pattern, mask));
    item->CaptureLinksOf(pattern, nullptr);
    for (int i = 0; i < mask.GetPatternCount(); ++i) {
        CMaskPattern *other = mask.GetMaskPatternAt(i);
        if (other != &pattern && other->HasAssPattern(&pattern))
            item->CaptureLinksOf(*other, &pattern);
    }
    return item;
}

// The links that holder keeps: all of them, or only those to the pattern only when given.
void ReleasedLinksItem::CaptureLinksOf(CMaskPattern &holder, const CPattern *only)
{
    CPtrCollection<CPattern> associated;
    holder.GetAssPatterns(associated);
    for (CPattern *pattern : associated) {
        if (only == nullptr || pattern == only)
            m_patternLinks.push_back({&holder, pattern});
    }
    CPtrCollection<CBasePoint> partners;
    for (int i = 0; i < holder.GetBasePointCount(); ++i) {
        IMaskPoint *point = holder.GetBasePointAt(i)->GetMaskPoint();
        partners.RemoveAll();
        point->AppendAssociations(partners);
        for (CBasePoint *partner : partners) {
            if (only == nullptr || partner->GetParent() == only)
                m_pointLinks.push_back({point, partner});
        }
    }
}

void ReleasedLinksItem::Undo()
{
    for (const PatternLink &link : m_patternLinks) {
        if (!link.pattern->HasAssPattern(link.associated))
            link.pattern->AddAssPattern(link.associated);
    }
    if (m_pointLinks.empty())
        return;
    CMaskPointList &list = m_mask.GetMaskPointList();
    list.SendBeforeChange(-1);
    for (const PointLink &link : m_pointLinks)
        link.point->AddAssociation(link.partner);
    list.SendAfterChange(-1);
}

void ReleasedLinksItem::Redo()
{
    m_pattern.ReleaseLinks();
}

} // namespace morvane
