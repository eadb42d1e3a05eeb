// Morvane program documents.
#include "app/documents/TestRectangle.h"

#include "sources/client-model/GeomPattern.h"
#include "sources/client-model/GeomPolyline.h"

void AddTestRectangle(CGeomPattern &pattern)
{
    constexpr double kPoints[][2] = {{0, 0},    {450, 0}, {350, 50}, {300, 50}, {150, 50},
                                     {0, 50},   {0, 0},   {350, 50}, {40, 50}};
    for (const auto &point : kPoints)
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
