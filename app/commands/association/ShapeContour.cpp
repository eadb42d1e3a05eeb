// Morvane editing commands: pattern association.
// The samples of a contour as the shape-context matching sees them: positions, turns, contexts.
#include "app/commands/association/ShapeContour.h"

#include "app/commands/association/ShapeHistogram.h"
#include "app/extras/GeometryExtras.h"

#include <algorithm>
#include <cmath>

CShapeContour::CShapeContour(int n, const double *xs, const double *ys, bool reversed)
    : m_aX(xs, xs + std::max(n, 0))
    , m_aY(ys, ys + std::max(n, 0))
    , m_bReversed(reversed)
{
    if (m_aX.empty())
        return;
    const auto [minX, maxX] = std::minmax_element(m_aX.begin(), m_aX.end());
    const auto [minY, maxY] = std::minmax_element(m_aY.begin(), m_aY.end());
    m_dDiagonal = std::hypot(*maxX - *minX, *maxY - *minY);
}

CShapeContour::~CShapeContour() = default;

std::unique_ptr<CShapeHistogram> CShapeContour::MakeShapeContext(int i) const
{
    auto histogram = std::make_unique<CShapeHistogram>(kAngleBins, m_dDiagonal);
    const auto at = static_cast<size_t>(i);
    for (size_t k = 0; k < m_aX.size(); ++k) {
        if (k == at)
            continue;
        const double dx = m_aX[k] - m_aX[at];
        const double dy = m_aY[k] - m_aY[at];
        histogram->Add(std::atan2(dy, dx), std::hypot(dx, dy));
    }
    histogram->Normalize();
    return histogram;
}

double CShapeContour::GetTurnAngle(int i, double &bisector) const
{
    const int count = GetCount();
    bisector = 0.0;
    if (count < 3)
        return 0.0;
    int previous = (i - 1 + count) % count;
    int next = (i + 1) % count;
    if (m_bReversed)
        std::swap(previous, next);
    const auto at = static_cast<size_t>(i);
    const double toPrevious = std::atan2(m_aY[static_cast<size_t>(previous)] - m_aY[at],
                                         m_aX[static_cast<size_t>(previous)] - m_aX[at]);
    const double toNext = std::atan2(m_aY[static_cast<size_t>(next)] - m_aY[at],
                                     m_aX[static_cast<size_t>(next)] - m_aX[at]);
    bisector = NormalizeAngle(std::atan2(std::sin(toPrevious) + std::sin(toNext),
                                         std::cos(toPrevious) + std::cos(toNext)));
    return NormalizeAngle(toNext - toPrevious);
}
