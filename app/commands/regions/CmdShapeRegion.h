// Morvane editing commands.
// Shaping the active region from the picked points and the pointer, by "UpdateRegion".
#pragma once

#include "app/commands/regions/CmdUpdateRegion.h"

#include <memory>

/// The base of the commands that shape the active region while the pointer moves: each reads
/// the region's values, changes some from the focus position (Pf), the document's first picked
/// point (P1) and its last one (PL), and applies them as "UpdateRegion" does, so undo and redo
/// swap the whole set. False without an active region or, where one is read, a picked point.
class CCmdShapeRegion : public CCmdUpdateRegion
{
public:
    bool OnExecute(void *data) override;

protected:
    void Define(const char *name, uint32_t undoTextId);
    /// Changes the values read from the active region; false cancels the command.
    virtual bool Shape(RegionData &values, void *data) = 0;
    /// The focus manager's focus position.
    bool FocusPosition(DPOINT &point) const;
    /// The hit position of the document's picked point at the index (-1: the last one).
    bool PickedPoint(int index, DPOINT &point) const;
};

/// "UpdateRectRegion": a rectangle between PL and Pf, its base line along y; direction 0 or,
/// with the pointer left of PL, 180 degrees.
class CCmdUpdateRectRegion : public CCmdShapeRegion
{
public:
    CCmdUpdateRectRegion();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    bool Shape(RegionData &values, void *data) override;
};

/// "UpdateRectRegionV": a rectangle between PL and Pf, its base line along x; direction 90 or,
/// with the pointer below PL, 270 degrees.
class CCmdUpdateRectRegionV : public CCmdShapeRegion
{
public:
    CCmdUpdateRectRegionV();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    bool Shape(RegionData &values, void *data) override;
};

/// "UpdateBiasRegionAngle": the base line runs from PL to Pf, height 0.
class CCmdUpdateBiasRegionAngle : public CCmdShapeRegion
{
public:
    CCmdUpdateBiasRegionAngle();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    bool Shape(RegionData &values, void *data) override;
};

/// "UpdateBiasRegionHeight": the height reaches Pf from the base line; the region turns half
/// round when Pf lies on the base line's other side.
class CCmdUpdateBiasRegionHeight : public CCmdShapeRegion
{
public:
    CCmdUpdateBiasRegionHeight();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    bool Shape(RegionData &values, void *data) override;
};

/// "ChangeRegionDirectionToParallel": turns the region so that its base line runs parallel to
/// the line from P1 to the focus position, whichever orientation of that line lies within a
/// quarter turn of the task's "dStartAngle"; then refreshes the measuring line ("UpdateMeasure"
/// with the data). A pointer on P1 leaves the direction.
class CCmdChangeRegionDirectionToParallel : public CCmdShapeRegion
{
public:
    CCmdChangeRegionDirectionToParallel();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    bool Shape(RegionData &values, void *data) override;
};
