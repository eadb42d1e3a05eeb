// Morvane AAMA grade model.
// A point of an AAMA pattern: its base position, kind, rule number and positions per size.
#include "sources/aama-model/AamaGradePoint.h"

#include <algorithm>

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

// The entry of table and size in positions (one array per table), or null; const or not as
// positions is.
template <typename Positions> static auto findPosition(Positions &positions, int table, int size)
{
    decltype(&positions[0][0]) found = nullptr;
    if (table < 0 || size < 0 || static_cast<std::size_t>(table) >= positions.size())
        return found;
    auto &sizes = positions[static_cast<std::size_t>(table)];
    if (static_cast<std::size_t>(size) < sizes.size())
        found = &sizes[static_cast<std::size_t>(size)];
    return found;
}

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
    if (DPOINT *stored = findPosition(m_oPositions, table, size))
        *stored = {x, y};
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

DPOINT CAamaGradePoint::GetGradedPosition(GradeSize size) const
{
    const DPOINT *stored = findPosition(m_oPositions, size.table, size.size);
    return stored != nullptr ? *stored : GetBasePosition();
}

void CAamaGradePoint::ResetPositions(const std::vector<int> &sizeCounts)
{
    m_oPositions.clear();
    for (const int count : sizeCounts)
        m_oPositions.emplace_back(static_cast<std::size_t>(std::max(count, 0)), GetBasePosition());
}
