// Morvane editing commands.
// "ClosePolyline": a mask line's open end is joined to the nearest end of another line.
#pragma once

#include "app/commands/DocCommand.h"

class CPolyline;

/// "ClosePolyline" (data: a CBasePoint at an end of a line of a mask pattern): the nearest end
/// point of another line of the pattern is put in front of the line when the point is its
/// first, else behind it. Enabled when that end point lies less than 1.0 away and is not the
/// point itself. Undo takes exactly that point out again.
class CCmdClosePolyline : public CDocCommand
{
public:
    CCmdClosePolyline();

    std::unique_ptr<ICommand> Clone() const override;
    using CDocCommand::IsEnabled;
    bool IsEnabled(void *data) override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;

private:
    CPolyline *m_pPolyline = nullptr;
    int m_nPosition = -1;
    int m_nPointIndex = -1;
};
