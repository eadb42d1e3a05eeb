// Morvane editing commands.
// Writing a whole set of region values with swap undo, and flipping a list of regions.
#pragma once

#include "app/commands/CmdSelectionTransforms.h"
#include "app/commands/DocCommand.h"
#include "app/commands/RegionData.h"

#include <memory>

/// "UpdateRegion": writes the RegionData given into its region (the active region when it
/// names none) and keeps the values it replaced; undo and redo swap the two sets. A record
/// with its repeat request set keeps every execution of a run in the history.
class CCmdUpdateRegion : public CDocCommand
{
public:
    CCmdUpdateRegion();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without data or region.
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;
    using CBaseCommand::IsEnabled;
    /// True with data; without, whether the active object is a region.
    bool IsEnabled(void *data) override;

    /// Fills the record from its region (the active region when it names none).
    static bool ReadRegionData(IDocumentServices &document, RegionData &data);

protected:
    /// Writes the values into the record's region and keeps the ones they replaced.
    bool Apply(const RegionData &data);

private:
    RegionData m_oReplaced;
};

/// "FlipRegion": mirrors each region of a RegionFlipRequest by one "UpdateRegion": mode 0 turns
/// it half round, 1 keeps its direction, 2 negates it, 3 mirrors it about the y axis; each swaps
/// the sides and their switches. Other modes write the region's own values back. Disabled for an
/// empty list and while mask patterns are not edited.
class CCmdFlipRegion : public CSelectionComposite
{
public:
    CCmdFlipRegion();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    int GetItemCount(void *data) override;
    bool ExecuteItem(int index, void *data) override;
    bool IsItemEnabled(int index, void *data) override;
};

namespace morvane {

/// The record mirrored by the flip mode (see "FlipRegion").
void flipRegionData(RegionData &data, int mode);

} // namespace morvane
