// Morvane editing commands.
// Switching one edge of a grade region on (it bounds the region) or off (it reaches to infinity).
#include "app/commands/regions/CmdRegionLimits.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "model/GradeRegion.h"

namespace {

bool edgeOn(const IRegion &region, CCmdRegionLimit::Edge edge)
{
    switch (edge) {
    case CCmdRegionLimit::Edge::Left:
        return region.GetLimLeft90();
    case CCmdRegionLimit::Edge::Right:
        return region.GetLimRight90();
    case CCmdRegionLimit::Edge::Top:
        return region.GetLimMaxHeight();
    }
    return false;
}

void setEdge(IRegion &region, CCmdRegionLimit::Edge edge, bool on)
{
    switch (edge) {
    case CCmdRegionLimit::Edge::Left:
        region.SetLimLeft90(on);
        break;
    case CCmdRegionLimit::Edge::Right:
        region.SetLimRight90(on);
        break;
    case CCmdRegionLimit::Edge::Top:
        region.SetLimMaxHeight(on);
        break;
    }
}

} // namespace

CCmdRegionLimit::CCmdRegionLimit(const char *name, Edge edge, bool on, uint32_t undoTextId)
    : m_eEdge(edge), m_bOn(on)
{
    Create(name);
    // Each switch is its own entry: a run of them on several regions must undo one by one.
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(undoTextId);
}

bool CCmdRegionLimit::OnExecute(void *data)
{
    m_pRegion = RegionOf(data);
    if (m_pRegion == nullptr)
        return false;
    Switch(m_bOn);
    return true;
}

void CCmdRegionLimit::OnUndo()
{
    Switch(!m_bOn);
}

void CCmdRegionLimit::OnRedo()
{
    Switch(m_bOn);
}

bool CCmdRegionLimit::IsEnabled(void *data)
{
    if (data == nullptr) {
        IDocumentServices *document = GetDocument();
        if (document == nullptr || !document->IsEditMode())
            return false;
    }
    const IRegion *region = RegionOf(data);
    return region != nullptr && edgeOn(*region, m_eEdge) != m_bOn;
}

IRegion *CCmdRegionLimit::RegionOf(void *data) const
{
    if (data != nullptr)
        return static_cast<IRegion *>(data);
    const CFocusManager *focus = GetFocusManager();
    if (focus == nullptr || !focus->IsActiveRegion())
        return nullptr;
    return dynamic_cast<IRegion *>(focus->GetActiveItem());
}

void CCmdRegionLimit::Switch(bool on)
{
    if (m_pRegion != nullptr)
        setEdge(*m_pRegion, m_eEdge, on);
}

CCmdLimitLeft::CCmdLimitLeft() : CCmdRegionLimit("LimitLeft", Edge::Left, true, 0xEFB0) {}

std::unique_ptr<ICommand> CCmdLimitLeft::Clone() const
{
    return std::make_unique<CCmdLimitLeft>(*this);
}

CCmdLimitRight::CCmdLimitRight() : CCmdRegionLimit("LimitRight", Edge::Right, true, 0xEFB2) {}

std::unique_ptr<ICommand> CCmdLimitRight::Clone() const
{
    return std::make_unique<CCmdLimitRight>(*this);
}

CCmdLimitHeight::CCmdLimitHeight() : CCmdRegionLimit("LimitHeight", Edge::Top, true, 0xEFB4) {}

std::unique_ptr<ICommand> CCmdLimitHeight::Clone() const
{
    return std::make_unique<CCmdLimitHeight>(*this);
}

CCmdUnlimitLeft::CCmdUnlimitLeft() : CCmdRegionLimit("UnlimitLeft", Edge::Left, false, 0xEFB6) {}

std::unique_ptr<ICommand> CCmdUnlimitLeft::Clone() const
{
    return std::make_unique<CCmdUnlimitLeft>(*this);
}

CCmdUnlimitRight::CCmdUnlimitRight() : CCmdRegionLimit("UnlimitRight", Edge::Right, false, 0xEFB8) {}

std::unique_ptr<ICommand> CCmdUnlimitRight::Clone() const
{
    return std::make_unique<CCmdUnlimitRight>(*this);
}

CCmdUnlimitHeight::CCmdUnlimitHeight() : CCmdRegionLimit("UnlimitHeight", Edge::Top, false, 0xEFBA) {}

std::unique_ptr<ICommand> CCmdUnlimitHeight::Clone() const
{
    return std::make_unique<CCmdUnlimitHeight>(*this);
}
