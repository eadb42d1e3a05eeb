// Morvane editing commands.
// Moving and turning the selection, and turning and flipping a list of focus objects: each a
// composite whose steps run the single-item commands, so that one undo takes back the whole.
#pragma once

#include "app/commands/DocCommand.h"
#include "tasks/CompositeCommand.h"

#include <memory>

class CFocusObject;
class IDocumentServices;

/// The base of the selection's composites: the document of the command's task.
class CSelectionComposite : public CCompositeCommand
{
protected:
    /// Names the command and sets its flags and tool tips (the undo tip's text id).
    void Define(const char *name, bool repeat, uint32_t undoTextId);
    IDocumentServices *GetDocument() const;
    /// The focus manager's active object; null without one.
    CFocusObject *GetActiveObject() const;
    /// Runs a step on the pattern (an input pattern, or a mask pattern while mask patterns are
    /// edited) or the region the focus object holds; false for other objects.
    bool RunOnPatternOrRegion(CFocusObject &item, const char *patternCommand, void *patternData,
                              const char *regionCommand, void *regionData);
};

/// "MoveSelectedItems": moves the mask centre, a pattern, a region, or each entry of a
/// multiple selection (the active object) by the pointer's travel since the previous event:
/// the data is the view's mouse record (VIEW_MOUSE_PARAM), the travel position less
/// previousPosition. A travel of 0.001 or less moves nothing; locked mask patterns stay.
class CCmdMoveSelectedItems : public CSelectionComposite
{
public:
    CCmdMoveSelectedItems();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    int GetItemCount(void *data) override;
    bool ExecuteItem(int index, void *data) override;
    bool IsItemEnabled(int index, void *data) override;
};

/// "RotateSelectedItems": turns the rotation pivot's items about the pivot by the angle the
/// pointer (the view's mouse record) has turned since the rotation started. Locked mask
/// patterns stay.
class CCmdRotateSelectedItems : public CSelectionComposite
{
public:
    CCmdRotateSelectedItems();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    int GetItemCount(void *data) override;
    bool ExecuteItem(int index, void *data) override;
    bool IsItemEnabled(int index, void *data) override;
};

/// "RotateObjectList": turns each pattern and region of a ROTATE_REQUEST to its angle, or by it
/// when relative ("ChangePatternAngle", "UpdateRegion").
class CCmdRotateObjectList : public CSelectionComposite
{
public:
    CCmdRotateObjectList();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    int GetItemCount(void *data) override;
    bool ExecuteItem(int index, void *data) override;
    bool IsItemEnabled(int index, void *data) override;
};

/// "FlipObjectList": mirrors each region ("FlipRegion", mode 0) and pattern ("FlipPattern") of
/// the list given (a std::vector<CFocusObject *>, not owned).
class CCmdFlipObjectList : public CSelectionComposite
{
public:
    CCmdFlipObjectList();
    std::unique_ptr<ICommand> Clone() const override;

protected:
    int GetItemCount(void *data) override;
    bool ExecuteItem(int index, void *data) override;
    bool IsItemEnabled(int index, void *data) override;
};

/// "RotateItem": turns the first focus object of a ROTATE_REQUEST as "RotateObjectList" does,
/// running "ChangePatternAngle" or "UpdateRegion" as a command of its own, which keeps the
/// undo. It enters no history itself, so that one undo takes the turn back. No tool or menu
/// sends it.
class CCmdRotateItem : public CDocCommand
{
public:
    CCmdRotateItem();

    std::unique_ptr<ICommand> Clone() const override;
    /// What the command it ran answers; false without an item.
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// The enabled test of that command for the item; false for other objects.
    bool IsEnabled(void *data) override;
};
