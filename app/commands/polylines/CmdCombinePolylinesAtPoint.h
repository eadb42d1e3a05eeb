// Morvane editing commands.
// "CombinePolylinesAtPoint": the two mask lines that meet end to end at a point become one.
#pragma once

#include "app/commands/DocCommand.h"

#include <memory>
#include <vector>

class CBasePoint;
class CContourLine;
class CMaskContour;
class CMaskPolyline;
class CPolyline;

/// "CombinePolylinesAtPoint" (data: a CBasePoint of a mask pattern): enabled when exactly two
/// lines pass through the point and it is an end of both. The kept line is the first of them,
/// or the second when the point starts the first; the other line's points, walked away from
/// the point, are added at the kept line's end that the point is, so the point becomes the
/// joint; the other line leaves the pattern and its contours. Undo restores the lines, their
/// point order and the contours exactly; the command owns the absorbed line meanwhile.
class CCmdCombinePolylinesAtPoint : public CDocCommand
{
public:
    CCmdCombinePolylinesAtPoint();
    /// A copy without undo data (the prototype has none).
    CCmdCombinePolylinesAtPoint(const CCmdCombinePolylinesAtPoint &other);
    ~CCmdCombinePolylinesAtPoint() override;

    std::unique_ptr<ICommand> Clone() const override;
    using CDocCommand::IsEnabled;
    bool IsEnabled(void *data) override;
    bool OnExecute(void *data) override;
    void OnUndo() override;
    void OnRedo() override;

private:
    /// A place the absorbed line had in a contour.
    struct ContourPlace
    {
        CMaskContour *contour;
        int index;
        bool closed;
        std::unique_ptr<CContourLine> line;
    };

    void Combine();

    CBasePoint *m_pPoint = nullptr;
    CPolyline *m_pKept = nullptr;
    CPolyline *m_pAbsorbed = nullptr;
    int m_nAbsorbedIndex = -1;
    bool m_bAtKeptStart = false;
    std::unique_ptr<CMaskPolyline> m_pRemoved;
    std::vector<ContourPlace> m_aPlaces;
};
