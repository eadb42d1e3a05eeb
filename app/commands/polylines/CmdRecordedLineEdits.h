// Morvane editing commands.
// The line and point edits that the grade mask records: splitting a line, deleting a line,
// deleting a point with its formulas. Each is one task step that undoes one history step.
#pragma once

#include "app/commands/MaskHistoryCommand.h"

/// "SplitPolyline" (data: a CBasePoint inside a line of a mask pattern, not an end of it): the
/// line is split there, the new line taking the point and those after it.
class CCmdSplitPolyline : public CMaskHistoryCommand
{
public:
    CCmdSplitPolyline();

    std::unique_ptr<ICommand> Clone() const override;
    using CMaskHistoryCommand::IsEnabled;
    bool IsEnabled(void *data) override;
    bool OnExecute(void *data) override;
};

/// "DeleteMaskPolyline" (data: a CPolyline of a mask pattern): the line is deleted, with the
/// points nothing else uses; a contour of it alone goes too. Disabled for an input pattern's
/// line.
class CCmdDeleteMaskPolyline : public CMaskHistoryCommand
{
public:
    CCmdDeleteMaskPolyline();

    std::unique_ptr<ICommand> Clone() const override;
    using CMaskHistoryCommand::IsEnabled;
    bool IsEnabled(void *data) override;
    bool OnExecute(void *data) override;
};

/// "DeletePoint" (data: a CBasePoint of a mask pattern): the point's formulas are deleted, then
/// the point. Enabled only for a point that ends no line (a point on no line qualifies). The
/// active grade point, when it is this one, is cleared first.
class CCmdDeletePoint : public CMaskHistoryCommand
{
public:
    CCmdDeletePoint();

    std::unique_ptr<ICommand> Clone() const override;
    using CMaskHistoryCommand::IsEnabled;
    bool IsEnabled(void *data) override;
    bool OnExecute(void *data) override;
};
