// Morvane program documents.
// The automation object of one pattern of the client grade model.
#pragma once

#include "app/documents/ClientPatternRef.h"
#include "app/documents/TrgPolyline.h"

#include <cstdint>

/// One pattern of the client grade model, as an automation client builds it and reads its
/// grading back. The main document keeps one and aims it at the pattern asked for; it keeps one
/// CTrgPolyline, aimed at the polyline last asked for. Index arguments that name nothing, and
/// calls before the object was aimed or after its pattern was cleared, throw
/// morvane::AutomationError and change nothing; where the client model answers -1 for an index
/// (AddMarkPoint, AddPolyline), that answer is kept.
class CTrgPattern
{
public:
    CTrgPattern() = default;
    CTrgPattern(const CTrgPattern &) = delete;
    CTrgPattern &operator=(const CTrgPattern &) = delete;

    void SetPattern(const morvane::ClientPatternRef &pattern) { m_oPattern = pattern; }

    int32_t AddMarkPoint(int32_t point);
    int32_t AddPolyline(int32_t first, int32_t count, int32_t type);
    int32_t GetPolylineCount();
    /// The polyline object, aimed at polyline index of the pattern.
    CTrgPolyline &GetPolylineAt(int32_t index);
    int32_t AddBasePoint(double x, double y, int32_t kind);
    int32_t GetBasePointCount();
    /// The grade-rule value (dx, dy) of base point point in that rule table and size.
    void GetPointRuleValue(int32_t point, int32_t table, int32_t size, double &dx, double &dy);
    /// colour is a colour reference, 0x00BBGGRR (red in the low byte), as the program's options
    /// keep colours; a value with any of its top eight bits set is refused.
    void SetOutlineColor(int32_t colour);

    /// The polyline object, without aiming it.
    CTrgPolyline &GetPolyline() { return m_oPolyline; }

private:
    morvane::ClientPatternRef m_oPattern;
    CTrgPolyline m_oPolyline;
};
