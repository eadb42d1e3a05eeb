// Morvane editing commands.
// Placing input patterns on the active grade mask and taking them off: one, a list, or all.
#pragma once

#include "app/commands/DocCommand.h"
#include "foundation/PtrCollection.h"

#include <memory>

class CPattern;

/// "PlaceSelectedPatterns": places the input patterns of the list given as the data (a
/// CPtrCollection<CPattern>, not owned) that are not placed yet, in list order, first moving a
/// pattern lying outside -1000 .. 1000 on either axis to the nearest point inside (when that is
/// more than 0.1 away). Keeps the placed patterns: undo takes them off again, redo puts them
/// back; neither moves them, so a clamped position stays after undo. Patterns that are no
/// input patterns are skipped.
class CCmdPlaceSelectedPatterns : public CDocCommand
{
public:
    CCmdPlaceSelectedPatterns();

    std::unique_ptr<ICommand> Clone() const override;
    /// True, also when nothing was placed.
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;
    using CBaseCommand::IsEnabled;
    /// Some input pattern of the list is not placed; false for an empty list.
    bool IsEnabled(void *data) override;

protected:
    bool PlaceList(const CPtrCollection<CPattern> &patterns);
    static bool CanPlaceList(const CPtrCollection<CPattern> &patterns);

private:
    CPtrCollection<CPattern> m_oChanged;
};

/// "PlacePattern": the pattern given (a CPattern), or the active pattern when the data is null.
class CCmdPlacePattern : public CCmdPlaceSelectedPatterns
{
public:
    CCmdPlacePattern();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};

/// "PlaceAllPatterns": every input pattern of the document that is not placed; data ignored.
class CCmdPlaceAllPatterns : public CCmdPlaceSelectedPatterns
{
public:
    CCmdPlaceAllPatterns();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};

/// "UnplaceSelectedPatterns": takes the placed input patterns of the list given as the data
/// off the mask, and keeps them: undo places them again, redo takes them off.
class CCmdUnplaceSelectedPatterns : public CDocCommand
{
public:
    CCmdUnplaceSelectedPatterns();

    std::unique_ptr<ICommand> Clone() const override;
    /// True, also when nothing was taken off.
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;
    using CBaseCommand::IsEnabled;
    /// Some input pattern of the list is placed.
    bool IsEnabled(void *data) override;

protected:
    bool UnplaceList(const CPtrCollection<CPattern> &patterns);
    static bool CanUnplaceList(const CPtrCollection<CPattern> &patterns);

private:
    CPtrCollection<CPattern> m_oChanged;
};

/// "UnPlacePattern": the pattern given, or the active pattern when the data is null.
class CCmdUnPlacePattern : public CCmdUnplaceSelectedPatterns
{
public:
    CCmdUnPlacePattern();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};

/// "UnplaceAllPatterns": every placed input pattern of the document; data ignored.
class CCmdUnplaceAllPatterns : public CCmdUnplaceSelectedPatterns
{
public:
    CCmdUnplaceAllPatterns();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;
};
