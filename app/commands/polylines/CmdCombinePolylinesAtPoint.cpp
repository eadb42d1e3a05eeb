// Morvane editing commands.
// "CombinePolylinesAtPoint": the two mask lines that meet end to end at a point become one.
#include "app/commands/polylines/CmdCombinePolylinesAtPoint.h"

#include "app/commands/polylines/MaskLineEditing.h"
#include "model/BasePoint.h"
#include "model/ContourLine.h"
#include "model/MaskContour.h"
#include "model/MaskPattern.h"
#include "model/MaskPolyline.h"

using namespace morvane;

namespace {

bool isEndOf(const CPolyline &line, const CBasePoint *point)
{
    return line.GetPointCount() > 1 && line.ContaintsEndShapePoint(point);
}

/// The two lines through the point when there are exactly two and it ends both.
bool findJoinedLines(const CBasePoint *point, CPolyline *&first, CPolyline *&second)
{
    const CPattern *pattern = maskPatternOf(point);
    if (pattern == nullptr)
        return false;
    CPtrCollection<CPolyline> lines;
    pattern->FindPointPolylines(point, lines);
    if (lines.GetCount() != 2 || !isEndOf(*lines.GetAt(0), point) ||
        !isEndOf(*lines.GetAt(1), point))
        return false;
    first = lines.GetAt(0);
    second = lines.GetAt(1);
    return true;
}

} // namespace

CCmdCombinePolylinesAtPoint::CCmdCombinePolylinesAtPoint()
{
    Create("CombinePolylinesAtPoint");
    SetFlags(true, true, CMT_MODIFY);
    SetToolTips(kLineEditTipId);
    SetNeedsActiveMask();
}

CCmdCombinePolylinesAtPoint::CCmdCombinePolylinesAtPoint(const CCmdCombinePolylinesAtPoint &other)
    : CDocCommand(other)
{
}

CCmdCombinePolylinesAtPoint::~CCmdCombinePolylinesAtPoint() = default;

std::unique_ptr<ICommand> CCmdCombinePolylinesAtPoint::Clone() const
{
    return std::make_unique<CCmdCombinePolylinesAtPoint>(*this);
}

bool CCmdCombinePolylinesAtPoint::IsEnabled(void *data)
{
    CPolyline *first = nullptr;
    CPolyline *second = nullptr;
    return findJoinedLines(static_cast<CBasePoint *>(data), first, second);
}

bool CCmdCombinePolylinesAtPoint::OnExecute(void *data)
{
    m_pPoint = static_cast<CBasePoint *>(data);
    CPolyline *first = nullptr;
    CPolyline *second = nullptr;
    if (!findJoinedLines(m_pPoint, first, second))
        return false;
    const bool startsFirst = first->FindBasePoint(m_pPoint) == 0;
    m_pKept = startsFirst ? second : first;
    m_pAbsorbed = startsFirst ? first : second;
    m_bAtKeptStart = m_pKept->GetFirstPoint() == m_pPoint && m_pKept->GetLastPoint() != m_pPoint;
    Combine();
    return true;
}

void CCmdCombinePolylinesAtPoint::Combine()
{
    // The absorbed line's points from the joint outwards, its joint itself left out.
    const int count = m_pAbsorbed->GetPointCount();
    const bool fromStart = m_pAbsorbed->GetFirstPoint() == m_pPoint;
    IMaskPolyline &kept = *m_pKept->GetMaskPolyline();
    for (int k = 1; k < count; ++k) {
        const int position = fromStart ? k : count - 1 - k;
        kept.InsertPoint(m_pAbsorbed->GetPointAt(position), m_bAtKeptStart ? 0 : -1);
    }
    CPattern &pattern = *m_pKept->GetOwner();
    for (int c = 0; c < pattern.GetContourCount(); ++c) {
        auto *contour = static_cast<CMaskContour *>(pattern.GetContourAt(c));
        for (int k = contour->FindContourLine(m_pAbsorbed); k >= 0;
             k = contour->FindContourLine(m_pAbsorbed)) {
            const bool closed = contour->IsClosed();
            m_aPlaces.push_back({contour, k, closed, contour->TakeContourLineAt(k)});
        }
    }
    m_nAbsorbedIndex = pattern.FindPolyline(m_pAbsorbed);
    m_pRemoved = pattern.GetMaskPattern()->RemovePolylineAt(m_nAbsorbedIndex);
}

void CCmdCombinePolylinesAtPoint::OnUndo()
{
    const int added = m_pRemoved->GetPointCount() - 1;
    IMaskPolyline &kept = *m_pKept->GetMaskPolyline();
    for (int k = 0; k < added; ++k)
        kept.RemovePointAt(m_bAtKeptStart ? 0 : m_pKept->GetPointCount() - 1);
    m_pKept->GetOwner()->GetMaskPattern()->InsertPolyline(std::move(m_pRemoved), m_nAbsorbedIndex);
    for (auto place = m_aPlaces.rbegin(); place != m_aPlaces.rend(); ++place)
        place->contour->RestoreContourLine(place->index, std::move(place->line), place->closed);
    m_aPlaces.clear();
}

void CCmdCombinePolylinesAtPoint::OnRedo()
{
    Combine();
}
