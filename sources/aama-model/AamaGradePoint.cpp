// Morvane AAMA grade model.
// A point of an AAMA pattern: its base position, kind, rule number and positions per size.
#include "sources/aama-model/AamaGradePoint.h"

#include <algorithm>
#include <optional>

namespace morvane {

int32_t pointKindFromFlags(int flags)
{
    if (flags & 0x20)
        return kAamaInternalPoint;
    if (flags & 0x10)
        return kAamaNotchPoint;
    if (flags & 1)
        return kAamaTurnPoint;
    if (flags & 2)
        return kAamaCurvePoint;
    return kAamaOrdinaryPoint;
}

} // namespace morvane

CAamaGradePoint::CAamaGradePoint(double x, double y, int32_t kind, int32_t ruleNumber)
    : m_nRuleNumber(ruleNumber)
    , m_nKind(kind)
    , m_dX(x)
    , m_dY(y)
{
}

GM_ERROR CAamaGradePoint::GetPosition(GradeSize size, DPOINT &position)
{
    position = GetGradedPosition(size);
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradePoint::SetPosition(int table, int size, double x, double y)
{
    if (const std::optional<std::size_t> place = PlaceOf(table, size))
        m_pPositions[*place] = {x, y};
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradePoint::IsMarkPoint(DPOINT &vector, bool &isMark)
{
    isMark = m_nKind == morvane::kAamaNotchPoint || m_nKind == morvane::kAamaInternalPoint;
    if (m_nKind == morvane::kAamaNotchPoint && m_pNotch != nullptr)
        vector = m_pNotch->m_oVector;
    return GM_NO_ERROR;
}

GM_ERROR CAamaGradePoint::GetSliderInfo(int &isSlider, IGradeCurve *&curve, int &reserved)
{
    isSlider = 0;
    curve = nullptr;
    reserved = 0;
    return GM_NO_ERROR;
}

void CAamaPositionLayout::Reset(const std::vector<int> &sizeCounts)
{
    starts.assign(1, 0);
    for (const int count : sizeCounts)
        starts.push_back(starts.back() + static_cast<std::size_t>(std::max(count, 0)));
}

void CAamaGradePoint::ResetPositions(const CAamaPositionLayout &layout, DPOINT *positions)
{
    std::fill_n(positions, layout.PositionCount(), GetBasePosition());
    m_pLayout = &layout;
    m_pPositions = positions;
}
