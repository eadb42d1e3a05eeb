// Morvane editing commands.
// "FindFocusObject" and "FindFocusLine": what lies under the pointer becomes the focus object.
#pragma once

#include "app/commands/DocCommand.h"

#include <memory>

class CFocusObject;
class CFocusShapeSet;
class CShapeHit;

/// "FindFocusObject" (data: the view's mouse record, VIEW_MOUSE_PARAM): the nearest thing that
/// the running tool's focus search ("pFocusManager") finds at the pointer becomes the focus
/// manager's focus object: a grade region (its nested object the part hit: 0 the area, 4 to 7
/// an edge), a pattern's line (kind 9, on the contour chosen by ChooseContour), a pattern's
/// point (kind 10), the mask centre (kind 8) or the rotation pivot (kind 2); free space (kind 0
/// at the pointer) when nothing is near. Then the task's "bIsActiveFocused" and
/// "bIsMaskItemFocused" tell whether it belongs to the active object and to the mask. Not
/// recorded in the history.
class CCmdFindFocusObject : public CDocCommand
{
public:
    CCmdFindFocusObject();

    std::unique_ptr<ICommand> Clone() const override;
    /// False, changing nothing, without a mouse record or focus manager; true otherwise.
    bool OnExecute(void *data) override;

    /// The focus object a hit of the search stands for; null when it stands for nothing (a
    /// point that no pattern holds).
    std::unique_ptr<CFocusObject> MakeFocusObject(const CShapeHit &hit) const;
    /// Whether focus belongs to the active object: is in the multiple selection, is the active
    /// region, centre or pivot, or is a line or point of the active pattern.
    bool IsFocusActive(const CFocusObject &focus) const;
    /// Whether focus is a thing of the mask: in a multiple selection, whether it is in it;
    /// otherwise the pivot, a region, the centre, or a line or point of a mask pattern.
    bool IsMaskItemFocused(const CFocusObject &focus) const;

private:
    std::unique_ptr<CFocusObject> makeLineObject(const CShapeHit &hit) const;
    std::unique_ptr<CFocusObject> makePathLineObject(const CShapeHit &hit) const;
    std::unique_ptr<CFocusObject> makePointObject(const CShapeHit &hit) const;
};

/// "FindFocusLine" (data: the view's mouse record): a pattern's line under the pointer becomes
/// the focus object, as a pattern (kind 1) with the line (kind 9) nested; anything else found,
/// or nothing, gives an empty focus object. Not recorded in the history.
class CCmdFindFocusLine : public CDocCommand
{
public:
    CCmdFindFocusLine();

    std::unique_ptr<ICommand> Clone() const override;
    /// False, changing nothing, without a mouse record, a focus search or a focus manager; true
    /// otherwise.
    bool OnExecute(void *data) override;
};

namespace morvane {

/// The focus search that the task's "pFocusManager" holds; null when none.
CFocusShapeSet *taskFocusShapeSet(const ICommand &command);

} // namespace morvane
