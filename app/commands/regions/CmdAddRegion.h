// Morvane editing commands.
// Adding a grade region to the active mask: one group of the mask's history per region.
#pragma once

#include "app/commands/MaskHistoryCommand.h"

#include <memory>

class IRegion;

/// The base of the commands that add a grade region: the mask makes a region, the class sets
/// it up (InitRegion), and the region goes to the end of the mask's region list with its
/// formula and becomes the active object. The insertion and the formula are one group of the
/// mask's history, so one undo removes both. Enabled while mask patterns are edited and a mask
/// is active.
class CCmdAddRegionBase : public CMaskHistoryCommand
{
public:
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;

protected:
    /// Names the command and sets its flags (added to the history, modify type 1) and tips.
    void Define(const char *name, bool repeat, uint32_t undoTextId);
    /// Sets up the geometry (and formula) of a region the mask made and does not hold yet;
    /// false cancels the command.
    virtual bool InitRegion(IRegion &region, void *data) = 0;
    /// A new grade-region formula (kind 0) for the region, bound to the active table.
    void AddNewFormula(IRegion &region);
};

/// "AddNullRegion": a closed 2 by 1 rectangle at the focus position. The data is not read.
class CCmdAddNullRegion : public CCmdAddRegionBase
{
public:
    CCmdAddNullRegion();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    bool InitRegion(IRegion &region, void *data) override;
};

/// "AddRegionH": an open strip at the pointer of the view's mouse record (MouseEventFields),
/// its base line along x, growing away from the mask centre (90 degrees when the point is not
/// below the centre, else -90).
class CCmdAddRegionH : public CCmdAddRegionBase
{
public:
    CCmdAddRegionH();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    bool InitRegion(IRegion &region, void *data) override;
};

/// "AddRegionV": as "AddRegionH" with the base line along y (0 degrees when the point is not
/// left of the centre, else 180).
class CCmdAddRegionV : public CCmdAddRegionBase
{
public:
    CCmdAddRegionV();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    bool InitRegion(IRegion &region, void *data) override;
};

/// "AddSlopeRegion": a region at the pointer of the view's mouse record, sides -50 and 50
/// bounding it, height 100 open; "RotateRegion" then turns it.
class CCmdAddSlopeRegion : public CCmdAddRegionBase
{
public:
    CCmdAddSlopeRegion();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    bool InitRegion(IRegion &region, void *data) override;
};

/// "DuplicateRegion": a copy of the region given (an IRegion) moved by (10, 10), with a copy of
/// its formula when it has one. Its name and type are not copied.
class CCmdDuplicateRegion : public CCmdAddRegionBase
{
public:
    CCmdDuplicateRegion();
    std::unique_ptr<ICommand> Clone() const override;
    using CBaseCommand::IsEnabled;
    /// As the base, and a region is given.
    bool IsEnabled(void *data) override;

protected:
    bool InitRegion(IRegion &region, void *data) override;
};
