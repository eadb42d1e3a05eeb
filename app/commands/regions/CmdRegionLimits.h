// Morvane editing commands.
// Switching one edge of a grade region on (it bounds the region) or off (it reaches to infinity).
#pragma once

#include "app/commands/DocCommand.h"

#include <memory>

class IRegion;

/// The base of the six limit commands: the region given (an IRegion), or the active region
/// without data, gets one of its three edges switched to the class's value; undo switches it
/// back. Enabled when the edge is not at that value yet; without data, only while mask
/// patterns are edited and the active object is a region.
class CCmdRegionLimit : public CDocCommand
{
public:
    enum class Edge { Left, Right, Top };

    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;
    using CBaseCommand::IsEnabled;
    bool IsEnabled(void *data) override;

protected:
    CCmdRegionLimit(const char *name, Edge edge, bool on, uint32_t undoTextId);

private:
    IRegion *RegionOf(void *data) const;
    void Switch(bool on);

    Edge m_eEdge;
    bool m_bOn;
    IRegion *m_pRegion = nullptr;
};

/// "LimitLeft": the left side bounds the region.
class CCmdLimitLeft : public CCmdRegionLimit
{
public:
    CCmdLimitLeft();
    std::unique_ptr<ICommand> Clone() const override;
};

/// "LimitRight": the right side bounds the region.
class CCmdLimitRight : public CCmdRegionLimit
{
public:
    CCmdLimitRight();
    std::unique_ptr<ICommand> Clone() const override;
};

/// "LimitHeight": the top bounds the region.
class CCmdLimitHeight : public CCmdRegionLimit
{
public:
    CCmdLimitHeight();
    std::unique_ptr<ICommand> Clone() const override;
};

/// "UnlimitLeft": the left side reaches to infinity.
class CCmdUnlimitLeft : public CCmdRegionLimit
{
public:
    CCmdUnlimitLeft();
    std::unique_ptr<ICommand> Clone() const override;
};

/// "UnlimitRight": the right side reaches to infinity.
class CCmdUnlimitRight : public CCmdRegionLimit
{
public:
    CCmdUnlimitRight();
    std::unique_ptr<ICommand> Clone() const override;
};

/// "UnlimitHeight": the top reaches to infinity.
class CCmdUnlimitHeight : public CCmdRegionLimit
{
public:
    CCmdUnlimitHeight();
    std::unique_ptr<ICommand> Clone() const override;
};
