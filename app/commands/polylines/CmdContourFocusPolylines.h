// Morvane editing commands.
// Building a contour line by line: "AddContourFocusPolyline" adds the clicked line and the
// lines that go on from it unambiguously; "AddFocusPolylineToContour" hands the finished
// contour to its pattern.
#pragma once

#include "app/commands/MaskHistoryCommand.h"

#include <memory>
#include <vector>

class CContour;
class CPolyline;

/// "AddContourFocusPolyline" (data not read): the contour of the active object (the one under
/// construction) takes the polyline under the pointer, then, one after another, the one line
/// of the pattern that meets the last line added and is not in the contour yet (none when two
/// do). Each line runs on from the end where the line before it ends. Once three or more lines
/// end where the first begins (within 1.0), the contour closes. "bContourFinished" tells
/// whether it did. Refused for a line already in the contour and for a line that alone forms a
/// closed contour of its pattern. Undo takes out every line the click added; the closing is
/// not done again by redo.
class CCmdAddContourFocusPolyline : public CDocCommand
{
public:
    CCmdAddContourFocusPolyline();
    ~CCmdAddContourFocusPolyline() override;

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;

private:
    struct AddedLine
    {
        CPolyline *polyline;
        bool backward;
    };

    void Append(CPolyline *line);

    CContour *m_pContour = nullptr;
    /// Keeps an unfinished contour alive as long as this step can be undone or redone.
    std::shared_ptr<CContour> m_pUnfinished;
    std::vector<AddedLine> m_aAdded;
};

/// "AddFocusPolylineToContour" (data not read): the contour built on the active object, when
/// it has lines, becomes the last contour of the active pattern (a contour of its own, with the
/// same lines, directions and closing). One step of the mask's history.
class CCmdAddFocusPolylineToContour : public CMaskHistoryCommand
{
public:
    CCmdAddFocusPolylineToContour();

    std::unique_ptr<ICommand> Clone() const override;
    bool OnExecute(void *data) override;
};
