// Morvane editing commands.
// The records the pattern transform commands take and keep.
#pragma once

#include "foundation/DPoint.h"

class CPattern;

/// A pattern's whole placement: the data of "UpdatePattern" and what the transform commands
/// keep for undo.
struct PatternState
{
    /// Degrees.
    double dAngle = 0.0;
    DPOINT oPosition;
    /// The pattern's rotation centre on the mask.
    DPOINT oPivotPoint;
    bool bFlipped = false;
    /// Null: the active pattern.
    CPattern *pPattern = nullptr;
};

/// The data of "ChangePatternPosition".
struct PatternPositionRequest
{
    DPOINT position;
    /// Null: the active pattern.
    CPattern *pattern = nullptr;
};

/// The data of "ChangePatternAngle".
struct PatternAngleRequest
{
    /// Null: the active pattern.
    CPattern *pattern = nullptr;
    /// Degrees.
    double angle = 0.0;
};

/// The data of "RotatePattern": a point and the offset that, added to it, gives the point the
/// pattern turns from.
struct PatternRotationRecord
{
    DPOINT point;
    DPOINT offset;
};

namespace morvane {

/// The angle (degrees) brought into -360 .. 360 by whole turns, both ends kept: 725 gives 5,
/// -400 gives -40, 360 stays. Not finite angles come back unchanged.
double normalizePatternAngle(double degrees);

} // namespace morvane
