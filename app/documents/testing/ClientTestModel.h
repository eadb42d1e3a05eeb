// Morvane program documents test support.
// What an automation client builds and is told in the tests: the test rectangle and a client
// that counts the ends of its runs.
#pragma once

#include "app/documents/IDocumentAutomation.h"
#include "sources/client-model/GeomPattern.h"
#include "sources/client-model/GeomPolyline.h"

namespace morvane {

/// A client that counts the times it is told its run ended.
class CountingClient : public IMorvaneClient
{
public:
    explicit CountingClient(int &returns) : m_returns(returns) {}
    void OnReturn() override { ++m_returns; }

private:
    int &m_returns;
};

/// The client's test rectangle: nine grade points, four polylines, and on polyline 2 (from
/// (350, 50) to (0, 50)) three notches, at point 7 (a slider lying on point 2), at point 4 (on
/// the line) and at point 8 (a slider at (40, 50)).
inline void addTestRectangle(CGeomPattern &pattern)
{
    const double points[9][2] = {{0, 0},  {450, 0}, {350, 50}, {300, 50}, {150, 50},
                                 {0, 50}, {0, 0},   {350, 50}, {40, 50}};
    for (const auto &point : points)
        pattern.AddBasePoint(point[0], point[1], 1);
    pattern.AddPolyline(0, 2, 0);
    pattern.AddPolyline(1, 2, 0);
    pattern.AddPolyline(2, 4, 0);
    pattern.AddPolyline(5, 2, 0);
    CGeomPolyline &line = *pattern.GetPatternPolylineAt(2);
    line.AddNotch(7, -2.0, -8.0);
    line.AddNotch(4, 0.0, -8.0);
    line.AddNotch(8, 0.0, -8.0);
}

} // namespace morvane
