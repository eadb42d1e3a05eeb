// Morvane editing commands.
// "SetActiveItem" and "SetActiveObject": what the user picked becomes the active object.
#pragma once

#include "app/commands/DocCommand.h"

#include <memory>

class CFocusObject;

/// "SetActiveItem": the focus object given as the data (a CFocusObject, not owned: the focus
/// manager takes a copy of it) becomes the active object. An input pattern that is not placed
/// is placed first ("PlacePattern" with the pattern). Not recorded in the history.
class CCmdSetActiveItem : public CDocCommand
{
public:
    CCmdSetActiveItem();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without data or focus manager; true otherwise.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Whether the object may be picked: nothing always; a grade region while regions are
    /// shown; a pattern while its kind is shown (an input pattern also when it is placed or
    /// "PlacePattern" is enabled for it) and its nested object is no point outside selection
    /// mode 1; never any other kind, a multiple selection included.
    bool IsEnabled(void *data) override;

protected:
    /// The focus manager takes the object as the active object; false without one.
    bool Activate(std::unique_ptr<CFocusObject> object);
};

/// "SetActiveObject": the focus object under the pointer, made whole (MakeActiveCopy), becomes
/// the active object through "SetActiveItem". In selection mode 1 the active grade point then
/// becomes the one nearest to where the focus was hit while "IdleTask" runs, or the focused
/// point otherwise. The data is not read.
class CCmdSetActiveObject : public CCmdSetActiveItem
{
public:
    CCmdSetActiveObject();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a focus manager; true otherwise.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// Always true.
    bool IsEnabled(void *data) override;

    /// A new focus object that picks the whole owner of what focus refers to: the pivot
    /// itself; for a line or a point its pattern, with the line (and the focus object's
    /// contour) or the point as the nested object; any other kind a copy.
    static std::unique_ptr<CFocusObject> MakeActiveCopy(const CFocusObject &focus);
};
