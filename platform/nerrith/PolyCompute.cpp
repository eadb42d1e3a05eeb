// Nerrith point-correspondence library.
// An outline handed to the correspondence: its vertices, per-vertex flags and arc lengths.
#include "platform/nerrith/PolyCompute.h"

#include "platform/nerrith/AngleMath.h"

#include <algorithm>
#include <cmath>

using namespace nerrith;

CPolyCompute::CPolyCompute() = default;
CPolyCompute::~CPolyCompute() = default;

void CPolyCompute::Create(int n, const DPOINT *points, const unsigned long *flags)
{
    build(n, points, flags, true);
}

void CPolyCompute::CreateOpen(int n, const DPOINT *points, const unsigned long *flags)
{
    build(n, points, flags, false);
}

static std::vector<DPOINT> joined(int n, const double *xs, const double *ys)
{
    std::vector<DPOINT> points;
    for (int i = 0; i < n; ++i)
        points.push_back({xs[i], ys[i]});
    return points;
}

void CPolyCompute::Create(int n, const double *xs, const double *ys, const unsigned long *flags)
{
    const std::vector<DPOINT> points = joined(n, xs, ys);
    build(n, points.data(), flags, true);
}

void CPolyCompute::CreateOpen(int n, const double *xs, const double *ys, const unsigned long *flags)
{
    const std::vector<DPOINT> points = joined(n, xs, ys);
    build(n, points.data(), flags, false);
}

void CPolyCompute::build(int n, const DPOINT *points, const unsigned long *flags, bool closed)
{
    m_bClosed = closed;
    const int count = std::max(n, 0);
    m_aPoints.assign(points, points + count);
    m_aFlags.assign(static_cast<size_t>(count), 0);
    if (flags != nullptr)
        m_aFlags.assign(flags, flags + count);
    if (closed && count >= 2 && distance(m_aPoints.front(), m_aPoints.back()) == 0.0) {
        m_aPoints.pop_back();
        m_aFlags.pop_back();
    }
    m_aAssociated.assign(m_aPoints.size(), false);
    m_aEvenSamples[0].clear();
    m_aEvenSamples[1].clear();
    m_aArc.assign(m_aPoints.size(), 0.0);
    for (size_t i = 1; i < m_aPoints.size(); ++i)
        m_aArc[i] = m_aArc[i - 1] + distance(m_aPoints[i - 1], m_aPoints[i]);
    m_dPerimeter = m_aArc.empty() ? 0.0 : m_aArc.back();
    if (closed && m_aPoints.size() >= 2)
        m_dPerimeter += distance(m_aPoints.back(), m_aPoints.front());
}

void CPolyCompute::SetAssociated(int vertex)
{
    if (vertex >= 0 && vertex < GetPointsCount())
        m_aAssociated[static_cast<size_t>(vertex)] = true;
}

DPOINT CPolyCompute::GetPointAt(double arcLength) const
{
    if (m_aPoints.empty())
        return {};
    if (m_dPerimeter <= 0.0)
        return m_aPoints.front();
    double s =
        m_bClosed ? std::fmod(arcLength, m_dPerimeter) : std::clamp(arcLength, 0.0, m_dPerimeter);
    if (s < 0.0)
        s += m_dPerimeter;
    // The segment that holds s: from the last vertex at or before it to the next vertex.
    const auto after = std::upper_bound(m_aArc.begin(), m_aArc.end(), s);
    const auto from = static_cast<size_t>(std::distance(m_aArc.begin(), after) - 1);
    const size_t to = (from + 1) % m_aPoints.size();
    const double segmentEnd = from + 1 < m_aArc.size() ? m_aArc[from + 1] : m_dPerimeter;
    const double length = segmentEnd - m_aArc[from];
    if (length <= 0.0)
        return m_aPoints[from];
    const double t = (s - m_aArc[from]) / length;
    const DPOINT &a = m_aPoints[from];
    const DPOINT &b = m_aPoints[to];
    return {a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)};
}

int CPolyCompute::distinctNeighbour(int vertex, int step) const
{
    const int count = GetPointsCount();
    const DPOINT &here = m_aPoints[static_cast<size_t>(vertex)];
    for (int k = 1; k < count; ++k) {
        int j = vertex + step * k;
        if (m_bClosed)
            j = (j % count + count) % count;
        else if (j < 0 || j >= count)
            return -1;
        if (distance(here, m_aPoints[static_cast<size_t>(j)]) > 0.0)
            return j;
    }
    return -1;
}

double CPolyCompute::GetTurnAngle(int vertex) const
{
    const int before = distinctNeighbour(vertex, -1);
    const int after = distinctNeighbour(vertex, 1);
    if (before < 0 || after < 0)
        return 0.0;
    const DPOINT &here = GetPoint(vertex);
    return wrapAngle(direction(here, GetPoint(after)) - direction(GetPoint(before), here));
}

double CPolyCompute::GetTangentAngle(int vertex) const
{
    const int before = distinctNeighbour(vertex, -1);
    const int after = distinctNeighbour(vertex, 1);
    const DPOINT &here = GetPoint(vertex);
    if (before < 0 && after < 0)
        return 0.0;
    if (before < 0)
        return direction(here, GetPoint(after));
    const double in = direction(GetPoint(before), here);
    if (after < 0)
        return in;
    return wrapAngle(in + 0.5 * wrapAngle(direction(here, GetPoint(after)) - in));
}

double CPolyCompute::GetSignedArea() const
{
    if (!m_bClosed)
        return 0.0;
    double twice = 0.0;
    for (size_t i = 0; i < m_aPoints.size(); ++i) {
        const DPOINT &a = m_aPoints[i];
        const DPOINT &b = m_aPoints[(i + 1) % m_aPoints.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return 0.5 * twice;
}

const std::vector<DPOINT> &CPolyCompute::GetEvenSamples(int count, bool backward) const
{
    std::vector<DPOINT> &samples = m_aEvenSamples[backward ? 1 : 0];
    if (static_cast<int>(samples.size()) == count)
        return samples;
    samples.clear();
    const int steps = m_bClosed ? count : count - 1;
    const double step = steps > 0 ? m_dPerimeter / steps : 0.0;
    const double start = backward && !m_bClosed ? m_dPerimeter : 0.0;
    for (int i = 0; i < count; ++i)
        samples.push_back(GetPointAt(start + (backward ? -step : step) * i));
    return samples;
}
