// Morvane editing commands.
// Writing a whole set of region values with swap undo, and flipping a list of regions.
#include "app/commands/regions/CmdUpdateRegion.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "model/GradeRegion.h"

#include <utility>

namespace {

constexpr double kPi = 3.1415926535898;

const RegionFlipRequest *flipRequest(void *data)
{
    return static_cast<const RegionFlipRequest *>(data);
}

} // namespace

namespace morvane {

void flipRegionData(RegionData &data, int mode)
{
    switch (mode) {
    case 0:
        data.dDirection += kPi;
        break;
    case 1:
        break;
    case 2:
        data.dDirection = -data.dDirection;
        break;
    case 3:
        data.dDirection = kPi - data.dDirection;
        break;
    default:
        return;
    }
    const double left = data.dLeft90;
    data.dLeft90 = -data.dRight90;
    data.dRight90 = -left;
    std::swap(data.bLimLeft90, data.bLimRight90);
}

} // namespace morvane

CCmdUpdateRegion::CCmdUpdateRegion()
{
    Create("UpdateRegion");
    SetFlags(true, false, CMT_MODIFY);
    SetToolTips(0xEFBC);
}

std::unique_ptr<ICommand> CCmdUpdateRegion::Clone() const
{
    return std::make_unique<CCmdUpdateRegion>(*this);
}

bool CCmdUpdateRegion::OnExecute(void *data)
{
    const auto *record = static_cast<const RegionData *>(data);
    if (record == nullptr)
        return false;
    if (record->bRepeat)
        SetRepeatCommand(true);
    return Apply(*record);
}

void CCmdUpdateRegion::OnUndo()
{
    Apply(RegionData(m_oReplaced));
}

void CCmdUpdateRegion::OnRedo()
{
    Apply(RegionData(m_oReplaced));
}

bool CCmdUpdateRegion::IsEnabled(void *data)
{
    if (data != nullptr)
        return true;
    const CFocusManager *focus = GetFocusManager();
    return focus != nullptr && focus->IsActiveRegion();
}

bool CCmdUpdateRegion::ReadRegionData(IDocumentServices &document, RegionData &data)
{
    return morvane::readRegionData(document, data);
}

bool CCmdUpdateRegion::Apply(const RegionData &data)
{
    IDocumentServices *document = GetDocument();
    RegionData replaced;
    replaced.pRegion = data.pRegion;
    if (document == nullptr || !ReadRegionData(*document, replaced))
        return false;
    IRegion &region = *replaced.pRegion;
    region.SetName(data.sName);
    region.SetPosition(data.oPosition);
    region.SetLeft90(data.dLeft90);
    region.SetLimLeft90(data.bLimLeft90);
    region.SetRight90(data.dRight90);
    region.SetLimRight90(data.bLimRight90);
    region.SetMaxHeight(data.dMaxHeight);
    region.SetLimMaxHeight(data.bLimMaxHeight);
    region.SetDirection(data.dDirection, true);
    m_oReplaced = replaced;
    return true;
}

CCmdFlipRegion::CCmdFlipRegion()
{
    Define("FlipRegion", true, 0xEF9A);
}

std::unique_ptr<ICommand> CCmdFlipRegion::Clone() const
{
    return std::make_unique<CCmdFlipRegion>(*this);
}

int CCmdFlipRegion::GetItemCount(void *data)
{
    const RegionFlipRequest *request = flipRequest(data);
    return request != nullptr ? request->regions.GetCount() : 0;
}

bool CCmdFlipRegion::ExecuteItem(int index, void *data)
{
    const RegionFlipRequest *request = flipRequest(data);
    IDocumentServices *document = GetDocument();
    RegionData values;
    values.pRegion = request->regions.GetAt(index);
    if (document == nullptr || !CCmdUpdateRegion::ReadRegionData(*document, values))
        return false;
    morvane::flipRegionData(values, request->mode);
    return ExecuteCommand("UpdateRegion", &values);
}

bool CCmdFlipRegion::IsItemEnabled(int index, void *data)
{
    IDocumentServices *document = GetDocument();
    if (document == nullptr || !document->IsEditMode())
        return false;
    RegionData values;
    values.pRegion = flipRequest(data)->regions.GetAt(index);
    return IsCommandEnabled("UpdateRegion", &values);
}
