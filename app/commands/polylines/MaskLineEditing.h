// Morvane editing commands.
// What the line and point editing commands share: the pattern a point or line is edited on,
// and their constants.
#pragma once

#include <cstdint>

class CBasePoint;
class CPattern;
class CPolyline;

namespace morvane {

/// Ends of two lines closer than this may be joined.
constexpr double kJoinDistance = 1.0;
/// The undo tip of the line editing commands; the redo tip is the next string.
constexpr uint32_t kLineEditTipId = 61386;

/// The point's pattern when it is a mask pattern (which has editing operations) holding the
/// point; null otherwise, also for a null point.
CPattern *maskPatternOf(const CBasePoint *point);
/// The line's owner when it is a mask pattern holding the line; null otherwise.
CPattern *maskPatternOf(const CPolyline *line);

} // namespace morvane
