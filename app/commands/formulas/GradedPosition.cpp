// Morvane editing commands.
// Where a grade point lies on the mask in one size, read and written through its grade rules.
#include "app/commands/formulas/GradedPosition.h"

#include "model/BasePoint.h"
#include "model/GradeSize.h"
#include "model/InputPoint.h"

namespace morvane {

DPOINT GetGradedPosition(const CBasePoint &point, int table, int size)
{
    CSimpleGradeSize gradeSize;
    gradeSize.Create(table, size);
    return point.GetPosition(&gradeSize);
}

void SetGradedPosition(CBasePoint &point, int table, int size, DPOINT position)
{
    if (IInputPoint *input = point.GetInputPoint())
        input->MoveGradePointTo(GradeSize{table, size}, position.x, position.y);
}

} // namespace morvane
