// Morvane editing commands.
// "CopyFocusPolyline": the picked lines of other patterns are copied into the active pattern.
#pragma once

#include "app/commands/MaskHistoryCommand.h"

class CPattern;
class CPolyline;

/// "CopyFocusPolyline" (data not read): each line of the focus-polyline list, in list order, is
/// copied into the active mask pattern at the same place on the mask, in the pattern's own
/// coordinates (its placement, turn and flip taken out): its base-size shape points become
/// points of the pattern (grade points where the source has a grade point, found again within
/// 0.25), a new line of the source's type joins them after the pattern's lines, the source's
/// slider grade points become grade points, and its notches come along at the same distance
/// with their depth turned into the pattern's frame. Enabled while the list is not empty and
/// the active object is a mask pattern. One step of the mask's history.
class CCmdCopyFocusPolyline : public CMaskHistoryCommand
{
public:
    CCmdCopyFocusPolyline();

    std::unique_ptr<ICommand> Clone() const override;
    using CMaskHistoryCommand::IsEnabled;
    bool IsEnabled(void *data) override;
    bool OnExecute(void *data) override;

private:
    static void CopyLine(const CPolyline &source, CPattern &target);
};
