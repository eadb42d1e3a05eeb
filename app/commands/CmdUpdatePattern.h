// Morvane editing commands.
// Moving, turning and flipping one pattern, and moving the rotation pivot, with undo.
#pragma once

#include "app/commands/DocCommand.h"
#include "app/commands/PatternState.h"

#include <memory>

class IDocumentServices;

/// "UpdatePattern": applies the PatternState given as the data to its pattern (the active
/// pattern when it names none) and keeps the state it replaced; undo and redo swap the two.
/// A mask pattern's change counts as a change of the mask. The derived commands build the
/// state from their own data and apply it the same way.
class CCmdUpdatePattern : public CDocCommand
{
public:
    CCmdUpdatePattern();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without data or pattern.
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;
    using CBaseCommand::IsEnabled;
    /// The state's pattern (else the active pattern; false when none) may be edited: a mask
    /// pattern only while mask patterns are edited.
    bool IsEnabled(void *data) override;

    /// Fills state from the pattern; a null pattern becomes the active object's pattern first
    /// (false when there is none).
    static bool ReadPatternState(IDocumentServices &document, CPattern *&pattern,
                                 PatternState &state);

protected:
    /// Writes state into its pattern (position, angle and flip at once, then the pivot) and keeps
    /// what it replaced; false without a pattern.
    bool Apply(const PatternState &state);
    /// The pattern given, else the active object's pattern; null when neither.
    CPattern *PatternOrActive(CPattern *pattern) const;

private:
    PatternState m_oKept;
};

/// "ChangePatternPosition": moves the pattern of the PatternPositionRequest to its position;
/// false (nothing changes) for a move of 0.001 or less.
class CCmdChangePatternPosition : public CCmdUpdatePattern
{
public:
    CCmdChangePatternPosition();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// A pattern is active, the selection mode is 0 and there is data; mask-pattern editing is
    /// not asked.
    bool IsEnabled(void *data) override;

protected:
    bool MoveTo(CPattern *pattern, const DPOINT &position);
};

/// "MovePattern": drags the active pattern to the pointer of the view's mouse record given as
/// the data (a VIEW_MOUSE_PARAM), less the running task's "dx" and "dy". Not repeating: a drag keeps its first and latest step.
class CCmdMovePattern : public CCmdChangePatternPosition
{
public:
    CCmdMovePattern();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};

/// "ChangePatternAngle": turns the pattern of the PatternAngleRequest to its angle (degrees,
/// brought into -360 .. 360). True also when the angle does not change; false for an angle
/// that is not a number.
class CCmdChangePatternAngle : public CCmdUpdatePattern
{
public:
    CCmdChangePatternAngle();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// UpdatePattern's test for the request's pattern (or the active one), in selection mode 0.
    bool IsEnabled(void *data) override;

protected:
    bool TurnTo(CPattern *pattern, double degrees);
};

/// "RotatePattern": turns the active pattern towards the focus position, seen from the
/// PatternRotationRecord's point plus offset, less the running task's "dRotStartRad". No tool
/// or menu sends it.
class CCmdRotatePattern : public CCmdChangePatternAngle
{
public:
    CCmdRotatePattern();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};

/// "FlipPattern": mirrors the pattern given (the active pattern for null data).
class CCmdFlipPattern : public CCmdUpdatePattern
{
public:
    CCmdFlipPattern();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    /// A given pattern may be edited; without one, a pattern is active, the selection mode is
    /// 0 and it may be edited.
    bool IsEnabled(void *data) override;
};

/// "MovePatternToFocusPoint": runs "MoveSelectedItems" with the mouse record given (a
/// VIEW_MOUSE_PARAM) whose pointer is replaced by the focus position, so that the dragged
/// point lands there. That run keeps the undo; this command's own entry restores nothing.
class CCmdMovePatternToFocusPoint : public CCmdUpdatePattern
{
public:
    CCmdMovePatternToFocusPoint();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    void OnUndo() override {}
    void OnRedo() override {}
    using CBaseCommand::IsEnabled;
    /// Always true.
    bool IsEnabled(void *data) override;
};

/// "MovePatternPivotPoint": moves the rotation pivot to the focus position and keeps where it
/// was; undo and redo swap the two. The data is not read.
class CCmdMovePatternPivotPoint : public CDocCommand
{
public:
    CCmdMovePatternPivotPoint();

    std::unique_ptr<ICommand> Clone() const override;
    /// False without a pivot or focus manager.
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;
    using CBaseCommand::IsEnabled;
    /// Always true.
    bool IsEnabled(void *data) override;

private:
    DPOINT m_oKept;
};
