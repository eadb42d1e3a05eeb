// Morvane editing commands.
// The records the grade-region commands take: a region's whole set of values, and a flip.
#pragma once

#include "foundation/DPoint.h"
#include "foundation/PtrCollection.h"

#include <cstdint>
#include <string>

class IDocumentServices;
class IRegion;

/// Every value of a grade region: the data of "UpdateRegion", which writes it into its region
/// (the active region when it names none). The selection transforms read a region's values,
/// change the position or direction, and run "UpdateRegion" with it.
struct RegionData
{
    DPOINT oPosition;
    /// Radians.
    double dDirection = 0.0;
    double dLeft90 = 0.0;
    bool bLimLeft90 = false;
    double dRight90 = 0.0;
    bool bLimRight90 = false;
    double dMaxHeight = 0.0;
    bool bLimMaxHeight = false;
    /// Null: the active region.
    IRegion *pRegion = nullptr;
    std::string sName;
    /// "UpdateRegion" repeats for this run (its entries are then not merged).
    bool bRepeat = false;
};

/// The data of "FlipRegion": the regions to mirror (not owned) and how (0 to 3).
struct RegionFlipRequest
{
    CPtrCollection<IRegion> regions;
    int32_t mode = 0;
};

namespace morvane {

/// Fills the record from its region; a null region becomes the active object's region first
/// (false when the active object is none). The repeat request is left as it is.
bool readRegionData(IDocumentServices &document, RegionData &data);

} // namespace morvane
