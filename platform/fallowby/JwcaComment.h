// Morvane second DXF reader.
// The comment (group 999) that the graded R12 layout gives every polyline, vertex, line and point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

/// Point classes of the comments: a turn point or a notch, a curve point, any other grade point.
/// A straight line carries class 1 in its comment; a point that is no grade point carries none.
inline constexpr int32_t kJwcaTurnPointClass = 3;
inline constexpr int32_t kJwcaCurvePointClass = 4;
inline constexpr int32_t kJwcaOtherPointClass = 2;
inline constexpr int32_t kJwcaStraightLineClass = 1;
/// The first value of the comment of a drill hole.
inline constexpr int32_t kJwcaDrillHoleKind = 9;
/// The first value of the comment of a notch that lies on none of the piece's lines (a POINT
/// whose comment marks a notch).
inline constexpr int32_t kJwcaNotchOffOutlineKind = 4;

/// The four integers of a comment: the line kind (9 for a drill hole), the point class, 1 when
/// the vertex carries a notch, and the rule number.
struct JwcaComment
{
    int32_t lineKind = 0;
    int32_t pointClass = 0;
    int32_t notch = 0;
    int32_t ruleNumber = 0;

    bool operator==(const JwcaComment &) const = default;
};

/// The comment as text: the line kind in decimal, then each further value after a comma. Values
/// of 0 or below after the line kind are left out: trailing ones with their commas, inner ones
/// as empty fields. (5, 0, 0, 0) gives "5", (5, 3, 0, 12) "5,3,,12", (5, 0, 0, 12) "5,,,12".
std::string formatJwcaComment(const JwcaComment &comment);

/// The comment in text: comma-separated integers, an empty or missing field read as 0, fields
/// after the fourth ignored.
JwcaComment parseJwcaComment(std::string_view text);

} // namespace morvane
