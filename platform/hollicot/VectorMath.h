// Morvane Hollicot formula parser.
// Small vector arithmetic on the parser's pairs.
#pragma once

#include "platform/hollicot/GradeParse.h"

#include <cmath>
#include <numbers>

namespace hollicot {

inline Vec2 operator+(Vec2 a, Vec2 b)
{
    return {a.x + b.x, a.y + b.y};
}

inline Vec2 operator-(Vec2 a, Vec2 b)
{
    return {a.x - b.x, a.y - b.y};
}

inline Vec2 operator-(Vec2 a)
{
    return {-a.x, -a.y};
}

inline Vec2 operator*(double f, Vec2 a)
{
    return {f * a.x, f * a.y};
}

inline Vec2 &operator+=(Vec2 &a, Vec2 b)
{
    a = a + b;
    return a;
}

inline double dot(Vec2 a, Vec2 b)
{
    return a.x * b.x + a.y * b.y;
}

inline double cross(Vec2 a, Vec2 b)
{
    return a.x * b.y - a.y * b.x;
}

inline double length(Vec2 a)
{
    return std::hypot(a.x, a.y);
}

inline double radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

/// a turned counter-clockwise by angle radians.
inline Vec2 rotated(Vec2 a, double angle)
{
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {a.x * c - a.y * s, a.x * s + a.y * c};
}

/// The angle of a in radians, counter-clockwise from the X axis.
inline double direction(Vec2 a)
{
    return std::atan2(a.y, a.x);
}

/// Lengths below this count as zero when a direction is needed.
constexpr double kTinyLength = 1e-12;

} // namespace hollicot
