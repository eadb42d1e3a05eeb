// Morvane test support.
// A small generated style: the outlines of its pieces, graded, moved, turned and re-ordered.
#pragma once

#include "foundation/DPoint.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace garment {

/// One piece of the style: its name and its closed outline, counter-clockwise, without the
/// closing vertex repeated.
struct Piece
{
    std::string name;
    std::vector<DPOINT> outline;
};

/// A bodice front and back, a sleeve, a collar, a cuff, a pocket and two near-mirror side
/// panels, in millimetres, drawn in the base size.
inline std::vector<Piece> makeStyle();

/// The outline graded sizes steps up (or down, when negative): wider by 3 % and longer by
/// 1.5 % a step about the outline's lowest left corner, as a grade rule table would move it.
inline std::vector<DPOINT> graded(const std::vector<DPOINT> &outline, int steps);

/// The outline turned by degrees about the origin, then moved by (dx, dy).
inline std::vector<DPOINT> placed(const std::vector<DPOINT> &outline, double degrees, double dx,
                                  double dy);

/// The same outline started at vertex first (taken modulo the count).
inline std::vector<DPOINT> startedAt(const std::vector<DPOINT> &outline, int first);

/// The same outline walked the other way round, still from its vertex 0.
inline std::vector<DPOINT> reversed(const std::vector<DPOINT> &outline);

/// Helpers of the style drawing.
namespace detail {

/// Draws an outline from straight runs and quadratic curves, as a pattern maker's tool does.
class OutlineDrawing
{
public:
    explicit OutlineDrawing(DPOINT start) { m_points.push_back(start); }

    OutlineDrawing &lineTo(DPOINT to)
    {
        m_points.push_back(to);
        return *this;
    }

    /// A curve bent towards control, sampled at eight steps.
    OutlineDrawing &curveTo(DPOINT control, DPOINT to)
    {
        const DPOINT from = m_points.back();
        constexpr int kSteps = 8;
        for (int i = 1; i <= kSteps; ++i) {
            const double t = static_cast<double>(i) / kSteps;
            const double a = (1 - t) * (1 - t);
            const double b = 2 * (1 - t) * t;
            const double c = t * t;
            m_points.push_back(
                {a * from.x + b * control.x + c * to.x, a * from.y + b * control.y + c * to.y});
        }
        return *this;
    }

    /// The outline, closed back to the start (the start not repeated).
    std::vector<DPOINT> close()
    {
        if (m_points.size() > 1 && m_points.back().x == m_points.front().x &&
            m_points.back().y == m_points.front().y)
            m_points.pop_back();
        return m_points;
    }

private:
    std::vector<DPOINT> m_points;
};

inline std::vector<DPOINT> mirroredX(const std::vector<DPOINT> &outline)
{
    std::vector<DPOINT> mirrored;
    for (const DPOINT &p : outline)
        mirrored.push_back({-p.x, p.y});
    return reversed(mirrored);
}

} // namespace detail

inline std::vector<Piece> makeStyle()
{
    std::vector<Piece> style;
    style.push_back({"bodice front", detail::OutlineDrawing({0, 0})
                                         .lineTo({260, 0})
                                         .lineTo({270, 380})
                                         .curveTo({200, 390}, {180, 470})
                                         .lineTo({90, 520})
                                         .curveTo({30, 510}, {0, 440})
                                         .close()});
    style.push_back({"bodice back", detail::OutlineDrawing({0, 0})
                                        .lineTo({250, 0})
                                        .lineTo({260, 390})
                                        .curveTo({215, 410}, {200, 520})
                                        .lineTo({80, 545})
                                        .curveTo({40, 530}, {0, 530})
                                        .close()});
    style.push_back({"sleeve", detail::OutlineDrawing({40, 0})
                                   .lineTo({300, 0})
                                   .lineTo({340, 420})
                                   .curveTo({300, 560}, {170, 580})
                                   .curveTo({40, 560}, {0, 420})
                                   .close()});
    style.push_back({"collar", detail::OutlineDrawing({0, 0})
                                   .curveTo({210, 40}, {420, 0})
                                   .lineTo({430, 80})
                                   .curveTo({210, 120}, {-10, 80})
                                   .close()});
    style.push_back({"cuff", detail::OutlineDrawing({0, 0})
                                 .lineTo({240, 0})
                                 .lineTo({265, 30})
                                 .lineTo({240, 60})
                                 .lineTo({0, 60})
                                 .close()});
    style.push_back({"pocket", detail::OutlineDrawing({0, 20})
                                   .lineTo({75, 0})
                                   .lineTo({150, 20})
                                   .lineTo({150, 170})
                                   .lineTo({0, 170})
                                   .close()});
    const std::vector<DPOINT> panel = detail::OutlineDrawing({0, 0})
                                          .lineTo({160, 0})
                                          .lineTo({150, 450})
                                          .curveTo({100, 470}, {60, 600})
                                          .lineTo({0, 600})
                                          .close();
    style.push_back({"left panel", panel});
    std::vector<DPOINT> right = detail::mirroredX(panel);
    right[2].y += 12.0; // nearly, not quite, the mirror image
    style.push_back({"right panel", right});
    return style;
}

inline std::vector<DPOINT> graded(const std::vector<DPOINT> &outline, int steps)
{
    DPOINT corner = outline.front();
    for (const DPOINT &p : outline)
        corner = {std::min(corner.x, p.x), std::min(corner.y, p.y)};
    const double widthFactor = 1.0 + 0.03 * steps;
    const double lengthFactor = 1.0 + 0.015 * steps;
    std::vector<DPOINT> result;
    for (const DPOINT &p : outline)
        result.push_back({corner.x + (p.x - corner.x) * widthFactor,
                          corner.y + (p.y - corner.y) * lengthFactor});
    return result;
}

inline std::vector<DPOINT> placed(const std::vector<DPOINT> &outline, double degrees, double dx,
                                  double dy)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    std::vector<DPOINT> result;
    for (const DPOINT &p : outline)
        result.push_back({c * p.x - s * p.y + dx, s * p.x + c * p.y + dy});
    return result;
}

inline std::vector<DPOINT> startedAt(const std::vector<DPOINT> &outline, int first)
{
    const int count = static_cast<int>(outline.size());
    std::vector<DPOINT> result;
    for (int i = 0; i < count; ++i)
        result.push_back(outline[static_cast<size_t>(((first + i) % count + count) % count)]);
    return result;
}

inline std::vector<DPOINT> reversed(const std::vector<DPOINT> &outline)
{
    std::vector<DPOINT> result{outline.front()};
    result.insert(result.end(), outline.rbegin(), outline.rend() - 1);
    return result;
}

} // namespace garment
