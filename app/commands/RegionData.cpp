// Morvane editing commands.
// The records the grade-region commands take: a region's whole set of values, and a flip.
#include "app/commands/RegionData.h"

#include "app/documents/IDocumentServices.h"
#include "app/interaction/FocusManager.h"
#include "model/GradeRegion.h"

namespace morvane {

bool readRegionData(IDocumentServices &document, RegionData &data)
{
    if (data.pRegion == nullptr) {
        const CFocusManager *focus = document.GetFocusManager();
        if (focus != nullptr && focus->IsActiveRegion())
            data.pRegion = dynamic_cast<IRegion *>(focus->GetActiveItem());
    }
    const IRegion *region = data.pRegion;
    if (region == nullptr)
        return false;
    data.sName = region->GetName();
    data.oPosition = region->GetPosition();
    data.dDirection = region->GetDirection(true);
    data.dLeft90 = region->GetLeft90();
    data.bLimLeft90 = region->GetLimLeft90();
    data.dRight90 = region->GetRight90();
    data.bLimRight90 = region->GetLimRight90();
    data.dMaxHeight = region->GetMaxHeight();
    data.bLimMaxHeight = region->GetLimMaxHeight();
    return true;
}

} // namespace morvane
