// Morvane model library.
// A pattern's contours: building them from the polylines, the outline, and contour queries.
#include "foundation/Geometry.h"
#include "model/ContourBuilder.h"
#include "model/Pattern.h"

#include <cmath>
#include <vector>

using namespace morvane;

namespace {

/// Line ends within this distance join (a closed line, a closed pair, a builder node).
constexpr double kJoinTolerance = 0.5;

} // namespace

void CPattern::BuildContours()
{
    ClearContours();
    CPtrCollection<CPolyline> lines;
    AppendPolylines(lines);
    AddClosedPolylineContours(lines);
    AddTwoPolylineClosedContours(lines);
    AddContours(lines);
    UpdateOutContour();
}

int CPattern::MakeClosedContour()
{
    const int index = CreateContour();
    GetContourAt(index)->SetClosed(true);
    return index;
}

void CPattern::AddClosedPolylineContours(CPtrCollection<CPolyline> &lines)
{
    for (int i = lines.GetCount() - 1; i >= 0; --i) {
        CPolyline *line = lines.GetAt(i);
        if (!line->IsClosed(kJoinTolerance))
            continue;
        GetContourAt(MakeClosedContour())->AddContourLine(line, false);
        lines.RemoveAt(i);
    }
}

namespace {

/// The two ends of a line's own base-size shape.
struct LineEnds
{
    DPOINT start;
    DPOINT end;
};

} // namespace

static bool lineEnds(const CPolyline &line, LineEnds &ends)
{
    std::vector<DPOINT> shape;
    line.GetShapeOrigPos(shape, nullptr);
    if (shape.size() < 2)
        return false;
    ends = {shape.front(), shape.back()};
    return true;
}

static bool meet(const DPOINT &a, const DPOINT &b)
{
    return IsNearPoint(a.x, a.y, b.x, b.y, kJoinTolerance);
}

// The first line after line i whose ends meet line i's ends, start to end (taken as it is) or
// start to start (taken reversed); -1 when none.
static int findClosingPartner(const CPtrCollection<CPolyline> &lines, int i, bool &reversed)
{
    LineEnds first;
    if (!lineEnds(*lines.GetAt(i), first))
        return -1;
    for (int j = i + 1; j < lines.GetCount(); ++j) {
        LineEnds second;
        if (!lineEnds(*lines.GetAt(j), second))
            continue;
        reversed = meet(first.start, second.start) && meet(first.end, second.end);
        if (reversed || (meet(first.start, second.end) && meet(first.end, second.start)))
            return j;
    }
    return -1;
}

void CPattern::AddTwoPolylineClosedContours(CPtrCollection<CPolyline> &lines)
{
    int i = 0;
    while (i < lines.GetCount()) {
        bool reversed = false;
        const int j = findClosingPartner(lines, i, reversed);
        if (j < 0) {
            ++i;
            continue;
        }
        CContour *contour = GetContourAt(MakeClosedContour());
        contour->AddContourLine(lines.GetAt(i), false);
        contour->AddContourLine(lines.GetAt(j), reversed);
        lines.RemoveAt(j);
        lines.RemoveAt(i);
    }
}

// Fills contour with the edges of one cycle or chain; edgeAt(k, backward) gives edge k.
template <class EdgeAt> static void addEdges(CContour &contour, int count, EdgeAt edgeAt)
{
    for (int k = 0; k < count; ++k) {
        bool backward = false;
        if (CPolyline *line = edgeAt(k, backward))
            contour.AddContourLine(line, backward);
    }
}

int CPattern::AddContours(CPtrCollection<CPolyline> &lines)
{
    CContourBuilder builder;
    builder.SetTolerance(kJoinTolerance);
    for (CPolyline *line : lines) {
        std::vector<DPOINT> shape;
        line->GetShapeOrigPos(shape, nullptr);
        if (shape.size() >= 2)
            builder.AddPolylineEdge(shape.front(), shape.back(), line);
    }
    builder.Build();
    for (int i = 0; i < builder.GetCycleCount(); ++i) {
        addEdges(*GetContourAt(MakeClosedContour()), builder.GetCycleEdgeCount(i),
                 [&](int k, bool &backward) { return builder.GetCycleEdge(i, k, backward); });
    }
    for (int i = 0; i < builder.GetChainCount(); ++i) {
        addEdges(*GetContourAt(CreateContour()), builder.GetChainEdgeCount(i),
                 [&](int k, bool &backward) { return builder.GetChainEdge(i, k, backward); });
    }
    return builder.GetCycleCount() + builder.GetChainCount();
}

// Whether candidate beats best as the outline: any one of more grade points, more lines or a
// greater absolute area suffices.
static bool beatsOutline(const CContour &candidate, const CContour &best)
{
    return candidate.GetGradePointCount() > best.GetGradePointCount() ||
           candidate.GetContourLineCount() > best.GetContourLineCount() ||
           std::fabs(candidate.GetClosedArea()) > std::fabs(best.GetClosedArea());
}

void CPattern::UpdateOutContour()
{
    int best = -1;
    for (int i = 0; i < m_oContours.GetCount(); ++i) {
        const CContour *contour = m_oContours.GetAt(i);
        if (!contour->IsClosed())
            continue;
        if (best < 0 || beatsOutline(*contour, *m_oContours.GetAt(best)))
            best = i;
    }
    SetOutContour(best);
}

bool CPattern::HasOutlinePoint(const CBasePoint *point) const
{
    const CContour *outline = GetOutContour();
    return outline != nullptr && outline->ContaintsPoint(point);
}

void CPattern::AppendPointContours(const CBasePoint *point, CPtrCollection<CContour> &out) const
{
    CPtrCollection<CBasePoint> points;
    for (CContour *contour : m_oContours) {
        contour->GetOutContour(&points, false, false);
        if (points.Find(point) >= 0)
            out.Add(contour);
    }
}

void CPattern::FindContours(const CPolyline *polyline, CPtrCollection<CContour> &out) const
{
    out.RemoveAll();
    for (CContour *contour : m_oContours) {
        if (contour->FindContourLine(polyline) >= 0)
            out.Add(contour);
    }
}

int CPattern::FindContour(const CPolyline *polyline, bool &reversed, int &line) const
{
    for (int i = 0; i < m_oContours.GetCount(); ++i) {
        const CContour *contour = m_oContours.GetAt(i);
        const int index = contour->FindContourLine(polyline);
        if (index < 0)
            continue;
        line = index;
        reversed = contour->GetContourLineAt(index)->IsBackward();
        return i;
    }
    return -1;
}

int CPattern::FindContour(const CContour *contour) const
{
    return m_oContours.Find(contour);
}

void CPattern::AppendContours(CPtrCollection<CContour> &out, bool closed) const
{
    for (CContour *contour : m_oContours) {
        if (contour->IsClosed() == closed)
            out.Add(contour);
    }
}

void CPattern::ClearContours()
{
    m_oContours.RemoveAll();
}

void CPattern::SetOutContour(int i)
{
    if (i < 1)
        return;
    m_oContours.Move(i, 0);
}

CContour *CPattern::GetOutContour() const
{
    return m_oContours.GetFirst();
}

CContour *CPattern::GetContourAt(int i) const
{
    return m_oContours.GetAt(i);
}

int CPattern::GetContourCount() const
{
    return m_oContours.GetCount();
}
