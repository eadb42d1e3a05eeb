// Morvane program documents.
// The test rectangle, the one pattern of the test model that the document's menu builds.
#pragma once

class CGeomPattern;

/// Adds the test rectangle to an empty pattern: nine grade points, four polylines, and on
/// polyline 2 (from (350, 50) to (0, 50)) three notches, at point 7 (a slider lying on point 2),
/// at point 4 (on the line) and at point 8 (a slider at (40, 50)).
void AddTestRectangle(CGeomPattern &pattern);
