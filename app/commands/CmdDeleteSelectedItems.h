// Morvane editing commands.
// Deleting the selected mask patterns and grade regions, refused while a formula needs them.
#pragma once

#include "app/commands/CmdSelectionTransforms.h"

/// "DeleteSelectedItems": deletes the mask pattern or region of the selection (the focus
/// object given as the data, else the active object), or each of a multiple selection made of
/// them only, in selection order ("DeletePatternFromMask", "DeleteRegion"), as one step.
/// Refused as a whole, with a stop message naming the formulas (61585) or the pattern (61408),
/// while a formula that stays refers to a formula or a pattern deleted.
class CCmdDeleteSelectedItems : public CSelectionComposite
{
public:
    CCmdDeleteSelectedItems();
    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;

protected:
    int GetItemCount(void *data) override;
    bool ExecuteItem(int index, void *data) override;
    bool IsItemEnabled(int index, void *data) override;

private:
    CFocusObject *Selection(void *data) const;
    /// True when nothing that stays needs what the selection deletes; otherwise shows why.
    bool CheckFormulas(CFocusObject &selection);
};
