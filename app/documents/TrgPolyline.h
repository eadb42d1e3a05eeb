// Morvane program documents.
// The automation object of one polyline of a client pattern.
#pragma once

#include "app/documents/ClientPatternRef.h"

#include <cstdint>

class CGeomPolyline;
class CNoGeomPolyline;

/// One polyline of a pattern of the client grade model, as an automation client sees it. The
/// pattern object keeps one and aims it at the polyline asked for; every call goes to that
/// polyline, and the notch queries to the input polyline the document made from it. Index
/// arguments that name nothing, and calls before the object was aimed or after its pattern was
/// cleared, throw morvane::AutomationError and change nothing; where the client model answers
/// -1 for an index (AddNotch, GetPointAt, AddPoint), that answer is kept.
class CTrgPolyline
{
public:
    /// Aims at polyline, a polyline of pattern's pattern.
    void SetPolyline(const morvane::ClientPatternRef &pattern, CGeomPolyline *polyline);

    int32_t AddNotch(int32_t point, double vx, double vy);
    int32_t GetPointCount();
    int32_t GetPointAt(int32_t index);
    int32_t AddPoint(int32_t point);
    int32_t GetNotchCount();
    /// The index among the pattern's base points of the grade point that the notch's slider
    /// point measures from (its linked point); -1 when the pattern has no input polyline for
    /// this polyline, the notch no slider point, or the slider no such point.
    int32_t GetNotchRefGradePoint(int32_t notch);
    /// The negated slider distance of the notch's slider point in that table and size; 0.0
    /// without an input polyline or slider point.
    double GetNotchDistanceValue(int32_t notch, int32_t table, int32_t size);

private:
    CGeomPolyline &polyline(const char *call) const;
    /// The input polyline made from line; null when there is none.
    CNoGeomPolyline *modelPolyline(CGeomPolyline &line) const;

    morvane::ClientPatternRef m_oPattern;
    CGeomPolyline *m_pPolyline = nullptr;
};
